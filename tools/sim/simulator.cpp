#include "simulator.h"

#include <QSocketNotifier>

#include <cstdio>

namespace {
// Requests read per wake-up; the notifier fires again for the rest.
constexpr int MaxRequestsPerWakeUp = 1024;
} // namespace

Simulator::Simulator(const SimOptions &fleetOptions, QObject *parent)
    : QObject(parent), options(fleetOptions), random(QRandomGenerator::global()->generate())
{
    sendTimer.setSingleShot(true);
    connect(&sendTimer, &QTimer::timeout, this, &Simulator::sendDue);
}

bool Simulator::start(QString *error)
{
    clock.start();
    SimFleet::LogSink sink;
    if (!options.logPath.isEmpty()) {
        if (!log.open(options.logPath)) {
            *error = QStringLiteral("cannot write %1: %2").arg(options.logPath, log.errorString());
            return false;
        }
        sink = [this](const QJsonObject &line) { log.write(line); };
    }
    fleet = std::make_unique<SimFleet>(options, &random, sink, clock.elapsed());
    if (!socket.open(options.network, error))
        return false;
    notifier = new QSocketNotifier(socket.descriptor(), QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &Simulator::readRequests);
    if (sink)
        sink(QJsonObject{{QStringLiteral("event"), QStringLiteral("ready")},
                         {QStringLiteral("count"), options.count}});
    return true;
}

void Simulator::readRequests()
{
    for (int i = 0; i < MaxRequestsPerWakeUp; ++i) {
        ReceivedDatagram datagram;
        if (!socket.receive(&datagram))
            break;
        outbox.add(fleet->handle(datagram, clock.elapsed()));
    }
    sendDue();
}

void Simulator::sendDue()
{
    const qint64 now = clock.elapsed();
    const auto due = outbox.takeDue(now);
    for (const OutgoingDatagram &datagram : due) {
        QString error;
        if (!socket.send(datagram, &error)) {
            std::fprintf(stderr, "scoutel-sim: device %d: %s\n", datagram.device,
                         qPrintable(error));
            if (!options.logPath.isEmpty())
                log.write(QJsonObject{{QStringLiteral("event"), QStringLiteral("error")},
                                      {QStringLiteral("device"), datagram.device},
                                      {QStringLiteral("message"), error}});
        }
    }
    if (!outbox.isEmpty())
        sendTimer.start(int(qMax<qint64>(0, outbox.nextDueMs() - now)));
}
