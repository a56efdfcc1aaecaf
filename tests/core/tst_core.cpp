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

    // One operation on three targets, driven by a script of events: sN the
    // challenge of device N, cN:R its configuration answer with result R, x
    // an undecodable datagram, t ticks until the summary.
    void record_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("failingRequest");
        QTest::addColumn<QString>("outcomes");
        QTest::addColumn<QString>("report");
        const QString mac = "02 53 43 00 00 0%1", send = "Send error: ERROR_WRITE\n";
        const auto row = [](const char *name, const char *script, int failing, const char *outcomes,
                            const QString &report) {
            QTest::newRow(name) << script << failing << outcomes << report;
        };
        row("all confirm", "s1 s2 s3 c1:0 c2:0 c3:0", -1, "confirmed 0|confirmed 0|confirmed 0",
            "");
        row("confirmed, wrong password, silent configuration, a stray", "s3 s1 x s2 c2:-106 c1:0 t",
            -1, "confirmed 0|refused -106|no_configuration_answer 0",
            mac.arg(2) + ": wrong password\n" + mac.arg(3) + " does not respond\n");
        // The answers after the summary only update the record.
        row("another code, then late and repeated answers", "s1 s2 s3 c3:-2 c3:-2 c1:0 t c2:0 c2:0",
            -1, "confirmed 0|confirmed 0|refused -2",
            mac.arg(3) + ": ERROR_GENERIC\n" + mac.arg(2) + " does not respond\n");
        row("silent in the challenge phase", "s1 s3 t c1:0", -1,
            "not_sent 0|no_challenge_answer 0|not_sent 0", mac.arg(2) + " does not respond\n");
        row("nothing to send", "n", -1, "not_sent -403|not_sent -403|not_sent -403",
            mac.arg(1) + ": No data to send.\n" + mac.arg(2) + ": No data to send.\n" + mac.arg(3) +
                ": No data to send.\n");
        row("first challenge not sent", "", 0, "not_sent -303|not_sent -303|not_sent -303", send);
        row("second challenge not sent", "t", 1,
            "not_sent -303|not_sent -303|no_challenge_answer 0",
            send + mac.arg(3) + " does not respond\n");
        row("second configuration not sent", "s1 s2 s3 c3:0", 4,
            "not_sent -303|not_sent -303|confirmed 0", send);
    }
    void record()
    {
        QFETCH(QString, script);
        QFETCH(int, failingRequest);
        int requests = 0;
        const auto send = [&](const ScoutelContainer &) {
            return requests++ == failingRequest ? QStringLiteral("ERROR_WRITE") : QString();
        };
        constexpr int Ticks = 3;
        ConfigurationRun run({[] {}, send, send}, Ticks);
        for (int device = 1; device <= 3; ++device)
            run.targets() << answer(0, device);
        if (script.startsWith('n'))
            for (ScoutelContainer &target : run.targets())
                target->sendFields = FieldApply;
        QList<OperationRecord> summaries;
        const auto follow = [&](const ConfigurationRun::Step &step) {
            if (step.summary)
                summaries << *step.summary;
        };
        follow(run.start());
        for (const QString &event : script.split(' ', Qt::SkipEmptyParts)) {
            const int device = event.mid(1, 1).toInt();
            if (event.startsWith('s'))
                follow(run.receive(answer(Sctl::SearchAnswer, device)));
            else if (event.startsWith('c'))
                follow(run.receive(answer(Sctl::ConfigureAnswer, device, event.mid(3).toInt())));
            else if (event == "x")
                run.receiveError("ERROR_IN_HEAD");
            for (int tick = 0; event == "t" && tick < Ticks; ++tick)
                follow(run.tick());
        }
        QCOMPARE(summaries.size(), 1);
        QStringList outcomes;
        for (const TargetOutcome &outcome : run.record().outcomes)
            outcomes << QStringLiteral("%1 %2")
                            .arg(TargetOutcome::kindName(outcome.kind))
                            .arg(outcome.code);
        QTEST(outcomes.join('|'), "outcomes");
        QTEST(summaries[0].report(), "report");
        QCOMPARE(summaries[0].strays,
                 QString(script.contains('x') ? "Receive error: ERROR_IN_HEAD\n" : ""));
        QCOMPARE(summaries[0].headline(), summaries[0].report().isEmpty()
                                              ? "Operation completed successfully."
                                              : "There were some errors.");
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
