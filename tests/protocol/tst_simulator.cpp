// The device simulator over its socket, driven through the real search client.
#include "fieldtags.h"
#include "locatedspy.h"
#include "netguard.h"
#include "privatenamespace.h"
#include "scoutelclient.h"
#include "simdevice.h"
#include "simulatorprocess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QTest>
#include <QUdpSocket>

namespace {
constexpr int NoAnswer = 1; // no device result is positive
const QStringList ShortLife{QStringLiteral("--lifetime"), QStringLiteral("8000")};

// A simulator, a client and what the client announced.
class Fleet
{
public:
    Fleet() : spy(&client) {}

    bool start(const QStringList &options) { return sim.start(options + ShortLife); }

    // Answers to one search for every device, once `expected` arrived or after waitMs.
    QList<ScoutelContainer> searchAll(int expected = 1, int waitMs = 2000)
    {
        return answersTo(client.search(-1, nullptr), Sctl::SearchAnswer, expected, waitMs);
    }

    // The answer of one device to a search for it; empty without answer.
    ScoutelContainer searchDevice(int number, int waitMs = 2000)
    {
        ScoutelContainer target;
        target->mac = SimDevice::macOf(number);
        const auto answers = answersTo(client.search(-1, &target), Sctl::SearchAnswer, 1, waitMs);
        return answers.isEmpty() ? ScoutelContainer() : answers.first();
    }

    // The device's verdict on a configuration, or NoAnswer.
    int configure(const ScoutelContainer &target, int waitMs = 2000)
    {
        const auto answers =
            answersTo(client.configure(-1, &target), Sctl::ConfigureAnswer, 1, waitMs);
        return answers.isEmpty() ? NoAnswer : answers.first()->result;
    }

    SimulatorProcess sim;
    ScoutelClient client;
    LocatedSpy spy;

private:
    QList<ScoutelContainer> answersTo(int sent, int command, int expected, int waitMs)
    {
        QList<ScoutelContainer> answers;
        if (sent != 0)
            return answers;
        (void)QTest::qWaitFor(
            [&] {
                for (int i = 0; i < spy.size(); ++i) {
                    if (spy.result(i) == 0 && spy.record(i)->command == command)
                        answers.append(spy.record(i));
                }
                spy.clear();
                return answers.size() >= expected;
            },
            waitMs);
        return answers;
    }
};

// A configuration of the given fields for the device as it last answered.
ScoutelContainer configuration(const ScoutelContainer &answer, quint32 bits,
                               const QString &password = QStringLiteral("secret"))
{
    ScoutelContainer c = answer;
    c->password = password;
    c->sendFields = bits | FieldApply;
    return c;
}

QString why(const QJsonObject &line)
{
    return line.value(QStringLiteral("why")).toString();
}
} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_simulator"); }

    void rightPasswordIsAppliedAndTheNewOneTakesOver()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({}), qPrintable(fleet.sim.errorString()));
        ScoutelContainer c = configuration(fleet.searchDevice(1), FieldName | FieldNewPassword);
        c->name = QStringLiteral("Vault");
        c->newPassword = QStringLiteral("n3w");
        QCOMPARE(fleet.configure(c), 0);
        QCOMPARE(fleet.sim.events(QStringLiteral("apply"), 1).size(), 1);

        const ScoutelContainer after = fleet.searchDevice(1);
        QCOMPARE(after->name, QStringLiteral("Vault"));
        QCOMPARE(fleet.configure(configuration(after, FieldName)), int(ResultWrongPassword));
        QCOMPARE(fleet.configure(configuration(after, FieldName, QStringLiteral("n3w"))), 0);
    }

    void wrongPasswordIsRefused()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({}), qPrintable(fleet.sim.errorString()));
        ScoutelContainer c =
            configuration(fleet.searchDevice(1), FieldName, QStringLiteral("guess"));
        c->name = QStringLiteral("Stolen");
        QCOMPARE(fleet.configure(c), int(ResultWrongPassword));
        QVERIFY(fleet.sim.events(QStringLiteral("apply")).isEmpty());
        QCOMPARE(fleet.searchDevice(1)->name, QStringLiteral("Safe 1"));
    }

    void staleChallengeIsRefused()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({}), qPrintable(fleet.sim.errorString()));
        const ScoutelContainer first = fleet.searchDevice(1);
        const ScoutelContainer second = fleet.searchDevice(1);
        QVERIFY(first->challenge != second->challenge);
        QCOMPARE(fleet.configure(configuration(first, FieldName)), int(ResultSessionExpired));
        QCOMPARE(fleet.configure(configuration(second, FieldName)), 0);
    }

    void perDevicePasswords()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({QStringLiteral("--count"), QStringLiteral("2"),
                              QStringLiteral("--passwords"), QStringLiteral("a1,b2")}),
                 qPrintable(fleet.sim.errorString()));
        const ScoutelContainer second = fleet.searchDevice(2);
        QCOMPARE(fleet.configure(configuration(second, FieldName, QStringLiteral("a1"))),
                 int(ResultWrongPassword));
        QCOMPARE(fleet.configure(configuration(second, FieldName, QStringLiteral("b2"))), 0);
    }

    void restartSilencesTheDeviceBriefly()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({QStringLiteral("--restart-silence"), QStringLiteral("800")}),
                 qPrintable(fleet.sim.errorString()));
        QCOMPARE(fleet.configure(configuration(fleet.searchDevice(1), FieldRestart)), 0);
        QElapsedTimer sinceRestart;
        sinceRestart.start();
        QCOMPARE(fleet.sim.events(QStringLiteral("restart"), 1).size(), 1);

        QVERIFY(fleet.searchAll(1, 200).isEmpty());
        QCOMPARE(why(fleet.sim.events(QStringLiteral("request"), 1).last()),
                 QStringLiteral("restarting"));
        QTest::qWait(int(qMax<qint64>(0, 900 - sinceRestart.elapsed())));
        const auto answers = fleet.searchAll();
        QCOMPARE(answers.size(), 1);
        QCOMPARE(answers.first()->upTime, 0u);
    }

    void devicesThatIgnoreSearchesOrConfigurations()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({QStringLiteral("--count"), QStringLiteral("3"),
                              QStringLiteral("--ignore-search"), QStringLiteral("2"),
                              QStringLiteral("--mute-config"), QStringLiteral("3")}),
                 qPrintable(fleet.sim.errorString()));
        const auto answers = fleet.searchAll(3, 500);
        QCOMPARE(answers.size(), 2);
        QCOMPARE(why(fleet.sim.events(QStringLiteral("request"), 2).last()),
                 QStringLiteral("ignore-search"));
        for (const ScoutelContainer &answer : answers) {
            const int number = SimDevice::numberOf(answer->mac);
            QVERIFY(number == 1 || number == 3);
            QCOMPARE(fleet.configure(configuration(answer, FieldName), 300),
                     number == 3 ? NoAnswer : 0);
        }
        QCOMPARE(why(fleet.sim.events(QStringLiteral("request"), 3).last()),
                 QStringLiteral("mute-config"));
    }

    void answerStyleAndForcedVerdict()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({QStringLiteral("--verdict"), QStringLiteral("-102"),
                              QStringLiteral("--search-result"), QStringLiteral("-2"),
                              QStringLiteral("--status"), QStringLiteral("0x80000001"),
                              QStringLiteral("--no-uptime"), QStringLiteral("--name-prefix"),
                              QStringLiteral("Box")}),
                 qPrintable(fleet.sim.errorString()));
        const ScoutelContainer answer = fleet.searchDevice(1);
        QCOMPARE(answer->result, -2);
        QVERIFY(answer->presentFields & FieldResult);
        QVERIFY(!(answer->presentFields & FieldUpTime));
        QCOMPARE(answer->statusFlags, 0x80000001u);
        QCOMPARE(answer->name, QStringLiteral("Box 1"));

        ScoutelContainer c = configuration(answer, FieldName);
        c->name = QStringLiteral("Other");
        QCOMPARE(fleet.configure(c), int(ResultFieldDeny));
        const QJsonObject line = fleet.sim.events(QStringLiteral("request"), 1).last();
        QCOMPARE(line.value(QStringLiteral("checked")).toInt(), 0);
        QVERIFY(fleet.sim.events(QStringLiteral("apply")).isEmpty());
        QCOMPARE(fleet.searchDevice(1)->name, QStringLiteral("Box 1"));
    }

    void everyDeviceAnswersFromItsOwnAddress()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({QStringLiteral("--count"), QStringLiteral("300"),
                              QStringLiteral("--odd-sender"), QStringLiteral("--log"), QString()}),
                 qPrintable(fleet.sim.errorString()));
        const auto answers = fleet.searchAll(300);
        QCOMPARE(answers.size(), 300);
        for (const ScoutelContainer &answer : answers) {
            const int number = SimDevice::numberOf(answer->mac);
            const QHostAddress expected = number == 1
                                              ? QHostAddress(QStringLiteral("169.255.255.254"))
                                              : SimDevice::addressOf(number);
            QCOMPARE(answer->sender, expected);
            QCOMPARE(answer->name, QStringLiteral("Safe %1").arg(number));
        }
    }

    void delayHoldsTheAnswers()
    {
        Fleet fleet;
        QVERIFY2(
            fleet.start({QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--delay"),
                         QStringLiteral("250"), QStringLiteral("--jitter"), QStringLiteral("50")}),
            qPrintable(fleet.sim.errorString()));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(fleet.client.search(-1, nullptr), 0);
        QVERIFY(fleet.spy.waitForCount(1));
        QVERIFY2(clock.elapsed() >= 250, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(fleet.spy.waitForCount(3));
    }

    void hostileDatagramsAreLoggedAndSurvived()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({}), qPrintable(fleet.sim.errorString()));
        QUdpSocket peer;
        const QHostAddress local(QHostAddress::LocalHost);
        const QByteArray header = QByteArray::fromHex("5343544C12340003AABBCCDDEEFF0000");
        const QList<QPair<QByteArray, QString>> datagrams{
            {QByteArray(), QStringLiteral("not-sctl")},
            {QByteArray("HELLO"), QStringLiteral("not-sctl")},
            {QByteArray(60000, '\x5A'), QStringLiteral("not-sctl")},
            {header, QStringLiteral("no-device")},
            {QByteArray::fromHex("5343544C12340002025343000001000000"),
             QStringLiteral("not-a-request")},
            {QByteArray::fromHex("5343544C12340001FFFFFFFFFFFF0002AABB"),
             QStringLiteral("malformed")}};
        for (const auto &datagram : datagrams)
            QCOMPARE(peer.writeDatagram(datagram.first, local, Sctl::DevicePort),
                     datagram.first.size());
        QVERIFY(fleet.sim.waitForLine(
            [&](const QJsonObject &line) { return why(line) == datagrams.last().second; }));
        const auto lines = fleet.sim.events(QStringLiteral("request"), 0);
        QCOMPARE(lines.size(), datagrams.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(why(lines.at(i)), datagrams.at(i).second);
        QCOMPARE(fleet.searchAll().size(), 1);
    }

    void passwordsStayOutOfTheLog()
    {
        Fleet fleet;
        QVERIFY2(fleet.start({QStringLiteral("--password"), QStringLiteral("Old-Secret")}),
                 qPrintable(fleet.sim.errorString()));
        ScoutelContainer c =
            configuration(fleet.searchDevice(1), FieldNewPassword, QStringLiteral("Old-Secret"));
        c->newPassword = QStringLiteral("TopSecret9");
        QCOMPARE(fleet.configure(c), 0);

        QFile file(fleet.sim.logPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray log = file.readAll();
        for (const QByteArray &secret : {QByteArray("TopSecret9"), QByteArray("Old-Secret")}) {
            QVERIFY(!log.contains(secret));
            QVERIFY(!log.contains(secret.toHex(' ').toUpper()));
        }
        const QJsonObject request = fleet.sim.events(QStringLiteral("request"), 1).last();
        const QJsonObject field =
            request.value(QStringLiteral("fields")).toArray().at(1).toObject();
        QCOMPARE(field.value(QStringLiteral("tag")).toInt(), int(Tag::NewPassword));
        QCOMPARE(field.value(QStringLiteral("len")).toInt(), 10);
    }

    void lifetimeEndsTheSimulator()
    {
        SimulatorProcess sim;
        QVERIFY2(sim.start({QStringLiteral("--lifetime"), QStringLiteral("300")}),
                 qPrintable(sim.errorString()));
        QVERIFY(QTest::qWaitFor([&] { return !sim.isRunning(); }, 3000));
    }

    void refusesANamespaceWithAWayOut()
    {
        if (!PrivateNamespace::isOwn())
            QSKIP("interfaces are added only inside a namespace of this test's own");
        const QString name = QStringLiteral("sctlout0");
        if (!PrivateNamespace::ip({QStringLiteral("link"), QStringLiteral("add"), name,
                                   QStringLiteral("type"), QStringLiteral("veth"),
                                   QStringLiteral("peer"), QStringLiteral("name"),
                                   QStringLiteral("sctlout1")}))
            QSKIP("virtual Ethernet interfaces are not available here");
        const bool up = PrivateNamespace::ip(
            {QStringLiteral("link"), QStringLiteral("set"), name, QStringLiteral("up")});
        SimulatorProcess sim;
        const bool started = sim.start({});
        PrivateNamespace::ip({QStringLiteral("link"), QStringLiteral("delete"), name});
        QVERIFY(up);
        QVERIFY(!started);
        QVERIFY2(sim.errorString().contains(QStringLiteral("refusing to run")),
                 qPrintable(sim.errorString()));
    }
};

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"
