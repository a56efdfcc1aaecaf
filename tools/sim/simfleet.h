#pragma once

#include "simdevice.h"
#include "simoptions.h"

#include <QByteArray>
#include <QHostAddress>
#include <QJsonObject>
#include <QList>

#include <functional>
#include <vector>

class QRandomGenerator;

struct ReceivedDatagram
{
    QByteArray bytes;
    QHostAddress sender;
    quint16 port = 0;
    int ttl = -1;          // -1 when the socket did not report it
    QString interfaceName; // the interface it arrived on
};

struct OutgoingDatagram
{
    int device = 0;
    QHostAddress source;
    QHostAddress destination;
    quint16 port = 0;
    QByteArray bytes;
    qint64 dueMs = 0;
};

// The devices of one simulator and how each received datagram reaches them:
// which devices it concerns, what they answer and when, and the log lines.
class SimFleet
{
public:
    using LogSink = std::function<void(const QJsonObject &)>;

    // The generator gives the challenges and the jitter.
    SimFleet(const SimOptions &fleetOptions, QRandomGenerator *generator, LogSink sink,
             qint64 nowMs);

    QList<OutgoingDatagram> handle(const ReceivedDatagram &datagram, qint64 nowMs);
    // The address a device's answers come from.
    QHostAddress sourceOf(int number) const;
    const SimDevice &device(int number) const { return devices[size_t(number - 1)]; }
    int count() const { return int(devices.size()); }

private:
    struct Request;

    void search(const Request &request, int number, qint64 nowMs, QList<OutgoingDatagram> *out);
    void configure(const Request &request, int number, qint64 nowMs, QList<OutgoingDatagram> *out);
    void strayAnswers(const Request &request, qint64 nowMs, QList<OutgoingDatagram> *out);
    void post(const Request &request, int number, const QByteArray &answer, qint64 nowMs,
              QList<OutgoingDatagram> *out);
    void logUnanswered(const Request &request, int number, const char *why) const;

    SimOptions options;
    QRandomGenerator *random;
    LogSink log;
    std::vector<SimDevice> devices;
};
