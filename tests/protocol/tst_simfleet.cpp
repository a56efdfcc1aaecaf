// The simulated fleet without a socket: what it schedules and what it logs.
#include "fieldtags.h"
#include "requestcipher.h"
#include "simfleet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTest>

namespace {
const QHostAddress Client(QStringLiteral("127.0.0.1"));

ReceivedDatagram fromClient(const QByteArray &bytes)
{
    return ReceivedDatagram{bytes, Client, 2463, 2};
}

QByteArray searchForEveryDevice()
{
    return QByteArray::fromHex("5343544C00070001FFFFFFFFFFFF0000");
}

// A configuration request for a device, its payload zero-filled and encrypted.
QByteArray configurationFor(int number, QByteArray payload, const QString &password)
{
    payload.append(Sctl::BlockSize - int(payload.size()) % Sctl::BlockSize, '\0');
    RequestCipher::encryptPayload(payload.data(), int(payload.size()),
                                  RequestCipher::keyFromPassword(password.toLatin1()));
    QByteArray header = QByteArray::fromHex("5343544C00080003") + SimDevice::macOf(number);
    header += char(payload.size() >> 8);
    header += char(payload.size() & 0xFF);
    return header + payload;
}

class Harness
{
public:
    explicit Harness(const SimOptions &options)
        : random(42), fleet(
                          options, &random, [this](const QJsonObject &l) { lines << l; }, 0)
    {}

    QRandomGenerator random;
    QList<QJsonObject> lines;
    SimFleet fleet;
};

SimOptions fleetOf(int count)
{
    SimOptions o;
    o.count = count;
    o.passwords = QStringList(QList<QString>(count, QStringLiteral("secret")));
    return o;
}
} // namespace

class TestSimFleet : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDeviceAnswersFromItsAddressToTheSender()
    {
        SimOptions o = fleetOf(3);
        o.oddSender = true;
        Harness h(o);
        const auto out = h.fleet.handle(fromClient(searchForEveryDevice()), 100);
        QCOMPARE(out.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(out.at(i).device, i + 1);
            QCOMPARE(out.at(i).destination, Client);
            QCOMPARE(out.at(i).port, quint16(2463));
            QCOMPARE(out.at(i).dueMs, 100);
            QCOMPARE(out.at(i).bytes.mid(4, 4), QByteArray::fromHex("00070002"));
        }
        QCOMPARE(out.at(0).source, QHostAddress(QStringLiteral("169.255.255.254")));
        QCOMPARE(out.at(2).source, QHostAddress(QStringLiteral("127.0.0.4")));
        QCOMPARE(h.lines.size(), 3);
    }

    void delayAndJitterBoundTheDueTime()
    {
        SimOptions o = fleetOf(200);
        o.delayMs = 50;
        o.jitterMs = 20;
        Harness h(o);
        const auto out = h.fleet.handle(fromClient(searchForEveryDevice()), 1000);
        QCOMPARE(out.size(), 200);
        QSet<qint64> dues;
        for (const OutgoingDatagram &d : out) {
            QVERIFY(d.dueMs >= 1050 && d.dueMs <= 1070);
            dues.insert(d.dueMs);
        }
        QVERIFY(dues.size() > 1); // the jitter spreads them
    }

    void foreignDatagramFollowsEachAnswer()
    {
        SimOptions o = fleetOf(2);
        o.foreign = true;
        Harness h(o);
        const auto out = h.fleet.handle(fromClient(searchForEveryDevice()), 0);
        QCOMPARE(out.size(), 4);
        QCOMPARE(out.at(1).bytes, QByteArray("HELLO"));
        QCOMPARE(out.at(1).source, out.at(0).source);
        QCOMPARE(out.at(3).bytes, QByteArray("HELLO"));
    }

    void requestsForNoDeviceAreLoggedOnce()
    {
        Harness h(fleetOf(2));
        QVERIFY(
            h.fleet.handle(fromClient(QByteArray::fromHex("5343544C000700010253430000030000")), 0)
                .isEmpty());
        QCOMPARE(h.lines.size(), 1);
        QCOMPARE(h.lines.first().value(QStringLiteral("device")).toInt(), 0);
        QCOMPARE(h.lines.first().value(QStringLiteral("why")).toString(),
                 QStringLiteral("no-device"));
    }

    void newPasswordNeverReachesTheLog()
    {
        Harness h(fleetOf(1));
        // Right key, but not a valid list: the name comes before the challenge.
        const QByteArray payload = QByteArray::fromHex("1501") + "x" + QByteArray::fromHex("1606") +
                                   "Hidden" + QByteArray::fromHex("5A08") + QByteArray(8, 'c');
        const auto out =
            h.fleet.handle(fromClient(configurationFor(1, payload, QStringLiteral("secret"))), 0);
        QCOMPARE(out.size(), 1);
        const QJsonObject line = h.lines.last();
        QCOMPARE(line.value(QStringLiteral("verdict")).toInt(), int(-106));
        const QString text = QString::fromUtf8(QJsonDocument(line).toJson());
        QVERIFY(!text.contains(QStringLiteral("Hidden")));
        QVERIFY(!text.contains(QStringLiteral("48 69 64 64 65 6E")));
        QVERIFY(line.value(QStringLiteral("payload"))
                    .toString()
                    .startsWith(QStringLiteral("15 01 78 16 06 XX XX XX XX XX XX 5A 08")));
    }
};

QTEST_GUILESS_MAIN(TestSimFleet)
#include "tst_simfleet.moc"
