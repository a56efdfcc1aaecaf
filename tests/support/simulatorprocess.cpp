#include "simulatorprocess.h"
#include "testfiles.h"

#include <QDeadlineTimer>
#include <QJsonDocument>

SimulatorProcess::SimulatorProcess() : path(directory.filePath(QStringLiteral("sim.log")))
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
}

SimulatorProcess::~SimulatorProcess()
{
    stop();
}

bool SimulatorProcess::start(const QStringList &options, int timeoutMs)
{
    QStringList arguments = options;
    const int named = int(arguments.indexOf(QStringLiteral("--log")));
    if (named >= 0 && named + 1 < arguments.size())
        path = arguments.at(named + 1);
    else
        arguments << QStringLiteral("--log") << path;
    if (!arguments.contains(QStringLiteral("--lifetime")))
        arguments << QStringLiteral("--lifetime") << QStringLiteral("60000");

    const QDeadlineTimer deadline(timeoutMs);
    process.start(QStringLiteral(SCOUTEL_SIM_PROGRAM), arguments);
    if (process.waitForStarted(int(deadline.remainingTime()))) {
        while (!deadline.hasExpired()) {
            if (process.canReadLine()) {
                if (process.readLine().trimmed() == "ready")
                    return true;
            } else if (!process.waitForReadyRead(int(deadline.remainingTime()))) {
                break; // ended, or no line in time
            }
        }
    }
    lastError = QStringLiteral("%1 did not get ready (%2, exit status %3): %4")
                    .arg(QStringLiteral(SCOUTEL_SIM_PROGRAM), process.errorString())
                    .arg(process.exitCode())
                    .arg(QString::fromLocal8Bit(process.readAllStandardError()));
    stop();
    return false;
}

void SimulatorProcess::stop()
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(2000)) {
        process.kill();
        process.waitForFinished(1000);
    }
}

QList<QJsonObject> SimulatorProcess::log() const
{
    QList<QJsonObject> lines;
    const QByteArray all = fileContent(path);
    // Every complete line so far: one still being written has no newline yet.
    const auto complete = all.left(all.lastIndexOf('\n') + 1).split('\n');
    for (const QByteArray &line : complete) {
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (document.isObject())
            lines.append(document.object());
    }
    return lines;
}

QList<QJsonObject> SimulatorProcess::events(const QString &event, int device) const
{
    QList<QJsonObject> matching = log();
    matching.removeIf([&](const QJsonObject &line) {
        return line.value(QStringLiteral("event")).toString() != event ||
               (device >= 0 && line.value(QStringLiteral("device")).toInt() != device);
    });
    return matching;
}

QList<QJsonObject> SimulatorProcess::requests(int command, qsizetype from) const
{
    QList<QJsonObject> matching = log().mid(from);
    matching.removeIf([command](const QJsonObject &line) {
        return line.value(QStringLiteral("event")).toString() != QLatin1String("request") ||
               line.value(QStringLiteral("command")).toInt() != command;
    });
    return matching;
}
