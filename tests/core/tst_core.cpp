// The core both modes drive, without a window or a socket: the rules of a
// configuration, the address plan and the bookkeeping of a configuration run.
// Dialog, command line and files check their own messages end to end.
#include "addressplan.h"
#include "configurationrules.h"
#include "configurationrun.h"
#include "fieldtags.h"

#include <QTest>

namespace {
using namespace ConfigurationRules;

// "key=value" items, keyed as the command line's options or a file's attributes.
ConfigurationForm formOf(const QStringList &items, bool fromFile)
{
    QMap<QString, QString> given;
    for (const QString &item : items)
        given.insert(item.section('=', 0, 0), item.section('=', 1));
    ConfigurationForm base;
    if (fromFile)
        return ConfigurationForm::fromAttributes(given, base);
    const std::pair<const char *, std::optional<QString> ConfigurationForm::*> keys[] = {
        {"i", &ConfigurationForm::ipAddress},   {"m", &ConfigurationForm::subnetMask},
        {"g", &ConfigurationForm::gateway},     {"p1", &ConfigurationForm::mainPort},
        {"p2", &ConfigurationForm::auxPort},    {"s", &ConfigurationForm::sessionMinutes},
        {"p", &ConfigurationForm::newPassword}, {"k", &ConfigurationForm::publicKey}};
    for (const auto &[key, member] : keys) {
        if (given.contains(key))
            base.*member = given.value(key);
    }
    return base;
}

QString verdict(const std::optional<Problem> &problem)
{
    if (!problem)
        return QStringLiteral("ok");
    return QStringLiteral("%1/%2").arg(int(problem->field)).arg(int(problem->fault));
}

QString expect(Field field, Fault fault)
{
    return verdict(Problem{field, fault, QString()});
}

ScoutelContainer answer(int command, int device, int result = 0)
{
    ScoutelContainer r;
    r->command = command;
    r->mac = QByteArray::fromHex("0253430000") + char(device);
    r->result = result;
    r->challenge = QByteArray(8, char(device));
    r->sendFields = FieldApply | FieldName;
    return r;
}
} // namespace

class TestCore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data()
    {
        QTest::addColumn<QString>("caller");
        QTest::addColumn<QStringList>("form");
        QTest::addColumn<QString>("expected");
        const QString ok = "ok", tokyo = QString::fromUtf8("T\u014Dky\u014D \u6771\u4EAC");
        const QStringList subnet{"m=255.255.255.0", "g=192.168.1.1"};
        const QString key = "00112233445566778899aabb",
                      badIp = expect(Field::IpAddress, Fault::NotValid),
                      badMask = expect(Field::SubnetMask, Fault::NotValid),
                      badKey = expect(Field::PublicKey, Fault::NotValid),
                      badName = expect(Field::Name, Fault::NotLatin1);
        const auto row = [](const char *name, const char *caller, const QStringList &form,
                            const QString &expected) {
            QTest::newRow(name) << QString(caller) << form << expected;
        };
        // The command line's typos: none may go out as 0, which disables a port.
        const auto each = [](const QStringList &options, const QString &expected) {
            for (const QString &option : options)
                QTest::newRow(qPrintable(option)) << "console" << QStringList{option} << expected;
        };
        each({"p1=", "p1=1e3", "p1=4OOO", "p1=0x10", "p1=65536"},
             expect(Field::MainPort, Fault::NotInRange));
        each({"p2=-1", "p2= 1", "p2=99999999999", "p2=abc"},
             expect(Field::AuxPort, Fault::NotInRange));
        each({"s=70000", "s=1e3", "s=ten"}, expect(Field::SessionMinutes, Fault::NotInRange));
        each({"i=0.0.0.0", "i=255.255.255.0", "i=255.255.0.0", "i=1.2.3", "i=1.2.3.256",
              "i=1.-2.3.4"},
             badIp);
        each({"g=255.255.255.255"}, expect(Field::Gateway, Fault::NotValid));
        each({"m=10.0.0.1", "m=255.0.255.0"}, badMask);
        each({key.left(23).prepend("k="), "k=" + key.left(23) + "G",
              QString::fromUtf8("k=00112233445566778899aab\u20ac")},
             badKey);
        // Where the callers differ; tst_dialogedit and tst_consolerun show the other side.
        row("name outside Latin-1", "file", {"name=" + tokyo}, badName);
        row("empty new password", "console", {"p="}, ok);
        row("key with blanks", "console", {"k= " + key + " "}, badKey);
        row("key of 23 digits", "file", {"public_key=" + key.left(23)}, badKey);
        row("same ports", "console", {"p1=7", "p2=7"}, ok);
        row("mask 0.0.0.0", "console", {"m=0.0.0.0"}, ok);
        row("mask 0.0.0.0", "dialog", {"i=10.0.0.1", "m=0.0.0.0", "g=10.0.0.2"}, badMask);
        row("mask of ones only", "dialog", {"i=192.168.1.10", "m=255.255.255.255"}, badIp);
        for (const char *address : {"i=127.0.0.1", "i=192.168.1.0", "i=224.0.0.1"})
            row(address, "dialog", QStringList{address} + subnet, badIp);
        row("gateway is the network", "file",
            {"ip_address=10.0.0.5", "subnet_mask=255.0.0.0", "gateway=10.0.0.0"},
            expect(Field::Gateway, Fault::NotValid));
        row("dhcp alone checks the empty mask", "file", {"dhcp=true"}, badMask);
        // The command line reports in the order of its options.
        row("address before mask", "console", {"i=1.2.3", "m=255.0.255.0", "k=bad"}, badIp);
    }
    void rules()
    {
        QFETCH(QString, caller);
        QFETCH(QStringList, form);
        QFETCH(QString, expected);
        const Strictness &strictness = caller == "console" ? CommandLine : Form;
        QCOMPARE(verdict(check(formOf(form, caller == "file"), strictness)), expected);
    }

    // Last bytes of 10.0.0.x in a /24: what the targets hold ("10 11" each), what
    // others hold, and the plan from first; "-N" ends a plan that does not fit,
    // N the free addresses.
    void addressPlan_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<QStringList>("targets");
        QTest::addColumn<QString>("others");
        QTest::addColumn<QString>("plan");
        QTest::newRow("others and the gateway skipped") << 1 << QStringList{"", "", ""} << "3"
                                                        << "2 4 5";
        QTest::newRow("no target takes another's address") << 10 << QStringList{"11", "10"} << ""
                                                           << "11 12";
        QTest::newRow("the factory address left alone") << 10 << QStringList{"10", "10", "10"} << ""
                                                        << "11 12 13";
        QTest::newRow("too few free") << 252 << QStringList{"", "", "", ""} << "253"
                                      << "252 254 -2";
    }
    void addressPlan()
    {
        QFETCH(int, first);
        QFETCH(QStringList, targets);
        QFETCH(QString, others);
        QFETCH(QString, plan);
        constexpr quint32 Net = 0x0A000000, Gateway = Net | 1;
        const auto set = [](const QString &bytes) {
            QSet<quint32> addresses;
            for (const QString &byte : bytes.split(' ', Qt::SkipEmptyParts))
                addresses.insert(Net | byte.toUInt());
            return addresses;
        };
        QList<AddressPlan::Device> devices;
        for (const QString &holds : targets)
            devices.append({QByteArray(), set(holds)});
        const AddressPlan planned(Net | first, 0xFFFFFF00, Gateway, devices, set(others));
        QStringList shown;
        for (const quint32 address : planned.assigned())
            shown << QString::number(address & 0xFF);
        if (!planned.fits())
            shown << QString::number(-planned.freeCount());
        QCOMPARE(shown.join(' '), plan);
    }

    void run_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("report");
        QTest::newRow("first challenge, nothing out") << 0 << QStringList{"s2"} << QString();
        QTest::newRow("second challenge")
            << 1 << QStringList{"s2", "s1"} << "02 53 43 00 00 01 does not respond\n";
        QTest::newRow("second configuration")
            << 3 << QStringList{"s2", "s1", "c1:1", "c2:2"} << "Send error: ERROR_WRITE\n";
    }
    void run()
    {
        QFETCH(int, failing);
        QFETCH(QStringList, requests);
        QFETCH(QString, report);
        QStringList sent;
        const auto send = [&](const QString &what) {
            sent << what;
            return sent.size() - 1 == failing ? QStringLiteral("ERROR_WRITE") : QString();
        };
        constexpr int Ticks = 3;
        ConfigurationRun run({[] {},
                              [&](const ScoutelContainer &t) {
                                  return send(QStringLiteral("s%1").arg(int(t->mac.back())));
                              },
                              [&](const ScoutelContainer &t) {
                                  return send(QStringLiteral("c%1:%2")
                                                  .arg(int(t->mac.back()))
                                                  .arg(int(t->challenge.back())));
                              }},
                             Ticks);
        run.targets() = {answer(0, 1), answer(0, 2)};
        run.targets()[0]->challenge.clear();
        run.receiveError(QStringLiteral("before the operation: not reported"));
        QCOMPARE(run.start().sendError.isEmpty(), failing > 1);
        run.receive(answer(Sctl::SearchAnswer, 1, ResultSessionExpired)); // no challenge
        run.receive(answer(Sctl::SearchAnswer, 2));
        if (failing != 1)
            run.receive(answer(Sctl::SearchAnswer, 1));
        QCOMPARE(sent, requests);
        QCOMPARE(run.isRunning(), failing != 0);
        std::optional<ConfigurationRun::Summary> summary;
        if (failing == 3)
            summary = run.receive(answer(Sctl::ConfigureAnswer, 1)).summary;
        for (int tick = 0; tick < Ticks && !summary; ++tick)
            summary = run.tick().summary;
        QCOMPARE(summary.has_value(), !report.isEmpty());
        QCOMPARE(summary.value_or(ConfigurationRun::Summary()).report, report);
        QCOMPARE(summary.value_or(ConfigurationRun::Summary()).strays, QString());
        QVERIFY(!run.isRunning());
    }

    void answerWithoutChallenge()
    {
        QStringList sent; // the challenges configurations went out with
        const auto configure = [&](const ScoutelContainer &t) {
            sent << QString::fromLatin1(t->challenge.toHex());
            return QString();
        };
        ConfigurationRun run({[] {}, [](const ScoutelContainer &) { return QString(); }, configure},
                             3);
        run.targets() = {answer(0, 1)};
        run.start();
        ScoutelContainer bare = answer(Sctl::SearchAnswer, 1);
        bare->challenge.clear();
        run.receive(bare);
        run.receive(answer(Sctl::SearchAnswer, 1));
        QCOMPARE(sent, QStringList{"0101010101010101"});
    }
};

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
