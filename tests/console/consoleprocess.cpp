#include "consoleprocess.h"
#include "testfiles.h"

#include <QProcess>
#include <QTemporaryDir>

ConsoleRun runScoutel(const QStringList &arguments, int limitMs, const QString &home)
{
    ConsoleRun run;
    QTemporaryDir directory;
    const QString reportFile = directory.filePath(QStringLiteral("report"));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    const QString folder = home.isEmpty() ? directory.path() : home;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        environment.insert(QLatin1String(name), folder);
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(reportFile);
    process.start(QStringLiteral(SCOUTEL_BIN_DIR "/scoutel"), arguments);
    const bool ended = process.waitForFinished(limitMs);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    // A run that hung, crashed or never started matches no exit status.
    run.status = ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.standardOutput = process.readAllStandardOutput();
    run.reportLines = QString::fromLocal8Bit(fileContent(reportFile)).split(QLatin1Char('\n'));
    if (run.reportLines.constLast().isEmpty())
        run.reportLines.removeLast();
    return run;
}
