#include "settings.h"

#include <QSettings>

namespace {

const char systemGroup[] = "System";
const char languageKey[] = "language";
const char rememberFilenameKey[] = "rememberFilename";
const char filenameKey[] = "filename";
const char interfaceIndexKey[] = "interfaceIndex";
const char showMissingDevicesKey[] = "showMissingDevices";

} // namespace

Settings::Settings(QObject *parent) : MlSettings(parent) {}

void Settings::loadSettings()
{
    QSettings store;
    store.beginGroup(systemGroup);
    language = store.value(languageKey, systemLanguage()).toString();
    rememberFilename = store.value(rememberFilenameKey, false).toBool();
    filename = store.value(filenameKey, QString()).toString();
    interfaceIndex = store.value(interfaceIndexKey, -1).toInt();
    showMissingDevices = store.value(showMissingDevicesKey, false).toBool();
    store.endGroup();
}

void Settings::saveSettings()
{
    QSettings store;
    store.beginGroup(systemGroup);
    store.setValue(languageKey, language);
    store.setValue(rememberFilenameKey, rememberFilename);
    store.setValue(filenameKey, filename);
    store.setValue(interfaceIndexKey, interfaceIndex);
    store.setValue(showMissingDevicesKey, showMissingDevices);
    store.endGroup();
}

void Settings::applySettings()
{
    // Without a catalogue for it (a C locale, a language the program does not
    // speak) English, so plural forms read right; language keeps what the
    // store holds, for a catalogue installed later.
    if (language.isEmpty() || !setLanguage(language))
        setLanguage(QStringLiteral("en"));
}
