#include "malformed.h"

#include "fieldtags.h"

#include <QtEndian>

namespace {
constexpr char UnknownTag = char(200);
constexpr int ClaimedMore = 8;
constexpr int LengthOffset = 14; // of the header's payload length
constexpr int ShortDatagram = 10;

QByteArray field(char tag, int length, const QByteArray &value)
{
    return QByteArray(1, tag) + QByteArray(1, char(length)) + value;
}

// The datagram's header, with its length field fitted to the new payload.
QByteArray withPayload(const QByteArray &datagram, const QByteArray &payload)
{
    QByteArray bytes = datagram.left(Sctl::HeaderSize) + payload;
    qToBigEndian(quint16(payload.size()), bytes.data() + LengthOffset);
    return bytes;
}
} // namespace

QList<Datagram> malformedDatagrams(const Datagram &answer, const Datagram &request)
{
    const QByteArray &good = answer.payload;
    const QByteArray fields = good.mid(Sctl::HeaderSize);
    QByteArray claimsMore = good;
    qToBigEndian(quint16(fields.size() + ClaimedMore), claimsMore.data() + LengthOffset);
    QByteArray unmarked = good;
    unmarked[3] = 'X';
    const QByteArray answerFaults[] = {
        withPayload(good, fields + field(UnknownTag, 0, QByteArray())),
        withPayload(good, field(Tag::IpAddress, 3, "abc") + fields),
        claimsMore,
        withPayload(good, fields + field(Tag::Name, 40, "abc")),
        good.left(ShortDatagram),
        unmarked,
        withPayload(good, fields + QByteArray("\0\0\7", 3)),
    };
    QList<Datagram> datagrams;
    const auto add = [&datagrams](Datagram datagram, const QByteArray &fault) {
        datagram.payload = fault;
        datagram.timeMs = 1000 * datagrams.size();
        datagrams.append(datagram);
    };
    for (const QByteArray &fault : answerFaults)
        add(answer, fault);
    add(request, withPayload(request.payload, request.payload.mid(Sctl::HeaderSize).chopped(1)));
    return datagrams;
}
