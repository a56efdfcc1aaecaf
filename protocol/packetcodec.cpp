#include "packetcodec.h"

#include "fieldtags.h"
#include "randomsource.h"
#include "requestcipher.h"

#include <QDebug>
#include <QtEndian>

#include <cstring>

namespace {
constexpr char Magic[] = "SCTL";

// Devices match this value in the apply and restart fields.
constexpr quint8 Confirm0 = 0xA5;
constexpr quint8 Confirm1 = 0x3C;
constexpr quint8 Confirm2 = 0x5A;
constexpr quint8 Confirm3 = 0xC3;

// Fixed-size request buffer; a field is written only when it fits.
class RequestWriter
{
public:
    RequestWriter() { std::memset(buffer, 0, sizeof buffer); }

    void field(quint8 tag, const char *value, int length)
    {
        if (position + 2 + length >= Sctl::MaxRequestSize)
            return;
        buffer[position] = char(tag);
        buffer[position + 1] = char(length);
        std::memcpy(buffer + position + 2, value, size_t(length));
        position += 2 + length;
    }
    void field(quint8 tag, const QByteArray &value)
    {
        field(tag, value.constData(), int(value.size()));
    }
    void field16(quint8 tag, qint32 value)
    {
        char bytes[2];
        qToBigEndian(quint16(value), bytes);
        field(tag, bytes, 2);
    }
    void field32(quint8 tag, quint32 value)
    {
        char bytes[4];
        qToBigEndian(value, bytes);
        field(tag, bytes, 4);
    }

    char buffer[Sctl::MaxRequestSize];
    int position = Sctl::HeaderSize;
};

void writeHeader(char *out, quint16 sequence, quint16 command, const QByteArray &mac,
                 quint16 length)
{
    std::memcpy(out, Magic, 4);
    qToBigEndian(sequence, out + 4);
    qToBigEndian(command, out + 6);
    std::memcpy(out + 8, mac.constData(), Sctl::MacSize);
    qToBigEndian(length, out + 14);
}

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

void writeConfigurationFields(RequestWriter &w, const ScoutelSharedData &r)
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
        QByteArray request(Sctl::HeaderSize, '\0');
        writeHeader(request.data(), nextSequence(), Sctl::SearchRequest, mac, 0);
        return request;
    }
    if (command != Sctl::ConfigureRequest || !target || !fitsOnWire(*target->constData()))
        return QByteArray();

    const ScoutelSharedData &r = *target->constData();
    RequestWriter w;
    writeConfigurationFields(w, r);
    password = r.password;

    const int written = w.position - Sctl::HeaderSize;
    const int filled = written + Sctl::BlockSize - written % Sctl::BlockSize;
    writeHeader(w.buffer, nextSequence(), Sctl::ConfigureRequest, r.mac, quint16(filled));
    RequestCipher::encryptPayload(w.buffer + Sctl::HeaderSize, filled,
                                  RequestCipher::keyFromPassword(password.toLatin1()));
    return QByteArray(w.buffer, Sctl::HeaderSize + filled);
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
