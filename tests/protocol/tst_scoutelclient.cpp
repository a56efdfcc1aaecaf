// The search client inside a private network namespace, against the device
// simulator or against datagrams of this test's own.
#include "fieldtags.h"
#include "locatedspy.h"
#include "netguard.h"
#include "privatenamespace.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QNetworkInterface>
#include <QSet>
#include <QTest>
#include <QUdpSocket>

namespace {
QByteArray bytesOf(const QJsonObject &line, const char *key)
{
    return QByteArray::fromHex(line.value(QLatin1String(key)).toString().toLatin1());
}
} // namespace

class TestScoutelClient : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_scoutelclient"); }

    // The search as the devices see it; then datagrams of any size, read whole.
    void searchAndAnswers()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--count", "3"}));
        ScoutelClient client;
        LocatedSpy spy(&client);
        QCOMPARE(client.search(-1, nullptr), 0);
        QVERIFY(spy.waitForCount(3));
        QSet<QString> senders;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(spy.result(i), 0);
            QCOMPARE(spy.record(i)->challenge.size(), Sctl::ChallengeSize);
            senders.insert(spy.record(i)->sender.toString());
        }
        QCOMPARE(senders, (QSet<QString>{"127.0.0.2", "127.0.0.3", "127.0.0.4"}));
        const QJsonObject request = sim.events(QStringLiteral("request"), 1).first();
        QCOMPARE(request.value(QStringLiteral("ttl")).toInt(), 2);
        QCOMPARE(request.value(QStringLiteral("port")).toInt(), int(Sctl::ClientPort));

        // Zero fill, then a name at the very end of a datagram of 65,000 bytes.
        QByteArray payload;
        while (payload.size() < 64900)
            payload += char(Tag::Fill) + (char(255) + QByteArray(255, '\0'));
        payload += char(Tag::Name) + (char(4) + QByteArray("Tail"));
        const QByteArray big = bytesOf(request, "bytes").left(6) +
                               QByteArray::fromHex("0002025343000009") + char(payload.size() >> 8) +
                               char(payload.size() & 0xFF) + payload;
        QUdpSocket peer;
        const QHostAddress local(QHostAddress::LocalHost);
        QCOMPARE(peer.writeDatagram(QByteArray(), local, Sctl::ClientPort), 0);
        QCOMPARE(peer.writeDatagram(big, local, Sctl::ClientPort), big.size());
        QCOMPARE(peer.writeDatagram("SCT", local, Sctl::ClientPort), 3);
        QVERIFY(spy.waitForCount(6));
        QCOMPARE(spy.result(3), int(PacketCodec::ErrorInSequence));
        QCOMPARE(spy.record(3)->sender, local);
        QCOMPARE(spy.result(4), 0);
        QCOMPARE(spy.record(4)->name, QStringLiteral("Tail"));
        QCOMPARE(spy.result(5), int(PacketCodec::ErrorInSequence));
    }

    void everyAnswerOfTwoThousandDevicesArrives()
    {
        constexpr int Devices = 2000;
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--count", QString::number(Devices), "--log", ""}));
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

    void failuresAreReported()
    {
        ScoutelClient client;
        QCOMPARE(client.configure(-1, nullptr), int(ScoutelClient::ErrorGenerate));
        QCOMPARE(client.errorString(), QStringLiteral("ERROR_GENERATE"));
        QCOMPARE(client.search(-1, nullptr), 0);
        QCOMPARE(client.lastError(), 0);
        QVERIFY(client.errorString().isEmpty());

        // No route to the group: the send fails.
        if (PrivateNamespace::isOwn()) {
            QByteArray shown;
            QVERIFY(PrivateNamespace::ip({"route", "show", "224.0.0.0/4"}, &shown));
            QVERIFY(PrivateNamespace::ip({"route", "del", "224.0.0.0/4"}));
            const int result = client.search(-1, nullptr);
            const QString name = client.errorString();
            QVERIFY(PrivateNamespace::ip(QStringList{"route", "add"} +
                                         QString::fromLatin1(shown.simplified()).split(' ')));
            QCOMPARE(result, int(ScoutelClient::ErrorWrite));
            QCOMPARE(name, QStringLiteral("ERROR_WRITE"));
        }

        ScoutelClient second; // clients share the port
        QCOMPARE(second.lastError(), 0);
    }

    // Two virtual Ethernet interfaces joined to each other, inside the namespace.
    void interfacesItListsAndSendsThrough()
    {
        if (!PrivateNamespace::isOwn())
            QSKIP("interfaces are added only inside a namespace of this test's own");
        const QString first = QStringLiteral("sctlveth0");
        const QString second = QStringLiteral("sctlveth1");
        if (!PrivateNamespace::ip({"link", "add", first, "type", "veth", "peer", "name", second}))
            QSKIP("virtual Ethernet interfaces are not available here");
        const auto link = [](const QString &name, const QStringList &settings) {
            return PrivateNamespace::ip(QStringList{"link", "set", "dev", name} + settings);
        };
        const auto index = [](const QString &name) {
            return QNetworkInterface::interfaceIndexFromName(name);
        };
        const auto entry = [&](const QString &name) {
            return QStringLiteral("%1;%2").arg(index(name)).arg(name);
        };
        ScoutelClient client;
        QVERIFY(link(first, {"up", "multicast", "on"}));
        QVERIFY(link(second, {"up", "multicast", "on"}));
        QVERIFY(PrivateNamespace::ip({"address", "add", "169.254.77.1/30", "dev", first}));
        QVERIFY(PrivateNamespace::ip({"address", "add", "169.254.77.2/30", "dev", second}));
        const QStringList both = client.interfaces();
        QCOMPARE(QSet<QString>(both.begin(), both.end()),
                 (QSet<QString>{entry(first), entry(second)}));
        // The interface a search went out through.
        const auto through = [&](int interfaceIndex) {
            return client.search(interfaceIndex, nullptr) == 0
                       ? client.findChild<QUdpSocket *>()->multicastInterface().name()
                       : QString();
        };
        QCOMPARE(through(index(first)), first);
        // Loopback, unknown and unusable interfaces keep the one chosen before.
        QCOMPARE(through(index("lo")), first);
        QCOMPARE(through(99999), first);
        QVERIFY(link(second, {"down"})); // the first, now without carrier, stays listed
        QCOMPARE(client.interfaces(), QStringList{entry(first)});
        QVERIFY(link(second, {"up", "multicast", "off"}));
        QCOMPARE(through(index(second)), first);
        QVERIFY(link(second, {"multicast", "on"}));
        QCOMPARE(through(index(second)), second);
        QCOMPARE(through(-1), second);
        QVERIFY(PrivateNamespace::ip({"link", "delete", first}));
    }
};

QTEST_GUILESS_MAIN(TestScoutelClient)
#include "tst_scoutelclient.moc"
