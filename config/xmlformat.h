#pragma once

#include "scoutelcontainer.h"

#include <QList>
#include <QObject>
#include <QString>

// Saves configuration records as a configuration file: one safe for any
// device, or one per device.
class XmlFormat : public QObject
{
    Q_OBJECT

public:
    explicit XmlFormat(QObject *parent = nullptr);

    // Writes record to fileName (encrypted unless the name ends in ".xml"); 0 on
    // success, -1 on failure with the reason in lastError(). Shows nothing.
    int save(const QString &fileName, ScoutelContainer *record);
    // The same with one safe per record, for the device of its MAC when
    // perDevice is set.
    int save(const QString &fileName, const QList<ScoutelContainer> &records, bool perDevice);
    // Translated reason of the last failed save; empty after a successful one.
    QString lastError() const { return errorText; }

private:
    QString errorText;
};
