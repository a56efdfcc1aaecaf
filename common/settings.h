#pragma once

#include "mlsettings.h"

#include <QString>

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
    qint32 interfaceIndex = -1;
    // Remembered devices that did not answer get greyed rows.
    bool showMissingDevices = false;
};
