#include "packetcodec.h"

#include "fieldtags.h"
#include "packetwriter.h"
#include "randomsource.h"
#include "requestcipher.h"

namespace {
// Devices match this value in the apply and restart fields.
constexpr quint8 Confirm0 = 0xA5;
constexpr quint8 Confirm1 = 0x3C;
constexpr quint8 Confirm2 = 0x5A;
constexpr quint8 Confirm3 = 0xC3;

bool fitsOnWire(const ScoutelSharedData &r)
{
    if (r.mac.size() != Sctl::MacSize || r.challenge.size() != Sctl::ChallengeSize)
        return false;
    if ((r.sendFields & FieldName) && r.name.size() > Sctl::MaxTextLength)
        return false;
    if ((r.sendFields & FieldNewPassword) && r.newPassword.size() > Sctl::MaxTextLength)
        return false;
    if ((r.sendFields & FieldPublicKey) && r.publicKey.size() != Sctl::PublicKeySize)
        return false;
    return true;
}

void writeConfigurationFields(PacketWriter &w, const ScoutelSharedData &r)
{
    const quint32 bits = r.sendFields;
    w.field(Tag::Challenge, r.challenge);
    if (bits & FieldIpAddress)
        w.field32(Tag::IpAddress, r.ipAddress.toIPv4Address());
    if (bits & FieldSubnetMask)
        w.field32(Tag::SubnetMask, r.subnetMask.toIPv4Address());
    if (bits & FieldGateway)
        w.field32(Tag::Gateway, r.gateway.toIPv4Address());
    if (bits & FieldDns)
        w.field32(Tag::Dns, r.dns.toIPv4Address());
    if (bits & FieldDhcp)
        w.field16(Tag::Dhcp, r.dhcp);
    if (bits & FieldMainPort)
        w.field16(Tag::MainPort, r.mainPort);
    if (bits & FieldAuxPort)
        w.field16(Tag::AuxPort, r.auxPort);
    if (bits & FieldHttpPort)
        w.field16(Tag::HttpPort, r.httpPort);
    if (bits & FieldSessionMinutes)
        w.field16(Tag::SessionMinutes, r.sessionMinutes);
    if (bits & FieldName)
        w.field(Tag::Name, r.name.toLatin1());
    if (bits & FieldNewPassword)
        w.field(Tag::NewPassword, r.newPassword.toLatin1());
    if (bits & FieldPublicKey)
        w.field(Tag::PublicKey, r.publicKey);
    if (bits & FieldApply)
        w.field(Tag::Apply, PacketCodec::confirmationValue());
    if (bits & FieldRestart)
        w.field(Tag::Restart, PacketCodec::confirmationValue());
}
} // namespace

QByteArray PacketCodec::confirmationValue()
{
    const char bytes[] = {char(Confirm0), char(Confirm1), char(Confirm2), char(Confirm3)};
    return QByteArray(bytes, 4);
}

QString PacketCodec::decodeErrorName(int code)
{
    switch (code) {
    case ErrorInDataNull:
        return QStringLiteral("ERROR_IN_DATA_NULL");
    case ErrorInLength:
        return QStringLiteral("ERROR_IN_LENGTH");
    case ErrorInHead:
        return QStringLiteral("ERROR_IN_HEAD");
    case ErrorInFieldLength:
        return QStringLiteral("ERROR_IN_FIELD_LENGTH");
    case ErrorInSequence:
        return QStringLiteral("ERROR_IN_SEQUENCE");
    case ErrorInFieldUnknown:
        return QStringLiteral("ERROR_IN_FIELD_UNKNOWN");
    default:
        return QString();
    }
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
    password = r.password;

    // The zero fill is always at least one byte, a whole block when none is missing.
    const int written = w.payloadLength();
    const int filled = written + Sctl::BlockSize - written % Sctl::BlockSize;
    w.writeHeader(nextSequence(), Sctl::ConfigureRequest, r.mac, quint16(filled));
    RequestCipher::encryptPayload(w.payload(), filled,
                                  RequestCipher::keyFromPassword(password.toLatin1()));
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
