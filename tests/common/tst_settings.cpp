#include "applicationidentity.h"
#include "settings.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {
QString storeFile; // where the application's own store must be

// As the main window does: construct, then name the application.
std::unique_ptr<Settings> openSettings()
{
    auto settings = std::make_unique<Settings>();
    QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
    settings->loadSettings();
    return settings;
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsThenValuesSurviveARestart()
    {
        {
            auto settings = openSettings();
            // The test runs under the de_DE locale.
            QCOMPARE(settings->language, QStringLiteral("de"));
            QCOMPARE(settings->rememberFilename, false);
            QCOMPARE(settings->interfaceIndex, -1);
            QCOMPARE(settings->showMissingDevices, false);
            settings->language = QStringLiteral("it");
            settings->rememberFilename = true;
            settings->filename = QStringLiteral("/home/op/safes, north.lmx");
            settings->interfaceIndex = 3;
            settings->showMissingDevices = true;
            settings->saveSettings();
        }
        QStringList keys = QSettings(storeFile, QSettings::IniFormat).allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"System/filename", "System/interfaceIndex", "System/language",
                                    "System/rememberFilename", "System/showMissingDevices"}));
        auto settings = openSettings();
        QCOMPARE(settings->rememberFilename, true);
        QCOMPARE(settings->filename, QStringLiteral("/home/op/safes, north.lmx"));
        QCOMPARE(settings->interfaceIndex, 3);
        QCOMPARE(settings->showMissingDevices, true);
        settings->applySettings(); // the stored language, as at the window's start
        QCOMPARE(QLocale().language(), QLocale::Italian);
        settings->language = QStringLiteral("fr"); // no catalogue: English, the choice kept
        settings->applySettings();
        QCOMPARE(settings->currentLanguage() + ' ' + settings->language, "en fr");
    }

    // Kept under the widget's name; tst_scoutelwindow sees the window save its own.
    void geometryIsKeptPerWindow()
    {
        QWidget saved, other, next;
        saved.setObjectName(QStringLiteral("Scoutel"));
        saved.setGeometry(40, 50, 320, 240);
        openSettings()->saveGeometry(&saved, QString());
        other.setObjectName(QStringLiteral("Other"));
        openSettings()->saveGeometry(&other, QString());
        next.setObjectName(QStringLiteral("Scoutel"));
        openSettings()->restoreGeometry(&next, QString());
        QCOMPARE(next.geometry(), QRect(40, 50, 320, 240));
    }
};

int main(int argc, char *argv[])
{
    // Every read and write goes to a folder of our own, never the user's store.
    QTemporaryDir store;
    if (!store.isValid())
        return 1;
    qputenv("XDG_CONFIG_HOME", store.path().toUtf8());
    qputenv("LC_ALL", "de_DE.UTF-8");
    QApplication app(argc, argv);
    setApplicationIdentity();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, store.path() + "/system");
    storeFile = store.path() + QStringLiteral("/Vantrel/Scoutel.conf");
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
