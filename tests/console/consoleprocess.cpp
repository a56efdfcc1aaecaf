#include "consoleprocess.h"

#include "netguard.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

QString ConsoleRun::describe() const
{
    return QStringLiteral("status %1, report:\n%2").arg(status).arg(reportLines.join('\n'));
}

ConsoleRun runScoutel(const QStringList &arguments, int limitMs)
{
    ConsoleRun run;
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(SCOUTEL_BIN_DIR "/scoutel"), arguments);
    run.finished = process.waitForFinished(limitMs) && process.exitStatus() == QProcess::NormalExit;
    run.elapsedMs = clock.elapsed();
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    run.status = process.exitCode();
    run.standardOutput = process.readAllStandardOutput();
    const QString report = QString::fromLocal8Bit(process.readAllStandardError());
    run.reportLines = report.split(QLatin1Char('\n'));
    if (run.reportLines.constLast().isEmpty())
        run.reportLines.removeLast();
    return run;
}

int runPrivateNetworkTest(QObject *test, int argc, char **argv)
{
    NetGuard::requirePrivateNetwork(argv[0]);
    QCoreApplication application(argc, argv);
    return QTest::qExec(test, argc, argv);
}
