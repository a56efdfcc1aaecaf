#include "consoleprocess.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

// The program as a shell sees it when no device is on the network: mode
// choice, help, version and option checks.
class TestConsoleCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The options and statuses --help lists are compared with the manual page by
    // tst_packageoptions.
    void helpAndVersion()
    {
        const ConsoleRun help = runScoutel({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY2(help.reportLines.isEmpty(), qPrintable(help.describe()));
        QVERIFY(help.standardOutput.contains("A status is the low 8 bits of the code"));
        const ConsoleRun version = runScoutel({"--version"});
        QCOMPARE(version.status, 0);
        QCOMPARE(version.standardOutput,
                 QByteArray("Scoutel 2.7 2021/04/27\n"
                            "Languages in " SCOUTEL_BIN_DIR "/languages: de it\n"));
        QVERIFY(version.reportLines.isEmpty());
    }

    // Each of these chooses the command-line mode, so the run searches and,
    // with nobody on the network, reports -400.
    void commandLineModeSearches_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("-X alone") << QStringList{"-X"};
        QTest::newRow("-Xyz") << QStringList{"-Xyz", "-t=100"};
        QTest::newRow("-x= empty") << QStringList{"-x=", "-t=100"};
        QTest::newRow("configuration") << QStringList{"-t=100", "-x=secret", "-n=Vault"};
        QTest::newRow("--help among others") << QStringList{"--help", "-X", "-t=100"};
    }

    void commandLineModeSearches()
    {
        QFETCH(QStringList, arguments);
        const ConsoleRun run = runScoutel(arguments);
        QCOMPARE(run.status, 112);
        QCOMPARE(run.reportLines, QStringList({"-400", "No device found."}));
        QVERIFY(run.standardOutput.isEmpty());
    }

    // Qt may send debug output elsewhere when standard error is no terminal.
    void reportReachesAFile()
    {
        QTemporaryDir directory;
        const QString path = directory.filePath(QStringLiteral("report.txt"));
        QProcess process;
        process.setStandardErrorFile(path);
        process.start(QStringLiteral(SCOUTEL_BIN_DIR "/scoutel"), {"-x=a", "-i=1.2.3"});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 255);
        QFile report(path);
        QVERIFY(report.open(QIODevice::ReadOnly));
        QCOMPARE(report.readAll(), QByteArray("-1\n1.2.3 is not a valid IP address\n"));
    }

    void portTakenByAnotherProgram()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, 2463, QUdpSocket::DontShareAddress));
        const ConsoleRun run = runScoutel({"-X", "-t=100"});
        QCOMPARE(run.status, shellStatus(-300));
        QCOMPARE(run.reportLines,
                 QStringList({"-300", "Error on client initialization: ERROR_NOT_BOUND"}));
    }
};

SCOUTEL_NETNS_TEST_MAIN(TestConsoleCommandLine)
#include "tst_consolecommandline.moc"
