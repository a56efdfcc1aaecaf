#include "settings.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

namespace {
// As the main window does: construct, then name the application.
std::unique_ptr<Settings> openSettings()
{
    auto settings = std::make_unique<Settings>();
    QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
    return settings;
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

public:
    explicit TestSettings(const QString &storeFolder) : folder(storeFolder) {}

private Q_SLOTS:
    void init() { QFile::remove(storeFile()); }

    void firstStartDefaultsAndTheStore()
    {
        auto settings = openSettings();
        settings->loadSettings();
        // The test runs under the de_DE locale.
        QCOMPARE(settings->language, QStringLiteral("de"));
        QCOMPARE(settings->rememberFilename, false);
        QCOMPARE(settings->filename, QString());
        QCOMPARE(settings->stamps, QStringList());
        QCOMPARE(settings->interfaceIndex, -1);
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vantrel"));
        QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
        settings->saveSettings();
        QSettings raw(storeFile(), QSettings::IniFormat);
        QStringList keys = raw.allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"System/filename", "System/interfaceIndex", "System/language",
                                    "System/rememberFilename", "System/stamps"}));
    }

    void valuesSurviveARestart()
    {
        {
            auto settings = openSettings();
            settings->loadSettings();
            settings->language = QStringLiteral("it");
            settings->rememberFilename = true;
            settings->filename = QStringLiteral("/home/op/safes, north.lmx");
            settings->interfaceIndex = 3;
            settings->saveSettings();
        }
        auto settings = openSettings();
        settings->loadSettings();
        QCOMPARE(settings->language, QStringLiteral("it"));
        QCOMPARE(settings->rememberFilename, true);
        QCOMPARE(settings->filename, QStringLiteral("/home/op/safes, north.lmx"));
        QCOMPARE(settings->interfaceIndex, 3);
    }

    void stampsKeptAsRead_data()
    {
        QTest::addColumn<QStringList>("stamps");
        QTest::newRow("none") << QStringList();
        QTest::newRow("one empty") << QStringList{QString()};
        QTest::newRow("awkward") << QStringList{
            QStringLiteral("a, b"), QString(), QStringLiteral("\"quoted\""),
            QStringLiteral("@Invalid()"), QStringLiteral("Zürich;Köln")};
    }

    void stampsKeptAsRead()
    {
        QFETCH(QStringList, stamps);
        QSettings(storeFile(), QSettings::IniFormat)
            .setValue(QStringLiteral("System/stamps"), stamps);
        const QByteArray before = storeLine("stamps");
        QVERIFY(!before.isEmpty());

        auto settings = openSettings();
        settings->loadSettings();
        QCOMPARE(settings->stamps, stamps);
        settings->saveSettings();
        QCOMPARE(storeLine("stamps"), before);
    }

    void applySettingsSwitchesLanguage()
    {
        auto settings = openSettings();
        settings->loadSettings();
        settings->language = QStringLiteral("fr");
        QSignalSpy applied(settings.get(), &Settings::applied);
        settings->applySettings();
        QCOMPARE(applied.count(), 1);
        QCOMPARE(settings->currentLanguage(), QStringLiteral("fr"));
        QCOMPARE(QLocale().language(), QLocale::French);
    }

    void geometryIsKeptPerWindow()
    {
        const QRect placed(40, 50, 320, 240);
        QWidget window;
        window.setObjectName(QStringLiteral("Scoutel"));
        window.setGeometry(10, 20, 300, 200);
        openSettings()->restoreGeometry(&window, QString()); // nothing stored yet
        QCOMPARE(window.geometry(), QRect(10, 20, 300, 200));
        window.setGeometry(placed);
        openSettings()->saveGeometry(&window, QString());
        QWidget dialog;
        dialog.setObjectName(QStringLiteral("DialogEdit"));
        openSettings()->saveGeometry(&dialog, QStringLiteral("Dialogs/"));
        QVERIFY(QSettings().contains(QStringLiteral("UI/Dialogs/DialogEdit/geometry")));

        QWidget next;
        next.setObjectName(QStringLiteral("Scoutel"));
        openSettings()->restoreGeometry(&next, QString());
        QCOMPARE(next.geometry(), placed);
    }

private:
    QString storeFile() const { return folder + QStringLiteral("/Vantrel/Scoutel.conf"); }

    QByteArray storeLine(const QByteArray &key) const
    {
        QFile file(storeFile());
        const QList<QByteArray> lines =
            file.open(QIODevice::ReadOnly) ? file.readAll().split('\n') : QList<QByteArray>();
        for (const QByteArray &line : lines) {
            if (line.startsWith(key + '='))
                return line;
        }
        return QByteArray();
    }

    QString folder;
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
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope,
                       store.path() + QStringLiteral("/system"));
    TestSettings test(store.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
