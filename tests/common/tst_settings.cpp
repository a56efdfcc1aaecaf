#include "settings.h"

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

class TestSettings : public QObject
{
    Q_OBJECT

public:
    explicit TestSettings(const QString &storeFolder) : folder(storeFolder) {}

private slots:
    void init();
    void identityOfTheStore();
    void firstStartDefaults();
    void valuesSurviveARestart();
    void stampsKeptAsRead_data();
    void stampsKeptAsRead();
    void applySettingsSwitchesLanguage();
    void geometryIsKeptPerWindow();

private:
    // As the main window does: construct, then name the application.
    static std::unique_ptr<Settings> openSettings();
    QString storeFile() const { return folder + QStringLiteral("/Vantrel/Scoutel.conf"); }
    QByteArray storeLine(const QByteArray &key) const;

    QString folder;
};

std::unique_ptr<Settings> TestSettings::openSettings()
{
    auto settings = std::make_unique<Settings>();
    QCoreApplication::setApplicationName(QStringLiteral("Scoutel"));
    return settings;
}

QByteArray TestSettings::storeLine(const QByteArray &key) const
{
    QFile file(storeFile());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith(key + '='))
            return line;
    }
    return QByteArray();
}

void TestSettings::init()
{
    QFile::remove(storeFile());
}

void TestSettings::identityOfTheStore()
{
    auto settings = openSettings();
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vantrel"));
    QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
    settings->saveSettings();
    QVERIFY2(QFile::exists(storeFile()), qPrintable(storeFile()));
    QSettings raw(storeFile(), QSettings::IniFormat);
    QCOMPARE(raw.childGroups(), QStringList{QStringLiteral("System")});
    QStringList keys = raw.allKeys();
    keys.sort();
    QCOMPARE(keys, QStringList({"System/filename", "System/interfaceIndex", "System/language",
                                "System/rememberFilename", "System/stamps"}));
}

void TestSettings::firstStartDefaults()
{
    auto settings = openSettings();
    settings->loadSettings();
    // The test runs under the de_DE locale.
    QCOMPARE(settings->language, QStringLiteral("de"));
    QCOMPARE(settings->rememberFilename, false);
    QCOMPARE(settings->filename, QString());
    QCOMPARE(settings->stamps, QStringList());
    QCOMPARE(settings->interfaceIndex, -1);
}

void TestSettings::valuesSurviveARestart()
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

void TestSettings::stampsKeptAsRead_data()
{
    QTest::addColumn<QStringList>("stamps");
    QTest::newRow("none") << QStringList();
    QTest::newRow("one") << QStringList{QStringLiteral("2021-04-27 10:00")};
    QTest::newRow("one empty") << QStringList{QString()};
    QTest::newRow("awkward") << QStringList{
        QStringLiteral("a, b"), QString(), QStringLiteral("\"quoted\""),
        QStringLiteral("@Invalid()"), QStringLiteral("Zürich;Köln")};
}

void TestSettings::stampsKeptAsRead()
{
    QFETCH(QStringList, stamps);
    {
        QSettings other(storeFile(), QSettings::IniFormat);
        other.setValue(QStringLiteral("System/stamps"), stamps);
    }
    const QByteArray before = storeLine("stamps");
    QVERIFY(!before.isEmpty());

    auto settings = openSettings();
    settings->loadSettings();
    QCOMPARE(settings->stamps, stamps);
    settings->saveSettings();
    QCOMPARE(storeLine("stamps"), before);
}

void TestSettings::applySettingsSwitchesLanguage()
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

void TestSettings::geometryIsKeptPerWindow()
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
    const QSettings store;
    QCOMPARE(store.value(QStringLiteral("UI/Scoutel/geometry")).toByteArray(),
             window.saveGeometry());
    QVERIFY(store.contains(QStringLiteral("UI/Dialogs/DialogEdit/geometry")));

    QWidget next;
    next.setObjectName(QStringLiteral("Scoutel"));
    openSettings()->restoreGeometry(&next, QString());
    QCOMPARE(next.geometry(), placed);
}

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
