// The simulated device on its own, without a socket: what it answers and how
// it judges configuration requests. The tool's own codec builds the requests
// and reads the answers, so both sides are held to one wire format.
#include "fieldtags.h"
#include "packetcodec.h"
#include "requestcipher.h"
#include "simdevice.h"

#include <QSet>
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
        decodeResult = codec.decode(answer, &record);
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
    int decodeResult = 0;
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
    void addressesAreDistinctLoopbackHosts()
    {
        QCOMPARE(SimDevice::addressOf(1), QHostAddress(QStringLiteral("127.0.0.2")));
        QCOMPARE(SimDevice::addressOf(253), QHostAddress(QStringLiteral("127.0.0.254")));
        QCOMPARE(SimDevice::addressOf(254), QHostAddress(QStringLiteral("127.0.1.1")));
        QSet<quint32> seen;
        for (int number = 1; number <= 5000; ++number) {
            const quint32 address = SimDevice::addressOf(number).toIPv4Address();
            QCOMPARE(address >> 24, 127u);
            QVERIFY2((address & 0xFF) != 0 && (address & 0xFF) != 0xFF,
                     qPrintable(SimDevice::addressOf(number).toString()));
            QVERIFY(address != 0x7F000001); // the client's
            seen.insert(address);
        }
        QCOMPARE(seen.size(), 5000);
    }

    void macsAreLocallyAdministeredAndMapBack()
    {
        const QByteArray mac = SimDevice::macOf(2000);
        QCOMPARE(mac, QByteArray::fromHex("0253430007D0"));
        QCOMPARE(mac[0] & 0x03, 0x02); // locally administered, unicast
        QCOMPARE(SimDevice::numberOf(mac), 2000);
        QCOMPARE(SimDevice::numberOf(QByteArray::fromHex("001A2B3C4D5E")), 0);
        QCOMPARE(SimDevice::numberOf(QByteArray::fromHex("0253430007")), 0);
    }

    void searchAnswerDescribesTheDevice()
    {
        FleetBehaviour behaviour;
        behaviour.statusFlags = 0x80000005;
        Bench bench(7, behaviour);
        const ScoutelContainer r = bench.search(61500);
        QCOMPARE(bench.decodeResult, 0);
        QCOMPARE(r->command, int(Sctl::SearchAnswer));
        QCOMPARE(r->mac, SimDevice::macOf(7));
        QCOMPARE(r->result, 0);
        QCOMPARE(r->name, QStringLiteral("Safe 7"));
        QCOMPARE(r->ipAddress, QHostAddress(QStringLiteral("127.0.0.8")));
        QCOMPARE(r->subnetMask, QHostAddress(QStringLiteral("255.0.0.0")));
        QCOMPARE(r->mainPort, 10007);
        QCOMPARE(r->auxPort, 20007);
        QCOMPARE(r->httpPort, 30007);
        QCOMPARE(r->sessionMinutes, 15);
        QCOMPARE(r->dhcp, 0);
        QCOMPARE(r->hwName, QStringLiteral("SIM-SAFE"));
        QCOMPARE(r->hwVersionMajor, 3);
        QCOMPARE(r->protocolVersionMajor, 1);
        QCOMPARE(r->upTime, 61u);
        QCOMPARE(r->statusFlags, 0x80000005u);
        QCOMPARE(r->busOnewire[0], 766u);
        QCOMPARE(r->busRs485[1], 772u);
        QCOMPARE(r->busTcp[2], 778u);
        QCOMPARE(r->challenge, Challenge);
        QVERIFY(!(r->presentFields & FieldResult));
        QCOMPARE(bench.device.latestChallenge(), Challenge);
    }

    void answerStyleOptions()
    {
        FleetBehaviour behaviour;
        behaviour.withUpTime = false;
        behaviour.searchResult = -2;
        Bench bench(1, behaviour);
        const ScoutelContainer r = bench.search(5000);
        QCOMPARE(bench.decodeResult, 0);
        QVERIFY(!(r->presentFields & FieldUpTime));
        QCOMPARE(r->busOnewire[0], 0u);
        QCOMPARE(r->result, -2);
        QCOMPARE(r->challenge, Challenge);
    }

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

    void rightPasswordAppliesTheConfiguration()
    {
        Bench bench;
        bench.search();
        ScoutelContainer c = bench.configuration(FieldName | FieldMainPort | FieldDhcp |
                                                 FieldIpAddress | FieldPublicKey);
        c->name = QStringLiteral("Vault");
        c->mainPort = 4100;
        c->dhcp = 1;
        c->ipAddress = QHostAddress(QStringLiteral("10.1.2.3"));
        c->publicKey = QByteArray(12, 'k');
        const ConfigOutcome outcome = bench.configure(c);
        QCOMPARE(outcome.verdict, 0);
        QVERIFY(outcome.applied);
        QVERIFY(!outcome.restarting);
        QCOMPARE(outcome.fields.first().tag, quint8(Tag::Challenge));

        const ScoutelContainer after = bench.search(0, QByteArray(8, 'c'));
        QCOMPARE(after->name, QStringLiteral("Vault"));
        QCOMPARE(after->mainPort, 4100);
        QCOMPARE(after->dhcp, 1);
        QCOMPARE(after->ipAddress, QHostAddress(QStringLiteral("10.1.2.3")));
        QCOMPARE(after->auxPort, 20007); // untouched
    }

    void configurationAnswerCarriesTheVerdict()
    {
        Bench bench;
        const QByteArray request = bench.codec.buildRequest(Sctl::SearchRequest, nullptr);
        const ScoutelContainer r =
            bench.decode(bench.device.configureAnswer(sequenceOf(request), ResultWrongPassword));
        QCOMPARE(bench.decodeResult, 0);
        QCOMPARE(r->command, int(Sctl::ConfigureAnswer));
        QCOMPARE(r->result, int(ResultWrongPassword));
        QCOMPARE(r->mac, bench.device.mac());
    }

    void newPasswordIsRequiredFromThenOn()
    {
        Bench bench;
        bench.search();
        ScoutelContainer c = bench.configuration(FieldNewPassword);
        c->newPassword = QStringLiteral("n3w");
        QCOMPARE(bench.configure(c).verdict, 0);

        bench.search(0, QByteArray(8, '2'));
        QCOMPARE(bench.configure(bench.configuration(FieldName)).verdict, int(ResultWrongPassword));
        QCOMPARE(bench.configure(bench.configuration(FieldName, QStringLiteral("n3w"))).verdict, 0);
    }

    void wrongPasswordIsRefusedAndChangesNothing()
    {
        Bench bench;
        bench.search();
        ScoutelContainer c = bench.configuration(FieldName, QStringLiteral("guess"));
        c->name = QStringLiteral("Stolen");
        const ConfigOutcome outcome = bench.configure(c);
        QCOMPARE(outcome.verdict, int(ResultWrongPassword));
        QVERIFY(!outcome.applied);
        QCOMPARE(bench.device.name(), QStringLiteral("Safe 7"));
        // The challenge is still good for the right password.
        QCOMPARE(bench.configure(bench.configuration(FieldName)).verdict, 0);
    }

    void onlyTheLatestChallengeIsAccepted()
    {
        Bench bench;
        bench.search();
        const ScoutelContainer old = bench.configuration(FieldName);
        bench.search(0, QByteArray(8, 'n'));
        QCOMPARE(bench.configure(old).verdict, int(ResultSessionExpired));
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

    void forcedVerdictLeavesTheDeviceAsItWas()
    {
        Bench bench;
        bench.search();
        ScoutelContainer c = bench.configuration(FieldName);
        c->name = QStringLiteral("Other");
        const ConfigOutcome outcome = bench.configure(c, 0, false);
        QCOMPARE(outcome.verdict, 0);
        QVERIFY(!outcome.applied);
        QCOMPARE(bench.device.name(), QStringLiteral("Safe 7"));
        QCOMPARE(bench.device.latestChallenge(), Challenge);
    }

    void restartSilencesTheDeviceForAWhile()
    {
        FleetBehaviour behaviour;
        behaviour.restartSilenceMs = 1000;
        Bench bench(7, behaviour);
        bench.search(10000);
        const ConfigOutcome outcome = bench.configure(bench.configuration(FieldRestart), 20000);
        QCOMPARE(outcome.verdict, 0);
        QVERIFY(outcome.restarting);
        QVERIFY(bench.device.isSilent(20000));
        QVERIFY(bench.device.isSilent(20999));
        QVERIFY(!bench.device.isSilent(21000));
        QCOMPARE(bench.search(24500)->upTime, 3u); // counted from the restart
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
