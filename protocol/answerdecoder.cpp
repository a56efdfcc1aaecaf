// PacketCodec::decode: answers from devices into records.
#include "packetcodec.h"

#include "fieldtags.h"

#include <QDebug>
#include <QtEndian>

namespace {
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

template <typename Member> struct FieldSlot
{
    quint8 tag;
    Member ScoutelSharedData::*member;
    quint32 bit;
};

const FieldSlot<QHostAddress> addressFields[] = {
    {Tag::IpAddress, &ScoutelSharedData::ipAddress, FieldIpAddress},
    {Tag::SubnetMask, &ScoutelSharedData::subnetMask, FieldSubnetMask},
    {Tag::Gateway, &ScoutelSharedData::gateway, FieldGateway},
    {Tag::Dns, &ScoutelSharedData::dns, FieldDns},
};
const FieldSlot<qint32> shortFields[] = {
    {Tag::Dhcp, &ScoutelSharedData::dhcp, FieldDhcp},
    {Tag::MainPort, &ScoutelSharedData::mainPort, FieldMainPort},
    {Tag::AuxPort, &ScoutelSharedData::auxPort, FieldAuxPort},
    {Tag::HttpPort, &ScoutelSharedData::httpPort, FieldHttpPort},
    {Tag::SessionMinutes, &ScoutelSharedData::sessionMinutes, FieldSessionMinutes},
};
const FieldSlot<QString> textFields[] = {
    {Tag::Name, &ScoutelSharedData::name, FieldName},
    {Tag::NewPassword, &ScoutelSharedData::newPassword, FieldNewPassword},
    {Tag::HwName, &ScoutelSharedData::hwName, FieldHwName},
};
// The bus counters and the status word set no bit of presentFields.
const FieldSlot<quint32[3]> busFields[] = {
    {Tag::BusOnewireFirst, &ScoutelSharedData::busOnewire, 0},
    {Tag::BusRs485First, &ScoutelSharedData::busRs485, 0},
    {Tag::BusTcpFirst, &ScoutelSharedData::busTcp, 0},
};

template <typename Member, size_t N>
const FieldSlot<Member> *findSlot(const FieldSlot<Member> (&table)[N], quint8 tag, int span = 1)
{
    for (const auto &entry : table) {
        if (tag >= entry.tag && tag < entry.tag + span)
            return &entry;
    }
    return nullptr;
}

enum class Stored { Yes, WrongLength };

// Stores one field of a recognised tag, or skips an unknown one with a warning.
Stored storeField(ScoutelSharedData &r, quint8 tag, const uchar *value, int length)
{
    if (const auto *address = findSlot(addressFields, tag)) {
        if (length != 4)
            return Stored::WrongLength;
        (r.*(address->member)).setAddress(qFromBigEndian<quint32>(value));
        r.presentFields |= address->bit;
    } else if (const auto *number = findSlot(shortFields, tag)) {
        if (length != 2)
            return Stored::WrongLength;
        r.*(number->member) = qFromBigEndian<quint16>(value);
        r.presentFields |= number->bit;
    } else if (const auto *text = findSlot(textFields, tag)) {
        if (length > Sctl::MaxTextLength)
            return Stored::WrongLength;
        r.*(text->member) = textField(value, length);
        r.presentFields |= text->bit;
    } else if (const auto *bus = findSlot(busFields, tag, Sctl::BusValues)) {
        if (length != 4)
            return Stored::WrongLength;
        (r.*(bus->member))[tag - bus->tag] = qFromBigEndian<quint32>(value);
    } else {
        switch (tag) {
        case Tag::Result:
            if (length != 1)
                return Stored::WrongLength;
            r.result = qint8(value[0]);
            r.presentFields |= FieldResult;
            break;
        case Tag::UpTime:
            if (length != 4)
                return Stored::WrongLength;
            r.upTime = qFromBigEndian<quint32>(value);
            r.presentFields |= FieldUpTime;
            break;
        case Tag::StatusFlags: // sets no bit: readers always read it
            if (length != 4)
                return Stored::WrongLength;
            r.statusFlags = qFromBigEndian<quint32>(value);
            break;
        case Tag::HwVersion:
        case Tag::ProtocolVersion: {
            if (length != 2)
                return Stored::WrongLength;
            const bool hw = tag == Tag::HwVersion;
            (hw ? r.hwVersionMajor : r.protocolVersionMajor) = value[0];
            (hw ? r.hwVersionMinor : r.protocolVersionMinor) = value[1];
            r.presentFields |= hw ? FieldHwVersion : FieldProtocolVersion;
            break;
        }
        case Tag::Challenge:
            if (length != Sctl::ChallengeSize)
                return Stored::WrongLength;
            r.challenge = QByteArray(reinterpret_cast<const char *>(value), length);
            r.presentFields |= FieldChallenge;
            break;
        default:
            qDebug("Scoutel: unknown field %d long %d", tag, length);
            break;
        }
    }
    return Stored::Yes;
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

    for (int pos = Sctl::HeaderSize; pos < size;) {
        // A field that runs past the datagram's end is as malformed as a wrong length.
        if (pos + 2 > size)
            return fail(ErrorInFieldLength);
        const quint8 tag = bytes[pos];
        const int length = bytes[pos + 1];
        if (pos + 2 + length > size)
            return fail(ErrorInFieldLength);
        if (tag != Tag::Fill && storeField(r, tag, bytes + pos + 2, length) != Stored::Yes)
            return fail(ErrorInFieldLength);
        pos += 2 + length;
    }
    return DecodeOk;
}
