#pragma once

#include "fieldtags.h"

#include <QByteArray>
#include <QtEndian>

#include <cstring>

// Writes an SCTL packet into one fixed 256-byte buffer: fields from offset 16,
// then the header. A field is written only when its last byte stays at offset
// 254 or lower; a field that does not fit is left out and later ones are tried.
class PacketWriter
{
public:
    PacketWriter() { std::memset(buffer, 0, sizeof buffer); }

    void field(quint8 tag, const char *value, int length);
    void field(quint8 tag, const QByteArray &value)
    {
        field(tag, value.constData(), int(value.size()));
    }
    void field16(quint8 tag, qint32 value);
    void field32(quint8 tag, quint32 value);

    int payloadLength() const { return position - Sctl::HeaderSize; }
    void writeHeader(quint16 sequence, quint16 command, const QByteArray &mac, quint16 length);
    char *payload() { return buffer + Sctl::HeaderSize; }
    // The header and the first payloadBytes bytes of the payload.
    QByteArray packet(int payloadBytes) const
    {
        return QByteArray(buffer, Sctl::HeaderSize + payloadBytes);
    }

private:
    char buffer[Sctl::MaxRequestSize];
    int position = Sctl::HeaderSize;
};
