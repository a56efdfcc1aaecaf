#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

// Runs the device simulator (scoutel-sim) for a test: starts it with a log
// file of its own, waits for its "ready" line, reads the log, and stops it
// when the object goes. The caller must already be in a private network
// namespace (a NETNS test); the simulator inherits it.
class SimulatorProcess
{
public:
    SimulatorProcess();
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    // Path of the built simulator.
    static QString program();

    // Starts the simulator with these options, adding "--log <file>" unless
    // they name one, and waits at most timeoutMs for "ready". On failure
    // errorString() tells why, with what the simulator wrote to stderr.
    bool start(const QStringList &options, int timeoutMs = 5000);
    // Ends it (if still running); also done by the destructor.
    void stop();
    bool isRunning() const { return process.state() != QProcess::NotRunning; }
    QString errorString() const { return lastError; }
    QString logPath() const { return path; }

    // Every complete line of the log so far, in order.
    QList<QJsonObject> log() const;
    // The lines of one event ("request", "apply", "restart", "ready", "error"),
    // only those of one device when device is 0 or more.
    QList<QJsonObject> events(const QString &event, int device = -1) const;
    // Serves the event loop until a log line matches or timeoutMs passes.
    bool waitForLine(const std::function<bool(const QJsonObject &)> &matches,
                     int timeoutMs = 2000) const;

private:
    QTemporaryDir directory;
    QString path;
    QProcess process;
    QString lastError;
};
