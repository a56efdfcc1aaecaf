#include "packetcodec.h"

#include "fieldtable.h"
#include "packetwriter.h"
#include "randomsource.h"
#include "requestcipher.h"
#include "resultcodes.h"

namespace {
// Devices match this value in the apply and restart fields.
constexpr quint8 Confirm0 = 0xA5;
constexpr quint8 Confirm1 = 0x3C;
constexpr quint8 Confirm2 = 0x5A;
constexpr quint8 Confirm3 = 0xC3;

// A field the device would refuse, or that would not fit, makes no request at all.
bool fitsOnWire(const ScoutelSharedData &r)
{
    if (r.mac.size() != Sctl::MacSize || r.challenge.size() != Sctl::ChallengeSize)
        return false;
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (!(field.use & FieldTable::InRequests) || !(r.sendFields & field.bit))
            continue;
        if (field.kind == FieldTable::Kind::Text && !FieldTable::carriesText(field, r.*field.text))
            return false;
        if (field.kind == FieldTable::Kind::Bytes && (r.*field.bytes).size() != field.size)
            return false;
    }
    return true;
}

void writeField(PacketWriter &w, const FieldTable::Field &field, const ScoutelSharedData &r)
{
    using FieldTable::Kind;
    switch (field.kind) {
    case Kind::Address:
        w.field32(field.tag, (r.*field.address).toIPv4Address());
        break;
    case Kind::Number16:
    case Kind::Switch16:
        w.field16(field.tag, r.*field.number);
        break;
    case Kind::Text:
        w.field(field.tag, (r.*field.text).toLatin1());
        break;
    case Kind::Bytes:
        w.field(field.tag, r.*field.bytes);
        break;
    case Kind::Confirmation:
        w.field(field.tag, PacketCodec::confirmationValue());
        break;
    case Kind::SignedByte:
    case Kind::Word32:
    case Kind::Version:
    case Kind::Bus:
        break; // only devices write these
    }
}

void writeConfigurationFields(PacketWriter &w, const ScoutelSharedData &r)
{
    w.field(Tag::Challenge, r.challenge);
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if ((field.use & FieldTable::InRequests) && (r.sendFields & field.bit))
            writeField(w, field, r);
    }
}
} // namespace

QByteArray PacketCodec::confirmationValue()
{
    const char bytes[] = {char(Confirm0), char(Confirm1), char(Confirm2), char(Confirm3)};
    return QByteArray(bytes, 4);
}

QString PacketCodec::decodeErrorName(int code)
{
    return ResultCodes::name(code);
}

quint16 PacketCodec::nextSequence()
{
    const auto sequence = quint16(RandomSource::next() & 0xFFFF);
    outstanding.insert(sequence);
    return sequence;
}

QByteArray PacketCodec::buildRequest(int command, const ScoutelContainer *target)
{
    if (command == Sctl::SearchRequest) {
        if (target && (*target)->mac.size() != Sctl::MacSize)
            return QByteArray();
        const QByteArray mac = target ? (*target)->mac : QByteArray(Sctl::MacSize, '\xFF');
        PacketWriter w;
        w.writeHeader(nextSequence(), Sctl::SearchRequest, mac, 0);
        return w.packet(0);
    }
    if (command != Sctl::ConfigureRequest || !target || !fitsOnWire(*target->constData()))
        return QByteArray();

    const ScoutelSharedData &r = *target->constData();
    PacketWriter w;
    writeConfigurationFields(w, r);

    // The zero fill is always at least one byte, a whole block when none is missing.
    const int written = w.payloadLength();
    const int filled = written + Sctl::BlockSize - written % Sctl::BlockSize;
    w.writeHeader(nextSequence(), Sctl::ConfigureRequest, r.mac, quint16(filled));
    RequestCipher::encryptPayload(w.payload(), filled,
                                  RequestCipher::keyFromPassword(r.password.toLatin1()));
    return w.packet(filled);
}

void PacketCodec::clearSequences()
{
    outstanding.clear();
}

int PacketCodec::fail(int code)
{
    lastErrorName = decodeErrorName(code);
    return code;
}
