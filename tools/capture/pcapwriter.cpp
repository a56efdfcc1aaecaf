#include "pcapwriter.h"

#include <QtEndian>

namespace {
constexpr quint32 Magic = 0xA1B2C3D4; // microsecond time stamps
constexpr quint32 SnapLength = 65535;
constexpr quint32 LinkTypeRaw = 101; // packets begin with their IP header
// 14 November 2023: a fixed start, so that the same datagrams make the same file.
constexpr quint32 StartSeconds = 1700000000;
constexpr int IpHeaderSize = 20;
constexpr int UdpHeaderSize = 8;
constexpr quint8 TimeToLive = 64;
constexpr quint8 UdpProtocol = 17;

template <typename T> void appendLittle(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

template <typename T> void appendBig(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToBigEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

quint16 headerChecksum(const QByteArray &header)
{
    quint32 sum = 0;
    for (int i = 0; i + 1 < header.size(); i += 2)
        sum += qFromBigEndian<quint16>(header.constData() + i);
    while (sum > 0xFFFF)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return quint16(~sum);
}

// IPv4 header without options, then the UDP header; a zero UDP checksum means none.
QByteArray ipPacket(const Datagram &d, quint16 identification)
{
    const int udpLength = UdpHeaderSize + int(d.payload.size());
    QByteArray packet;
    appendBig<quint8>(packet, 0x45); // version 4, five 32-bit words
    appendBig<quint8>(packet, 0);
    appendBig(packet, quint16(IpHeaderSize + udpLength));
    appendBig(packet, identification);
    appendBig<quint16>(packet, 0); // no fragments
    appendBig(packet, TimeToLive);
    appendBig(packet, UdpProtocol);
    appendBig<quint16>(packet, 0); // the checksum, once the header is complete
    appendBig(packet, d.source.toIPv4Address());
    appendBig(packet, d.destination.toIPv4Address());
    qToBigEndian(headerChecksum(packet), packet.data() + 10);
    appendBig(packet, d.sourcePort);
    appendBig(packet, d.destinationPort);
    appendBig(packet, quint16(udpLength));
    appendBig<quint16>(packet, 0);
    return packet + d.payload;
}
} // namespace

PcapWriter::PcapWriter()
{
    appendLittle(file, Magic);
    appendLittle<quint16>(file, 2); // format version 2.4
    appendLittle<quint16>(file, 4);
    appendLittle<qint32>(file, 0); // time stamps in UTC
    appendLittle<quint32>(file, 0);
    appendLittle(file, SnapLength);
    appendLittle(file, LinkTypeRaw);
}

void PcapWriter::add(const Datagram &datagram)
{
    const QByteArray packet = ipPacket(datagram, ++packets);
    appendLittle(file, quint32(StartSeconds + datagram.timeMs / 1000));
    appendLittle(file, quint32(datagram.timeMs % 1000 * 1000));
    appendLittle(file, quint32(packet.size()));
    appendLittle(file, quint32(packet.size()));
    file.append(packet);
}
