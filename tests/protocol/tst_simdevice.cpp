// The simulated device on its own, without a socket: what it answers and how
// it judges configuration requests. The tool's own codec builds the requests
// and reads the answers, so both sides are held to one wire format.
#include "fieldtags.h"
#include "packetcodec.h"
#include "requestcipher.h"
#include "simdevice.h"

#include <QTest>
#include <QtEndian>

namespace {
const QString Password = QStringLiteral("secret");
const QByteArray Challenge = QByteArray::fromHex("1122334455667788");

quint16 sequenceOf(const QByteArray &packet)
{
    return qFromBigEndian<quint16>(packet.constData() + 4);
}

// One device and the tool's side of the conversation with it.
class Bench
{
public:
    explicit Bench(int number = 7, const FleetBehaviour &behaviour = FleetBehaviour())
        : device(number, Password, QStringLiteral("Safe"), behaviour, 0)
    {}

    // Searches the device at the given time and returns the decoded answer.
    ScoutelContainer search(qint64 nowMs = 0, const QByteArray &challenge = Challenge)
    {
        const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
        return decode(device.searchAnswer(sequenceOf(request), challenge, nowMs));
    }

    // A configuration as a composer leaves it, aimed at the device's latest challenge.
    ScoutelContainer configuration(quint32 bits, const QString &password = Password) const
    {
        ScoutelContainer r;
        r->mac = device.mac();
        r->challenge = device.latestChallenge();
        r->password = password;
        r->sendFields = bits | FieldApply;
        return r;
    }

    ConfigOutcome configure(const ScoutelContainer &r, qint64 nowMs = 0, bool mayApply = true)
    {
        return device.configure(codec.buildRequest(Sctl::ConfigureRequest, &r), nowMs, mayApply);
    }

    ScoutelContainer decode(const QByteArray &answer)
    {
        ScoutelContainer record;
        codec.decode(answer, &record);
        return record;
    }

    // A configuration request with a payload as given, zero-filled and encrypted.
    QByteArray sealed(const QByteArray &plain, const QString &password = Password) const
    {
        QByteArray payload = plain;
        payload.append(Sctl::BlockSize - int(plain.size()) % Sctl::BlockSize, '\0');
        RequestCipher::encryptPayload(payload.data(), int(payload.size()),
                                      RequestCipher::keyFromPassword(password.toLatin1()));
        return header(quint16(payload.size())) + payload;
    }

    QByteArray header(quint16 length) const
    {
        QByteArray h("SCTL\x12\x34\x00\x03", 8);
        h += device.mac();
        h += char(length >> 8);
        h += char(length & 0xFF);
        return h;
    }

    SimDevice device;
    PacketCodec codec;
};

QByteArray field(quint8 tag, const QByteArray &value)
{
    return char(tag) + (char(value.size()) + value);
}

QByteArray challengeField(const QByteArray &challenge = Challenge)
{
    return field(Tag::Challenge, challenge);
}
} // namespace

class TestSimDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void longestNameStillFitsTheAnswer()
    {
        SimDevice device(4999, Password, QString(70, QLatin1Char('N')), FleetBehaviour(), 0);
        PacketCodec codec;
        const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
        ScoutelContainer r;
        QCOMPARE(codec.decode(device.searchAnswer(sequenceOf(request), Challenge, 0), &r), 0);
        QCOMPARE(r->name, QString(64, QLatin1Char('N')));
        QCOMPARE(r->challenge, Challenge);
    }

    void challengeServesOneConfigurationOnly()
    {
        Bench bench;
        bench.search();
        const ScoutelContainer c = bench.configuration(FieldName);
        QCOMPARE(bench.configure(c).verdict, 0);
        QCOMPARE(bench.configure(c).verdict, int(ResultSessionExpired));
    }

    void noChallengeBeforeTheFirstSearch()
    {
        Bench bench;
        ScoutelContainer c = bench.configuration(FieldName);
        c->challenge = Challenge;
        QCOMPARE(bench.configure(c).verdict, int(ResultSessionExpired));
    }

    void malformedPayloads_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<int>("verdict");
        const QByteArray challenge = challengeField();
        QTest::newRow("dhcp of 4 bytes") << challenge + field(Tag::Dhcp, "\0\0\0\1") << -100;
        QTest::newRow("name of 65") << challenge + field(Tag::Name, QByteArray(65, 'a')) << -100;
        QTest::newRow("key of 11")
            << challenge + field(Tag::PublicKey, QByteArray(11, 'k')) << -100;
        QTest::newRow("tag 99") << challenge + field(99, "abc") << -101;
        QTest::newRow("up time") << challenge + field(Tag::UpTime, "\0\0\0\1") << -102;
        QTest::newRow("result") << challenge + field(Tag::Result, "\0") << -102;
        QTest::newRow("second challenge") << challenge + challenge << -102;
        QTest::newRow("dhcp 2") << challenge + field(Tag::Dhcp, QByteArray("\0\2", 2)) << -102;
        QTest::newRow("bad confirmation")
            << challenge + field(Tag::Apply, QByteArray(4, '\0')) << -102;
        QTest::newRow("short challenge") << field(Tag::Challenge, Challenge.left(7)) << -104;
        QTest::newRow("first field not the challenge")
            << field(Tag::Name, "x") + challengeField() << -106;
        QTest::newRow("field past the end") << challenge + QByteArray("\x15\x40", 2) << -106;
        QTest::newRow("good") << challenge + field(Tag::Name, "ok") << 0;
    }

    void malformedPayloads()
    {
        QFETCH(QByteArray, plain);
        QFETCH(int, verdict);
        Bench bench;
        bench.search();
        QCOMPARE(bench.device.configure(bench.sealed(plain), 0, true).verdict, verdict);
    }

    void refusedLengths_data()
    {
        QTest::addColumn<int>("payloadLength");
        QTest::addColumn<int>("lengthField");
        QTest::newRow("not whole blocks") << 30 << 30;
        QTest::newRow("field and size differ") << 24 << 36;
        QTest::newRow("no payload") << 0 << 0;
        QTest::newRow("over 256 bytes in all") << 252 << 252;
    }

    void refusedLengths()
    {
        QFETCH(int, payloadLength);
        QFETCH(int, lengthField);
        Bench bench;
        bench.search();
        QByteArray payload = challengeField();
        payload.append(payloadLength - int(payload.size()), '\0');
        const QByteArray request = bench.header(quint16(lengthField)) + payload;
        const ConfigOutcome outcome = bench.device.configure(request, 0, true);
        QCOMPARE(outcome.verdict, int(ResultBufferLength));
        QVERIFY(outcome.payload.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSimDevice)
#include "tst_simdevice.moc"
