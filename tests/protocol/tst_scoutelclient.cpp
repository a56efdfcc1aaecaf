// The search client inside a private network namespace, against the device
// simulator or against datagrams of this test's own.
#include "fieldtags.h"
#include "locatedspy.h"
#include "netguard.h"
#include "privatenamespace.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QNetworkInterface>
#include <QTest>
#include <QUdpSocket>

class TestScoutelClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_scoutelclient"); }

    // The search as the devices see it; then datagrams of any size, read whole,
    // and all that wait when a phase ends.
    void searchAndAnswers()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, {});
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        QVERIFY(spy.waitForCount(1));
        const QJsonObject request = sim.events(QStringLiteral("request")).first();
        QCOMPARE(request["ttl"].toInt(), 2);
        QCOMPARE(request["port"].toInt(), int(Sctl::ClientPort));

        // Zero fill, then a name at the very end of a datagram of 65,000 bytes.
        QByteArray payload;
        while (payload.size() < 64900)
            payload += char(Tag::Fill) + (char(255) + QByteArray(255, '\0'));
        payload += char(Tag::Name) + (char(4) + QByteArray("Tail"));
        const QByteArray big = QByteArray::fromHex(request["bytes"].toString().toLatin1()).left(6) +
                               QByteArray::fromHex("0002025343000009") + char(payload.size() >> 8) +
                               char(payload.size() & 0xFF) + payload;
        QUdpSocket peer;
        const QHostAddress local(QHostAddress::LocalHost);
        QCOMPARE(peer.writeDatagram(QByteArray(), local, Sctl::ClientPort), 0);
        QCOMPARE(peer.writeDatagram(big, local, Sctl::ClientPort), big.size());
        QVERIFY(spy.waitForCount(3));
        QCOMPARE(spy.result(1), int(PacketCodec::ErrorInSequence));
        QCOMPARE(spy.record(1)->sender, local);
        QCOMPARE(spy.result(2), 0);
        QCOMPARE(spy.record(2)->name, QStringLiteral("Tail"));

        // Answers a busy event loop left waiting are all taken when a phase
        // ends, not only the batch one wake-up reads.
        for (int i = 0; i < 600; ++i)
            QCOMPARE(peer.writeDatagram("SCTL", local, Sctl::ClientPort), 4);
        client.readArrived();
        QCOMPARE(spy.size(), 603);
    }

    void failuresAreReported()
    {
        ScoutelClient client;
        QCOMPARE(client.configure(-1, nullptr), int(ScoutelClient::ErrorGenerate));
        QCOMPARE(client.errorString(), QStringLiteral("ERROR_GENERATE"));
        QCOMPARE(client.search(-1, nullptr), 0);
        QCOMPARE(client.lastError(), 0);
        QVERIFY(client.errorString().isEmpty());

        // The group unreachable: the send fails.
        if (PrivateNamespace::isOwn()) {
            QVERIFY(PrivateNamespace::ip({"route", "add", "unreachable", "224.0.6.128/32"}));
            const int result = client.search(-1, nullptr);
            const QString name = client.errorString();
            QVERIFY(PrivateNamespace::ip({"route", "del", "unreachable", "224.0.6.128/32"}));
            QCOMPARE(result, int(ScoutelClient::ErrorWrite));
            QCOMPARE(name, QStringLiteral("ERROR_WRITE"));
        }

        ScoutelClient second; // clients share the port
        QCOMPARE(second.lastError(), 0);
    }

    // One end of a virtual Ethernet pair, its peer down: listed and chosen only
    // while up and able to multicast; loopback keeps the one chosen before.
    void interfacesItListsAndSendsThrough()
    {
        if (!PrivateNamespace::isOwn())
            QSKIP("interfaces are added only inside a namespace of this test's own");
        const QString name = QStringLiteral("sctlveth0");
        if (!PrivateNamespace::ip(
                {"link", "add", name, "type", "veth", "peer", "name", "sctlveth1"}))
            QSKIP("virtual Ethernet interfaces are not available here");
        QVERIFY(PrivateNamespace::ip({"address", "add", "169.254.77.1/30", "dev", name}));
        const int index = QNetworkInterface::interfaceIndexFromName(name);
        ScoutelClient client;
        // The interface a search went out through, none before the first choice.
        const auto through = [&](int interfaceIndex) {
            return client.search(interfaceIndex, nullptr) == 0
                       ? client.findChild<QUdpSocket *>()->multicastInterface().name()
                       : QStringLiteral("not sent");
        };
        QVERIFY(PrivateNamespace::ip({"link", "set", name, "multicast", "on"}));
        QCOMPARE(client.interfaces(), QStringList());
        QVERIFY(PrivateNamespace::ip({"link", "set", name, "up", "multicast", "off"}));
        QCOMPARE(client.interfaces(), QStringList());
        QCOMPARE(through(index), QString());
        QVERIFY(PrivateNamespace::ip({"link", "set", name, "multicast", "on"}));
        QCOMPARE(client.interfaces(), QStringList{QStringLiteral("%1;%2").arg(index).arg(name)});
        QCOMPARE(through(index), name);
        QCOMPARE(through(QNetworkInterface::interfaceIndexFromName("lo")), name);
        // The guard lets pass only a test network whose peer is here too.
        QCOMPARE(NetGuard::exposedInterfaces(), name);
        QVERIFY(PrivateNamespace::ip({"link", "set", name, "name", "sctlnet7"}));
        QVERIFY(QNetworkInterface::interfaceFromName("sctlnet7").flags() & QNetworkInterface::IsUp);
        QCOMPARE(NetGuard::exposedInterfaces(), QString());
        QVERIFY(PrivateNamespace::ip({"link", "delete", "sctlnet7"}));
    }
};

QTEST_GUILESS_MAIN(TestScoutelClient)
#include "tst_scoutelclient.moc"
