// Prints how many search answers per second one core decodes, and how many
// configuration requests with every field it builds and encrypts.
#include "fieldtags.h"
#include "packetcodec.h"
#include "packetwriter.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <cstdio>

namespace {
constexpr qint64 RunMilliseconds = 1500;

// A search answer as a device sends it: 27 fields.
QByteArray typicalAnswer(quint16 sequence)
{
    PacketWriter w;
    w.field(Tag::Result, QByteArray(1, '\0'));
    for (quint8 tag : {Tag::IpAddress, Tag::SubnetMask, Tag::Gateway, Tag::Dns})
        w.field32(tag, 0xC0A80100 + tag);
    for (quint8 tag : {Tag::Dhcp, Tag::MainPort, Tag::AuxPort, Tag::HttpPort, Tag::SessionMinutes})
        w.field16(tag, 1000 + tag);
    w.field(Tag::Name, "Safe 17, cash office");
    w.field(Tag::HwName, "SK-100");
    w.field(Tag::HwVersion, QByteArray::fromHex("0203"));
    w.field(Tag::ProtocolVersion, QByteArray::fromHex("0101"));
    w.field32(Tag::UpTime, 86400);
    w.field32(Tag::StatusFlags, 0x11);
    for (quint8 tag : {66, 67, 68, 71, 72, 73, 76, 77, 78})
        w.field32(tag, tag * 1000u);
    w.field(Tag::Challenge, QByteArray::fromHex("0102030405060708"));
    w.writeHeader(sequence, Sctl::SearchAnswer, QByteArray::fromHex("025343000001"),
                  quint16(w.payloadLength()));
    return w.packet(w.payloadLength());
}

ScoutelContainer everyField()
{
    ScoutelContainer r;
    r->mac = QByteArray::fromHex("025343000001");
    r->challenge = QByteArray::fromHex("0102030405060708");
    r->password = QStringLiteral("secret");
    r->sendFields = 0x1FFE | FieldApply | FieldRestart;
    r->ipAddress = QHostAddress(QStringLiteral("192.168.1.10"));
    r->subnetMask = QHostAddress(QStringLiteral("255.255.255.0"));
    r->gateway = QHostAddress(QStringLiteral("192.168.1.1"));
    r->dns = QHostAddress(QStringLiteral("192.168.1.1"));
    r->mainPort = 1000;
    r->auxPort = 1001;
    r->httpPort = 80;
    r->sessionMinutes = 10;
    r->name = QStringLiteral("Safe 17, cash office");
    r->newPassword = QStringLiteral("another secret");
    r->publicKey = QByteArray::fromHex("00112233445566778899aabb");
    return r;
}

template <typename Work> double perSecond(Work work)
{
    QElapsedTimer clock;
    clock.start();
    qint64 count = 0;
    while (clock.elapsed() < RunMilliseconds) {
        for (int i = 0; i < 1000; ++i)
            work();
        count += 1000;
    }
    return double(count) * 1000.0 / double(clock.elapsed());
}
} // namespace

int main()
{
    PacketCodec codec;
    const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
    const QByteArray answer = typicalAnswer(qFromBigEndian<quint16>(request.constData() + 4));

    int failures = 0;
    const double decodes = perSecond([&] {
        ScoutelContainer record; // the client decodes each datagram into a fresh record
        failures += codec.decode(answer, &record) != 0;
    });

    const ScoutelContainer config = everyField();
    PacketCodec builder;
    qsizetype bytes = 0;
    const double builds = perSecond([&] {
        bytes += builder.buildRequest(Sctl::ConfigureRequest, &config).size();
        builder.clearSequences(); // keep the outstanding set as small as in real use
    });

    std::printf("decode, typical search answer (%d bytes): %.0f answers/s%s\n", int(answer.size()),
                decodes, failures ? " (DECODE FAILED)" : "");
    std::printf("build + encrypt, configuration request with every field: %.0f requests/s\n",
                builds);
    return failures || bytes == 0 ? 1 : 0;
}
