#pragma once

#include "mlsettings.h"

#include <QString>
#include <QStringList>

// The application's own values, kept in the group "System" of the settings store.
class Settings : public MlSettings
{
    Q_OBJECT

public:
    explicit Settings(QObject *parent = nullptr);

    void loadSettings() override;
    void saveSettings() override;
    void applySettings();

    QString language;
    bool rememberFilename = false;
    QString filename;
    QStringList stamps;
    qint32 interfaceIndex = -1;

Q_SIGNALS:
    void applied();
};
