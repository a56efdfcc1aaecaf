#include "packetwriter.h"

void PacketWriter::field(quint8 tag, const char *value, int length)
{
    if (length < 0 || length > 255 || position + 2 + length >= Sctl::MaxRequestSize)
        return;
    buffer[position] = char(tag);
    buffer[position + 1] = char(length);
    if (length > 0)
        std::memcpy(buffer + position + 2, value, size_t(length));
    position += 2 + length;
}

void PacketWriter::field16(quint8 tag, qint32 value)
{
    char bytes[2];
    qToBigEndian(quint16(value), bytes);
    field(tag, bytes, 2);
}

void PacketWriter::field32(quint8 tag, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    field(tag, bytes, 4);
}

void PacketWriter::writeHeader(quint16 sequence, quint16 command, const QByteArray &mac,
                               quint16 length)
{
    std::memcpy(buffer, "SCTL", 4);
    qToBigEndian(sequence, buffer + 4);
    qToBigEndian(command, buffer + 6);
    std::memset(buffer + 8, 0, Sctl::MacSize);
    std::memcpy(buffer + 8, mac.constData(), size_t(qMin<qsizetype>(mac.size(), Sctl::MacSize)));
    qToBigEndian(length, buffer + 14);
}
