// The search client against simulated devices, inside a private network namespace.
#include "fieldtags.h"
#include "hextext.h"
#include "locatedspy.h"
#include "netguard.h"
#include "packetcodec.h"
#include "privatenamespace.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QJsonArray>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QSet>
#include <QTest>
#include <QUdpSocket>
#include <QtEndian>

namespace {
const QStringList ShortLife{QStringLiteral("--lifetime"), QStringLiteral("8000")};

QStringList simOptions(const QStringList &options)
{
    return options + ShortLife;
}

QHostAddress address(const char *text)
{
    return QHostAddress(QString::fromLatin1(text));
}

QByteArray bytesOf(const QJsonValue &hex)
{
    return QByteArray::fromHex(hex.toString().toLatin1());
}

// A stand-in device of this test's own: joins the group and hands back what it hears.
class Listener
{
public:
    bool open()
    {
        return socket.bind(QHostAddress::AnyIPv4, Sctl::DevicePort,
                           QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint) &&
               socket.joinMulticastGroup(
                   address(Sctl::MulticastGroup),
                   QNetworkInterface::interfaceFromName(QStringLiteral("lo")));
    }
    QNetworkDatagram next()
    {
        if (!QTest::qWaitFor([&] { return socket.hasPendingDatagrams(); }, 2000))
            return QNetworkDatagram();
        return socket.receiveDatagram();
    }

    QUdpSocket socket;
};
} // namespace

class TestScoutelClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_scoutelclient"); }

    void twoDevicesGiveTwoRecords()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({QStringLiteral("--count"), QStringLiteral("2")})),
                 qPrintable(sim.errorString()));
        ScoutelClient client;
        QCOMPARE(client.lastError(), 0);
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        QVERIFY(spy.waitForCount(2));
        QTest::qWait(100); // nothing more is to come
        QCOMPARE(spy.size(), 2);

        QSet<QString> senders;
        QSet<QByteArray> macs;
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(spy.result(i), 0);
            const ScoutelContainer r = spy.record(i);
            QCOMPARE(r->command, int(Sctl::SearchAnswer));
            QCOMPARE(r->challenge.size(), Sctl::ChallengeSize);
            senders.insert(r->sender.toString());
            macs.insert(r->mac);
        }
        QCOMPARE(senders,
                 (QSet<QString>{QStringLiteral("127.0.0.2"), QStringLiteral("127.0.0.3")}));
        QCOMPARE(macs, (QSet<QByteArray>{QByteArray::fromHex("025343000001"),
                                         QByteArray::fromHex("025343000002")}));
    }

    void searchRequestAsTheDeviceReceivesIt()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({})), qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        QVERIFY(spy.waitForCount(1));

        const auto requests = sim.events(QStringLiteral("request"), 1);
        QCOMPARE(requests.size(), 1);
        const QJsonObject request = requests.first();
        const QByteArray bytes = bytesOf(request.value(QStringLiteral("bytes")));
        QCOMPARE(bytes.size(), 16);
        QCOMPARE(bytes.left(4), QByteArray("SCTL"));
        QCOMPARE(bytes.mid(6), QByteArray::fromHex("0001FFFFFFFFFFFF0000"));
        QCOMPARE(request.value(QStringLiteral("ttl")).toInt(), 2);
        QCOMPARE(request.value(QStringLiteral("sender")).toString(), QStringLiteral("127.0.0.1"));
        QCOMPARE(request.value(QStringLiteral("port")).toInt(), int(Sctl::ClientPort));
        // The answer echoes the request's sequence number.
        const ScoutelContainer answer = spy.record(0);
        QCOMPARE(spy.result(0), 0);
        QCOMPARE(answer->challenge, bytesOf(requests.first().value(QStringLiteral("challenge"))));
    }

    void searchForOneDevice()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({QStringLiteral("--count"), QStringLiteral("3")})),
                 qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        ScoutelContainer target;
        target->mac = QByteArray::fromHex("025343000002");
        QCOMPARE(client.search(-1, &target), 0);
        QVERIFY(spy.waitForCount(1));
        QTest::qWait(100);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.record(0)->mac, target->mac);
        QCOMPARE(
            bytesOf(sim.events(QStringLiteral("request"), 2).first().value(QStringLiteral("bytes")))
                .mid(8, 6),
            target->mac);
    }

    void foreignDatagramIsAnnouncedWithItsSender()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({QStringLiteral("--foreign")})),
                 qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        QVERIFY(spy.waitForCount(2));
        QCOMPARE(spy.result(0), 0);
        QCOMPARE(spy.result(1), int(PacketCodec::ErrorInSequence));
        QCOMPARE(spy.record(1)->sender, address("127.0.0.2"));
        QCOMPARE(spy.record(1)->result, -1);
        QCOMPARE(client.errorString(), QStringLiteral("ERROR_IN_SEQUENCE"));
    }

    void configurationRequestAsTheDeviceReadsIt()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({})), qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        QVERIFY(spy.waitForCount(1));

        ScoutelContainer target = spy.record(0);
        target->password = QStringLiteral("secret");
        target->sendFields =
            FieldName | FieldMainPort | FieldDhcp | FieldIpAddress | FieldApply | FieldRestart;
        target->name = QStringLiteral("Vault");
        target->mainPort = 4100;
        target->dhcp = 1;
        target->ipAddress = address("10.0.0.9");
        QCOMPARE(client.configure(-1, &target), 0);
        QVERIFY(spy.waitForCount(2));
        QCOMPARE(spy.result(1), 0);
        QCOMPARE(spy.record(1)->command, int(Sctl::ConfigureAnswer));
        QCOMPARE(spy.record(1)->result, int(ResultOk));

        const QJsonObject request = sim.events(QStringLiteral("request"), 1).last();
        QCOMPARE(request.value(QStringLiteral("command")).toInt(), int(Sctl::ConfigureRequest));
        QCOMPARE(request.value(QStringLiteral("verdict")).toInt(), 0);
        const QString confirmation = hexText(PacketCodec::confirmationValue());
        const QList<QPair<int, QString>> expected{{Tag::Challenge, hexText(target->challenge)},
                                                  {Tag::IpAddress, QStringLiteral("0A 00 00 09")},
                                                  {Tag::Dhcp, QStringLiteral("00 01")},
                                                  {Tag::MainPort, QStringLiteral("10 04")},
                                                  {Tag::Name, hexText("Vault")},
                                                  {Tag::Apply, confirmation},
                                                  {Tag::Restart, confirmation}};
        const QJsonArray fields = request.value(QStringLiteral("fields")).toArray();
        QCOMPARE(fields.size(), expected.size());
        for (int i = 0; i < fields.size(); ++i) {
            const QJsonObject f = fields.at(i).toObject();
            QCOMPARE(f.value(QStringLiteral("tag")).toInt(), expected.at(i).first);
            QCOMPARE(f.value(QStringLiteral("value")).toString(), expected.at(i).second);
        }
        const QByteArray payload = bytesOf(request.value(QStringLiteral("payload")));
        QCOMPARE(payload.size() % Sctl::BlockSize, 0);
        QVERIFY(payload.startsWith(char(Tag::Challenge) + QByteArray(1, 8) + target->challenge));
    }

    void answersToClearedRequestsAreRefused()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({QStringLiteral("--delay"), QStringLiteral("300")})),
                 qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        client.clearSequences();
        QVERIFY(spy.waitForCount(1));
        QCOMPARE(spy.result(0), int(PacketCodec::ErrorInSequence));
        QCOMPARE(spy.record(0)->sender, address("127.0.0.2"));
        QCOMPARE(client.errorString(), QStringLiteral("ERROR_IN_SEQUENCE"));
    }

    void datagramsOfAnySizeAreReadWhole()
    {
        Listener device;
        QVERIFY(device.open());
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        const QNetworkDatagram request = device.next();
        QCOMPARE(request.data().size(), Sctl::HeaderSize);
        const quint16 sequence = qFromBigEndian<quint16>(request.data().constData() + 4);

        // Zero fill, then a name at the very end of a datagram of 65,000 bytes.
        QByteArray fill;
        while (fill.size() < 64900)
            fill += char(Tag::Fill) + (char(255) + QByteArray(255, '\0'));
        const QByteArray tail = char(Tag::Name) + (char(4) + QByteArray("Tail"));
        const QByteArray payload = fill + tail;
        QByteArray big("SCTL", 4);
        big += char(sequence >> 8);
        big += char(sequence & 0xFF);
        big += QByteArray::fromHex("0002025343000009");
        big += char(payload.size() >> 8);
        big += char(payload.size() & 0xFF);
        big += payload;

        QUdpSocket peer;
        const QHostAddress local(QHostAddress::LocalHost);
        QCOMPARE(peer.writeDatagram(QByteArray(), local, Sctl::ClientPort), 0);
        QCOMPARE(peer.writeDatagram(big, local, Sctl::ClientPort), big.size());
        QCOMPARE(peer.writeDatagram("SCT", local, Sctl::ClientPort), 3);
        QVERIFY(spy.waitForCount(3));
        QCOMPARE(spy.result(0), int(PacketCodec::ErrorInSequence));
        QCOMPARE(spy.record(0)->sender, local);
        QCOMPARE(spy.result(1), 0);
        QCOMPARE(spy.record(1)->name, QStringLiteral("Tail"));
        QCOMPARE(spy.result(2), int(PacketCodec::ErrorInSequence));
    }

    void everyAnswerOfTwoThousandDevicesArrives()
    {
        constexpr int Devices = 2000;
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({QStringLiteral("--count"), QString::number(Devices),
                                       QStringLiteral("--log"), QString()})),
                 qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        spy.waitForCount(Devices, 10000);
        QSet<QByteArray> macs;
        for (int i = 0; i < spy.size(); ++i) {
            QCOMPARE(spy.result(i), 0);
            macs.insert(spy.record(i)->mac);
        }
        QCOMPARE(macs.size(), Devices);
    }

    void requestsThatCannotBeBuilt()
    {
        ScoutelClient client;
        QCOMPARE(client.configure(-1, nullptr), int(ScoutelClient::ErrorGenerate));
        QCOMPARE(client.lastError(), int(ScoutelClient::ErrorGenerate));
        QCOMPARE(client.errorString(), QStringLiteral("ERROR_GENERATE"));

        ScoutelContainer shortMac;
        shortMac->mac = QByteArray::fromHex("0253430000");
        shortMac->challenge = QByteArray(8, 'c');
        shortMac->sendFields = FieldApply;
        QCOMPARE(client.configure(-1, &shortMac), int(ScoutelClient::ErrorGenerate));
        QCOMPARE(client.search(-1, &shortMac), int(ScoutelClient::ErrorGenerate));

        QCOMPARE(client.search(-1, nullptr), 0);
        QCOMPARE(client.lastError(), 0);
        QVERIFY(client.errorString().isEmpty());
    }

    void portTakenMeansNotBound()
    {
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::AnyIPv4, Sctl::ClientPort,
                            QAbstractSocket::DontShareAddress));
        ScoutelClient client;
        QCOMPARE(client.lastError(), int(ScoutelClient::ErrorNotBound));
        QCOMPARE(client.errorString(), QStringLiteral("ERROR_NOT_BOUND"));
        QCOMPARE(client.search(-1, nullptr), int(ScoutelClient::ErrorNotBound));
        ScoutelContainer target;
        target->mac = QByteArray::fromHex("025343000001");
        target->challenge = QByteArray(8, 'c');
        target->sendFields = FieldApply;
        QCOMPARE(client.configure(-1, &target), int(ScoutelClient::ErrorNotBound));
    }

    void twoClientsShareThePort()
    {
        ScoutelClient first;
        ScoutelClient second;
        QCOMPARE(first.lastError(), 0);
        QCOMPARE(second.lastError(), 0);
    }

    void unroutableSendIsAWriteError()
    {
        if (!PrivateNamespace::isOwn())
            QSKIP("routes are changed only inside a namespace of this test's own");
        QByteArray shown;
        QVERIFY(PrivateNamespace::ip(
            {QStringLiteral("route"), QStringLiteral("show"), QStringLiteral("224.0.0.0/4")},
            &shown));
        const QStringList route = QString::fromLatin1(shown.simplified()).split(QLatin1Char(' '));
        QVERIFY(PrivateNamespace::ip(
            {QStringLiteral("route"), QStringLiteral("del"), QStringLiteral("224.0.0.0/4")}));
        ScoutelClient client;
        const int result = client.search(-1, nullptr);
        const QString name = client.errorString();
        QVERIFY(PrivateNamespace::ip(QStringList{QStringLiteral("route"), QStringLiteral("add")} +
                                     route));
        QCOMPARE(result, int(ScoutelClient::ErrorWrite));
        QCOMPARE(name, QStringLiteral("ERROR_WRITE"));
    }

    void loopbackAndUnknownInterfacesLeaveTheSystemChoice()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start(simOptions({})), qPrintable(sim.errorString()));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.interfaces(), QStringList()); // the namespace has loopback only
        const auto *socket = client.findChild<QUdpSocket *>();
        QVERIFY(socket);
        QCOMPARE(
            client.search(QNetworkInterface::interfaceIndexFromName(QStringLiteral("lo")), nullptr),
            0);
        QVERIFY(!socket->multicastInterface().isValid());
        QCOMPARE(client.search(99999, nullptr), 0);
        QVERIFY(!socket->multicastInterface().isValid());
        QVERIFY(spy.waitForCount(2)); // both went out the system's way
    }
};

QTEST_GUILESS_MAIN(TestScoutelClient)
#include "tst_scoutelclient.moc"
