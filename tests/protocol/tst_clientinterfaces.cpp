// Which interfaces the client lists and sends through. The namespace of this
// test gets a pair of virtual Ethernet interfaces joined to each other, so a
// datagram sent through one only reaches the other, inside the namespace.
#include "netguard.h"
#include "privatenamespace.h"
#include "scoutelclient.h"

#include <QNetworkInterface>
#include <QTest>
#include <QUdpSocket>

namespace {
const QString First = QStringLiteral("sctlveth0");
const QString Second = QStringLiteral("sctlveth1");

bool link(const QString &name, const QStringList &settings)
{
    return PrivateNamespace::ip(
        QStringList{QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("dev"), name} +
        settings);
}

QString entry(const QString &name)
{
    return QStringLiteral("%1;%2").arg(QNetworkInterface::interfaceIndexFromName(name)).arg(name);
}

// The entries of both interfaces, in the order the framework lists interfaces.
QStringList bothEntries()
{
    QStringList entries;
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : all) {
        if (i.name() == First || i.name() == Second)
            entries << entry(i.name());
    }
    return entries;
}

QString outgoingInterface(const ScoutelClient &client)
{
    return client.findChild<QUdpSocket *>()->multicastInterface().name();
}
} // namespace

class TestClientInterfaces : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        NetGuard::requirePrivateNetwork("tst_clientinterfaces");
        if (!PrivateNamespace::isOwn())
            QSKIP("interfaces are added only inside a namespace of this test's own");
        if (!PrivateNamespace::ip({QStringLiteral("link"), QStringLiteral("add"), First,
                                   QStringLiteral("type"), QStringLiteral("veth"),
                                   QStringLiteral("peer"), QStringLiteral("name"), Second}))
            QSKIP("virtual Ethernet interfaces are not available here");
        QVERIFY(PrivateNamespace::ip({QStringLiteral("address"), QStringLiteral("add"),
                                      QStringLiteral("169.254.77.1/30"), QStringLiteral("dev"),
                                      First}));
        QVERIFY(PrivateNamespace::ip({QStringLiteral("address"), QStringLiteral("add"),
                                      QStringLiteral("169.254.77.2/30"), QStringLiteral("dev"),
                                      Second}));
    }

    void init()
    {
        QVERIFY(
            link(First, {QStringLiteral("up"), QStringLiteral("multicast"), QStringLiteral("on")}));
        QVERIFY(link(Second,
                     {QStringLiteral("up"), QStringLiteral("multicast"), QStringLiteral("on")}));
    }

    void cleanupTestCase()
    {
        PrivateNamespace::ip({QStringLiteral("link"), QStringLiteral("delete"), First});
    }

    void listsEveryUpMulticastInterfaceButLoopback()
    {
        ScoutelClient client;
        QCOMPARE(client.interfaces(), bothEntries());
        QCOMPARE(client.interfaces().size(), 2);

        // Down, the second is left out; the first, now without carrier, stays.
        QVERIFY(link(Second, {QStringLiteral("down")}));
        QCOMPARE(client.interfaces(), QStringList{entry(First)});

        QVERIFY(link(Second,
                     {QStringLiteral("up"), QStringLiteral("multicast"), QStringLiteral("off")}));
        QCOMPARE(client.interfaces(), QStringList{entry(First)});
    }

    void sendsOnlyThroughAUsableInterface()
    {
        ScoutelClient client;
        const int first = QNetworkInterface::interfaceIndexFromName(First);
        const int second = QNetworkInterface::interfaceIndexFromName(Second);
        QCOMPARE(client.search(first, nullptr), 0);
        QCOMPARE(outgoingInterface(client), First);

        QCOMPARE(
            client.search(QNetworkInterface::interfaceIndexFromName(QStringLiteral("lo")), nullptr),
            0);
        QCOMPARE(outgoingInterface(client), First);
        QCOMPARE(client.search(-1, nullptr), 0);
        QCOMPARE(outgoingInterface(client), First);

        QVERIFY(link(Second, {QStringLiteral("down")}));
        QCOMPARE(client.search(second, nullptr), 0);
        QCOMPARE(outgoingInterface(client), First);

        QVERIFY(link(Second,
                     {QStringLiteral("up"), QStringLiteral("multicast"), QStringLiteral("off")}));
        QCOMPARE(client.search(second, nullptr), 0);
        QCOMPARE(outgoingInterface(client), First);

        QVERIFY(link(Second, {QStringLiteral("multicast"), QStringLiteral("on")}));
        QCOMPARE(client.search(second, nullptr), 0);
        QCOMPARE(outgoingInterface(client), Second);
    }
};

QTEST_GUILESS_MAIN(TestClientInterfaces)
#include "tst_clientinterfaces.moc"
