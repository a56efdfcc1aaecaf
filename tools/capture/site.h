#pragma once

#include "packetcodec.h"
#include "pcapwriter.h"
#include "simfleet.h"

#include <QList>
#include <QRandomGenerator>

// A datagram of an exchange, with the program's own reading of it.
struct Frame
{
    Datagram datagram;
    QByteArray fields;       // the payload, decrypted in a configuration request
    ScoutelContainer record; // decoded from an answer; what a request was built from
};

// Simulated safes and the program's codec on one site, without a socket: the
// codec's requests reach the fleet directly and its answers come back.
// Everything follows from fixed seeds, so the same build writes the same frames.
class Site
{
public:
    static constexpr int Devices = 3;
    static const QString Password;

    Site();

    // A search for every device (an empty MAC) or for one, and the answers.
    QList<Frame> search(const QByteArray &mac = QByteArray());
    // A configuration request built from record, and the answer.
    QList<Frame> configure(const ScoutelContainer &record);

    static QHostAddress client();

private:
    QList<Frame> exchange(const Frame &request);

    QRandomGenerator random;
    SimFleet fleet;
    PacketCodec codec;
    qint64 nowMs;
};
