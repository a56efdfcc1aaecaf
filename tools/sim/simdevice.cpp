#include "simdevice.h"

#include "fieldtags.h"
#include "packetwriter.h"
#include "requestcipher.h"
#include "scoutelcontainer.h"

#include <QtEndian>

namespace {
constexpr char MacPrefix[] = "\x02\x53\x43";
constexpr int HostsPerOctet = 254;   // .1 to .254: no network or broadcast octet
constexpr int FirstOctetHosts = 253; // 127.0.0.1 is the client's
constexpr char HardwareName[] = "SIM-SAFE";
constexpr quint8 UnknownTagFirst = 200; // no tag of the protocol lies there
constexpr char HardwareVersion[] = "\x03\x01";
constexpr char ProtocolVersion[] = "\x01\x00";
constexpr quint8 BusTags[] = {
    Tag::BusOnewireFirst, Tag::BusOnewireFirst + 1, Tag::BusOnewireFirst + 2,
    Tag::BusRs485First,   Tag::BusRs485First + 1,   Tag::BusRs485First + 2,
    Tag::BusTcpFirst,     Tag::BusTcpFirst + 1,     Tag::BusTcpFirst + 2};

QByteArray resultByte(int code)
{
    return QByteArray(1, char(qint8(code)));
}

QByteArray answer(PacketWriter &w, quint16 sequence, quint16 command, const QByteArray &mac)
{
    w.writeHeader(sequence, command, mac, quint16(w.payloadLength()));
    return w.packet(w.payloadLength());
}
} // namespace

SimDevice::SimDevice(int number, const QString &initialPassword, const QString &namePrefix,
                     const QByteArray &hwVersion, const FleetBehaviour &fleetBehaviour,
                     qint64 nowMs)
    : deviceNumber(number),
      hardwareVersion(hwVersion.isEmpty() ? QByteArray(HardwareVersion, 2) : hwVersion),
      password(initialPassword), behaviour(fleetBehaviour), startedAtMs(nowMs)
{
    settings.ipAddress = behaviour.network.addressOf(number);
    settings.subnetMask = behaviour.network.mask;
    settings.gateway = behaviour.network.own;
    settings.dns = behaviour.network.own;
    settings.mainPort = quint16(10000 + number);
    settings.auxPort = quint16(20000 + number);
    settings.httpPort = behaviour.webPages ? quint16(30000 + number) : 0;
    settings.name =
        QStringLiteral("%1 %2").arg(namePrefix).arg(number).toLatin1().left(Sctl::MaxTextLength);
}

void SimDevice::rename(const QString &name)
{
    settings.name = name.toLatin1().left(Sctl::MaxTextLength);
}

QHostAddress SimDevice::addressOf(int number)
{
    if (number <= FirstOctetHosts)
        return QHostAddress(quint32(0x7F000001 + number));
    const int beyond = number - FirstOctetHosts - 1;
    const quint32 third = quint32(1 + beyond / HostsPerOctet);
    const quint32 fourth = quint32(1 + beyond % HostsPerOctet);
    return QHostAddress(0x7F000000 | third << 8 | fourth);
}

QByteArray SimDevice::macOf(int number, quint8 fleetByte)
{
    char low[2];
    qToBigEndian(quint16(number), low);
    return QByteArray(MacPrefix, 3) + char(fleetByte) + QByteArray(low, 2);
}

int SimDevice::numberOf(const QByteArray &mac, quint8 fleetByte)
{
    if (mac.size() != Sctl::MacSize || !mac.startsWith(QByteArray(MacPrefix, 3) + char(fleetByte)))
        return 0;
    return qFromBigEndian<quint16>(mac.constData() + 4);
}

QByteArray SimDevice::searchAnswer(quint16 sequence, const QByteArray &newChallenge, qint64 nowMs)
{
    challenge = newChallenge;
    PacketWriter w;
    if (behaviour.searchResult != 0)
        w.field(Tag::Result, resultByte(behaviour.searchResult));
    w.field32(Tag::IpAddress, settings.ipAddress.toIPv4Address());
    w.field32(Tag::SubnetMask, settings.subnetMask.toIPv4Address());
    w.field32(Tag::Gateway, settings.gateway.toIPv4Address());
    w.field32(Tag::Dns, settings.dns.toIPv4Address());
    w.field16(Tag::Dhcp, settings.dhcp);
    w.field16(Tag::MainPort, settings.mainPort);
    w.field16(Tag::AuxPort, settings.auxPort);
    w.field16(Tag::HttpPort, settings.httpPort);
    w.field16(Tag::SessionMinutes, settings.sessionMinutes);
    w.field(Tag::Name, settings.name);
    w.field(Tag::HwName, QByteArray(HardwareName));
    w.field(Tag::HwVersion, hardwareVersion);
    w.field(Tag::ProtocolVersion, QByteArray(ProtocolVersion, 2));
    if (behaviour.withUpTime) {
        w.field32(Tag::UpTime, quint32((nowMs - startedAtMs) / 1000));
        // Counters recognisable in a decoded record: number * 100 + tag.
        for (const quint8 tag : BusTags)
            w.field32(tag, quint32(deviceNumber * 100 + tag));
    }
    w.field32(Tag::StatusFlags, behaviour.statusFlags);
    w.field(Tag::Challenge, challenge);
    for (int i = 0; i < behaviour.unknownFields; ++i)
        w.field(quint8(UnknownTagFirst + i), nullptr, 0);
    return answer(w, sequence, Sctl::SearchAnswer, mac());
}

int SimDevice::verdictOn(const QByteArray &request, ConfigOutcome *outcome) const
{
    const int size = int(request.size());
    const int length = qFromBigEndian<quint16>(request.constData() + 14);
    if (length + Sctl::HeaderSize != size || length == 0 || length % Sctl::BlockSize != 0 ||
        size > Sctl::MaxRequestSize)
        return ResultBufferLength;

    outcome->payload = request.mid(Sctl::HeaderSize);
    RequestCipher::encryptPayload(outcome->payload.data(), length,
                                  RequestCipher::keyFromPassword(password.toLatin1()), false);
    // Kept even when refused, so that the log can hide a new password in them.
    const QList<SimField> &fields = outcome->fields;
    if (!FieldList::split(outcome->payload, &outcome->fields) || fields.isEmpty() ||
        fields.first().tag != Tag::Challenge)
        return ResultWrongPassword;

    if (fields.first().value.size() != Sctl::ChallengeSize)
        return ResultChallengeSize;
    if (challenge.isEmpty() || fields.first().value != challenge)
        return ResultSessionExpired;
    for (qsizetype i = 1; i < fields.size(); ++i) {
        if (const int verdict = FieldList::check(fields[i]))
            return verdict;
    }
    return ResultOk;
}

ConfigOutcome SimDevice::configure(const QByteArray &request, qint64 nowMs, bool mayApply)
{
    ConfigOutcome outcome;
    outcome.verdict = verdictOn(request, &outcome);
    if (outcome.verdict != ResultOk || !mayApply)
        return outcome;

    challenge.clear(); // one configuration per challenge
    for (const SimField &field : std::as_const(outcome.fields)) {
        outcome.applied = outcome.applied || field.tag == Tag::Apply;
        outcome.restarting = outcome.restarting || field.tag == Tag::Restart;
    }
    if (outcome.applied)
        apply(outcome.fields);
    if (outcome.restarting) {
        silentUntilMs = nowMs + behaviour.restartSilenceMs;
        startedAtMs = silentUntilMs;
    }
    return outcome;
}

void SimDevice::apply(const QList<SimField> &fields)
{
    for (const SimField &field : fields) {
        const auto *value = reinterpret_cast<const uchar *>(field.value.constData());
        switch (field.tag) {
        case Tag::IpAddress:
            settings.ipAddress = QHostAddress(qFromBigEndian<quint32>(value));
            break;
        case Tag::SubnetMask:
            settings.subnetMask = QHostAddress(qFromBigEndian<quint32>(value));
            break;
        case Tag::Gateway:
            settings.gateway = QHostAddress(qFromBigEndian<quint32>(value));
            break;
        case Tag::Dns:
            settings.dns = QHostAddress(qFromBigEndian<quint32>(value));
            break;
        case Tag::Dhcp:
            settings.dhcp = qFromBigEndian<quint16>(value);
            break;
        case Tag::MainPort:
            settings.mainPort = qFromBigEndian<quint16>(value);
            break;
        case Tag::AuxPort:
            settings.auxPort = qFromBigEndian<quint16>(value);
            break;
        case Tag::HttpPort:
            settings.httpPort = qFromBigEndian<quint16>(value);
            break;
        case Tag::SessionMinutes:
            settings.sessionMinutes = qFromBigEndian<quint16>(value);
            break;
        case Tag::Name:
            settings.name = field.value;
            break;
        case Tag::NewPassword:
            password = QString::fromLatin1(field.value);
            break;
        default: // no answer reports the public key, so it is not kept
            break;
        }
    }
}

QByteArray SimDevice::configureAnswer(quint16 sequence, int verdict) const
{
    PacketWriter w;
    w.field(Tag::Result, resultByte(verdict));
    return answer(w, sequence, Sctl::ConfigureAnswer, mac());
}
