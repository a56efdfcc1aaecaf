#pragma once

#include <QByteArray>
#include <QHostAddress>

// One UDP datagram as captured.
struct Datagram
{
    QHostAddress source;
    quint16 sourcePort = 0;
    QHostAddress destination;
    quint16 destinationPort = 0;
    QByteArray payload;
    qint64 timeMs = 0; // since the capture's start
};

// A pcap file of raw IPv4 packets built in memory: captures without a socket.
class PcapWriter
{
public:
    PcapWriter();

    void add(const Datagram &datagram);
    const QByteArray &bytes() const { return file; }

private:
    QByteArray file;
    quint16 packets = 0;
};
