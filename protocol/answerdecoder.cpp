// PacketCodec::decode: answers from devices into records.
#include "packetcodec.h"

#include "fieldtable.h"

#include <QDebug>
#include <QtEndian>

namespace {
// One answer full of unknown fields must not flood the report.
constexpr int MaxUnknownFieldWarnings = 8;

const uchar *bytesOf(const QByteArray &datagram)
{
    return reinterpret_cast<const uchar *>(datagram.constData());
}

QString textField(const uchar *value, int length)
{
    int end = 0;
    while (end < length && value[end] != 0)
        ++end;
    return QString::fromLatin1(reinterpret_cast<const char *>(value), end);
}

// Stores one field of a recognised tag; false when its length is not the tag's own.
bool storeField(ScoutelSharedData &r, const FieldTable::Field &field, quint8 tag,
                const uchar *value, int length)
{
    using FieldTable::Kind;
    if (field.kind == Kind::Text ? length > field.size : length != field.size)
        return false;
    switch (field.kind) {
    case Kind::Address:
        (r.*field.address).setAddress(qFromBigEndian<quint32>(value));
        break;
    case Kind::Number16:
    case Kind::Switch16:
        r.*field.number = qFromBigEndian<quint16>(value);
        break;
    case Kind::SignedByte:
        r.*field.number = qint8(value[0]);
        break;
    case Kind::Word32:
        r.*field.word = qFromBigEndian<quint32>(value);
        break;
    case Kind::Text:
        r.*field.text = textField(value, length);
        break;
    case Kind::Bytes:
        r.*field.bytes = QByteArray(reinterpret_cast<const char *>(value), length);
        break;
    case Kind::Version:
        r.*field.number = value[0];
        r.*field.minor = value[1];
        break;
    case Kind::Bus:
        (r.*field.bus)[tag - field.tag] = qFromBigEndian<quint32>(value);
        break;
    case Kind::Confirmation:
        break;
    }
    r.presentFields |= field.bit;
    return true;
}
} // namespace

int PacketCodec::decode(const QByteArray &datagram, ScoutelContainer *record)
{
    if (!record)
        return fail(ErrorInDataNull);
    ScoutelSharedData &r = *record->data();
    r.presentFields = 0;
    r.sendFields = 0;
    r.result = -1;

    const uchar *bytes = bytesOf(datagram);
    const int size = int(datagram.size());
    // A datagram too short to hold a sequence number answers no request of ours.
    if (size < 6 || !outstanding.contains(qFromBigEndian<quint16>(bytes + 4)))
        return fail(ErrorInSequence);
    if (size < Sctl::HeaderSize || qFromBigEndian<quint16>(bytes + 14) + Sctl::HeaderSize != size)
        return fail(ErrorInLength);
    if (datagram.left(4) != "SCTL")
        return fail(ErrorInHead);

    r.command = qFromBigEndian<quint16>(bytes + 6);
    r.mac = datagram.mid(8, Sctl::MacSize);
    r.result = 0;

    int unknownFields = 0;
    for (int pos = Sctl::HeaderSize; pos < size;) {
        // A field that runs past the datagram's end is as malformed as a wrong length.
        if (pos + 2 > size)
            return fail(ErrorInFieldLength);
        const quint8 tag = bytes[pos];
        const int length = bytes[pos + 1];
        if (pos + 2 + length > size)
            return fail(ErrorInFieldLength);
        if (tag != Tag::Fill) {
            const FieldTable::Field *field = FieldTable::forTag(tag);
            if (field && (field->use & FieldTable::InAnswers)) {
                if (!storeField(r, *field, tag, bytes + pos + 2, length))
                    return fail(ErrorInFieldLength);
            } else if (++unknownFields <= MaxUnknownFieldWarnings) {
                qDebug("Scoutel: unknown field %d long %d", tag, length);
            }
        }
        pos += 2 + length;
    }
    if (unknownFields > MaxUnknownFieldWarnings)
        qDebug("Scoutel: %d more unknown fields left out", unknownFields - MaxUnknownFieldWarnings);
    return DecodeOk;
}
