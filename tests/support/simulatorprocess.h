#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// Runs the device simulator (scoutel-sim) for a test: starts it with a log
// file of its own, waits for its "ready" line, reads the log, and stops it
// when the object goes. The caller must already be in a private network
// namespace (a NETNS test); the simulator inherits it.
// Fails the running test when the simulator does not start.
#define SCOUTEL_START_SIM(sim, options)                                                            \
    QVERIFY2((sim).start(options), qPrintable((sim).errorString()))

class SimulatorProcess
{
public:
    SimulatorProcess();
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    // Starts the simulator with these options, adding "--log <file>" and a lifetime
    // unless they name them; waits at most timeoutMs for "ready". On failure
    // errorString() tells why, with what the simulator wrote to stderr.
    bool start(const QStringList &options, int timeoutMs = 30000);
    void stop(); // also done by the destructor
    QString errorString() const { return lastError; }

    // Every complete line of the log so far, in order.
    QList<QJsonObject> log() const;
    // The lines of one event ("request", "apply", "restart", "ready", "error"),
    // only those of one device when device is 0 or more.
    QList<QJsonObject> events(const QString &event, int device = -1) const;
    // The requests of one command, from log line `from` on.
    QList<QJsonObject> requests(int command, qsizetype from = 0) const;

private:
    QTemporaryDir directory;
    QString path;
    QProcess process;
    QString lastError;
};
