#include "settings.h"
#include "testfiles.h"

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
    settings->loadSettings();
    return settings;
}
} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

public:
    explicit TestSettings(const QString &storeFolder)
        : storeFile(storeFolder + QStringLiteral("/Vantrel/Scoutel.conf"))
    {}

private Q_SLOTS:
    void init() { QFile::remove(storeFile); }

    void defaultsThenValuesSurviveARestart()
    {
        {
            auto settings = openSettings();
            // The test runs under the de_DE locale.
            QCOMPARE(settings->language, QStringLiteral("de"));
            QCOMPARE(settings->rememberFilename, false);
            QCOMPARE(settings->interfaceIndex, -1);
            QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Vantrel"));
            settings->language = QStringLiteral("it");
            settings->rememberFilename = true;
            settings->filename = QStringLiteral("/home/op/safes, north.lmx");
            settings->interfaceIndex = 3;
            settings->saveSettings();
        }
        QStringList keys = QSettings(storeFile, QSettings::IniFormat).allKeys();
        keys.sort();
        QCOMPARE(keys, QStringList({"System/filename", "System/interfaceIndex", "System/language",
                                    "System/rememberFilename", "System/stamps"}));
        auto settings = openSettings();
        QCOMPARE(settings->rememberFilename, true);
        QCOMPARE(settings->filename, QStringLiteral("/home/op/safes, north.lmx"));
        QCOMPARE(settings->interfaceIndex, 3);
        QSignalSpy applied(settings.get(), &Settings::applied);
        settings->applySettings(); // the stored language, as at the window's start
        QCOMPARE(applied.count(), 1);
        QCOMPARE(QLocale().language(), QLocale::Italian);
    }

    void stampsKeptAsRead_data()
    {
        QTest::addColumn<QStringList>("stamps");
        QTest::newRow("none") << QStringList();
        QTest::newRow("one empty") << QStringList{QString()};
        QTest::newRow("awkward") << QStringList{"a, b", "", "\"quoted\"", "@Invalid()",
                                                "Zürich;Köln"};
    }
    void stampsKeptAsRead()
    {
        QFETCH(QStringList, stamps);
        QSettings(storeFile, QSettings::IniFormat).setValue("System/stamps", stamps);
        const auto storeLine = [this] {
            const QList<QByteArray> lines = fileContent(storeFile).split('\n');
            for (const QByteArray &line : lines) {
                if (line.startsWith("stamps="))
                    return line;
            }
            return QByteArray();
        };
        const QByteArray before = storeLine();
        QVERIFY(!before.isEmpty());
        auto settings = openSettings();
        QCOMPARE(settings->stamps, stamps);
        settings->saveSettings();
        QCOMPARE(storeLine(), before);
    }

    void geometryIsKeptPerWindow()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("Scoutel"));
        window.setGeometry(10, 20, 300, 200);
        openSettings()->restoreGeometry(&window, QString()); // nothing stored yet
        QCOMPARE(window.geometry(), QRect(10, 20, 300, 200));
        window.setGeometry(40, 50, 320, 240);
        openSettings()->saveGeometry(&window, QString());
        QWidget dialog;
        dialog.setObjectName(QStringLiteral("DialogEdit"));
        openSettings()->saveGeometry(&dialog, QStringLiteral("Dialogs/"));
        QVERIFY(QSettings().contains(QStringLiteral("UI/Dialogs/DialogEdit/geometry")));
        QWidget next;
        next.setObjectName(QStringLiteral("Scoutel"));
        openSettings()->restoreGeometry(&next, QString());
        QCOMPARE(next.geometry(), QRect(40, 50, 320, 240));
    }

private:
    QString storeFile;
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
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, store.path() + "/system");
    TestSettings test(store.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
