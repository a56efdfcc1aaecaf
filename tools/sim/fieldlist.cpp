#include "fieldlist.h"

#include "fieldtags.h"
#include "packetcodec.h"
#include "scoutelcontainer.h"

namespace {
constexpr int AnyTextLength = -1;

// Expected value length of a field a device accepts in a configuration.
int writableLength(quint8 tag)
{
    switch (tag) {
    case Tag::IpAddress:
    case Tag::SubnetMask:
    case Tag::Gateway:
    case Tag::Dns:
    case Tag::Apply:
    case Tag::Restart:
        return 4;
    case Tag::Dhcp:
    case Tag::MainPort:
    case Tag::AuxPort:
    case Tag::HttpPort:
    case Tag::SessionMinutes:
        return 2;
    case Tag::Name:
    case Tag::NewPassword:
        return AnyTextLength;
    case Tag::PublicKey:
        return Sctl::PublicKeySize;
    default:
        return 0;
    }
}

// Fields of the protocol that only devices write, and a second challenge.
bool isRefused(quint8 tag)
{
    switch (tag) {
    case Tag::Result:
    case Tag::UpTime:
    case Tag::StatusFlags:
    case Tag::BusOnewireFirst:
    case Tag::BusOnewireFirst + 1:
    case Tag::BusOnewireFirst + 2:
    case Tag::BusRs485First:
    case Tag::BusRs485First + 1:
    case Tag::BusRs485First + 2:
    case Tag::BusTcpFirst:
    case Tag::BusTcpFirst + 1:
    case Tag::BusTcpFirst + 2:
    case Tag::HwName:
    case Tag::HwVersion:
    case Tag::ProtocolVersion:
    case Tag::Challenge:
        return true;
    default:
        return false;
    }
}
} // namespace

bool FieldList::split(const QByteArray &payload, QList<SimField> *fields)
{
    fields->clear();
    const int size = int(payload.size());
    int pos = 0;
    while (pos < size) {
        const auto tag = quint8(payload[pos]);
        if (tag == Tag::Fill) {
            for (; pos < size; ++pos) {
                if (payload[pos] != '\0')
                    return false;
            }
            return true;
        }
        if (pos + 2 > size)
            return false;
        const int length = quint8(payload[pos + 1]);
        if (pos + 2 + length > size)
            return false;
        fields->append({tag, payload.mid(pos + 2, length), pos + 2});
        pos += 2 + length;
    }
    return true;
}

int FieldList::check(const SimField &field)
{
    if (isRefused(field.tag))
        return ResultFieldDeny;
    const int expected = writableLength(field.tag);
    if (expected == 0)
        return ResultFieldUnknown;
    const int length = int(field.value.size());
    if (expected == AnyTextLength ? length > Sctl::MaxTextLength : length != expected)
        return ResultFieldLength;
    if ((field.tag == Tag::Apply || field.tag == Tag::Restart) &&
        field.value != PacketCodec::confirmationValue())
        return ResultFieldDeny;
    if (field.tag == Tag::Dhcp && field.value != QByteArray("\0\0", 2) &&
        field.value != QByteArray("\0\1", 2))
        return ResultFieldDeny;
    return ResultOk;
}
