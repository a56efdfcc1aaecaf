#pragma once

#include "scoutelcontainer.h"

#include <QObject>
#include <QString>

// Saves a configuration record as a configuration file with one safe for any device.
class XmlFormat : public QObject
{
    Q_OBJECT

public:
    explicit XmlFormat(QObject *parent = nullptr);

    // Writes record to fileName (encrypted unless the name ends in ".xml"); 0 on
    // success, -1 on failure with the reason in lastError(). Shows nothing.
    int save(const QString &fileName, ScoutelContainer *record);
    // Translated reason of the last failed save; empty after a successful one.
    QString lastError() const { return errorText; }

private:
    QString errorText;
};
