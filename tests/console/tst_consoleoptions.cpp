#include "consoleoptions.h"
#include "deviceblock.h"
#include "fieldtags.h"
#include "optioncheck.h"
#include "optionmap.h"
#include "packetcodec.h"
#include "programmode.h"
#include "randomsource.h"
#include "xmlformat.h"

#include <QTemporaryDir>
#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(ProgramMode)

namespace {
// An argv as main receives it: the program name, then the given arguments.
class Arguments
{
public:
    explicit Arguments(const QStringList &arguments)
    {
        bytes.push_back("scoutel");
        for (const QString &a : arguments)
            bytes.push_back(a.toLocal8Bit());
        for (QByteArray &b : bytes)
            pointers.push_back(b.data());
    }
    int argc() const { return int(pointers.size()); }
    const char *const *argv() const { return pointers.data(); }

private:
    std::vector<QByteArray> bytes;
    std::vector<char *> pointers;
};

struct Applied
{
    ConsoleSettings settings;
    ScoutelContainer record;
    QString problem;
};

Applied apply(const QStringList &arguments)
{
    const Arguments args(arguments);
    Applied result;
    result.problem = applyConsoleOptions(splitArguments(args.argc(), args.argv()), result.settings,
                                         result.record);
    return result;
}
} // namespace

class TestConsoleOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Graphical rows here; the command-line ones run end to end.
    void programMode_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<ProgramMode>("mode");
        QTest::newRow("none") << QStringList() << ProgramMode::Graphical;
        QTest::newRow("-x without =") << QStringList{"-x"} << ProgramMode::Graphical;
        QTest::newRow("no dash") << QStringList{"X", "x=1"} << ProgramMode::Graphical;
        QTest::newRow("lower -xX") << QStringList{"-xX"} << ProgramMode::Graphical;
        QTest::newRow("--help") << QStringList{"--help"} << ProgramMode::Help;
        QTest::newRow("--version") << QStringList{"--version"} << ProgramMode::Version;
        QTest::newRow("--help twice") << QStringList{"--help", "--help"} << ProgramMode::Graphical;
        QTest::newRow("-help") << QStringList{"-help"} << ProgramMode::Graphical;
    }

    void programMode()
    {
        QFETCH(QStringList, arguments);
        QFETCH(ProgramMode, mode);
        const Arguments args(arguments);
        QCOMPARE(chooseProgramMode(args.argc(), args.argv()), mode);
        const char *const programName[] = {"-X"}; // argv[0] never chooses
        QCOMPARE(chooseProgramMode(1, programName), ProgramMode::Graphical);
    }

    void splitting()
    {
        const Arguments args({"-x=", "-=v", "-n=a=b", "-", "plain", "-d", "-t=1", "-t=2", "-k="});
        const OptionMap options = splitArguments(args.argc(), args.argv());
        const OptionMap expected{{"x=", ""}, {"", "v"},  {"n", "a=b"},
                                 {"d", ""},  {"t", "2"}, {"k=", ""}};
        QCOMPARE(options, expected);
    }

    void freshConfiguration()
    {
        const Applied a = apply({"-X", "-p", "-n"});
        QVERIFY(a.problem.isEmpty());
        QVERIFY(a.settings.listOnly);
        QCOMPARE(a.settings.timeout, 500);
        QCOMPARE(a.record->sendFields, quint32(FieldApply | FieldNewPassword | FieldName));
        QCOMPARE(a.record->presentFields, 0u);
        QVERIFY(a.record->password.isEmpty() && a.record->newPassword.isEmpty());
        QVERIFY(a.record->name.isEmpty());
        // Only the exact key chooses list mode; -x= is an empty password.
        QVERIFY(apply({"-X=no"}).settings.listOnly);
        QCOMPARE(apply({"-x=s3cret"}).record->password, QStringLiteral("s3cret"));
    }

    // Values read leniently: a wrong timeout keeps the default window.
    void lenientValues_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("value");
        const QList<QPair<const char *, int>> rows{
            {"-t=abc", 500}, {"-t", 500}, {"-t=2000", 2000}, {"-t=0", 0},    {"-t=+300", 300},
            {"-d=true", 1},  {"-d=1", 1}, {"-d=yes", 0},     {"-d=TRUE", 0}, {"-d", 0}};
        for (const auto &[argument, value] : rows)
            QTest::newRow(argument) << QString::fromLatin1(argument) << value;
    }
    void lenientValues()
    {
        QFETCH(QString, argument);
        QFETCH(int, value);
        const Applied a = apply({argument});
        QVERIFY(a.problem.isEmpty());
        const bool dhcp = argument.startsWith(QLatin1String("-d"));
        QCOMPARE(dhcp ? a.record->dhcp : a.settings.timeout, value);
        QCOMPARE(a.record->sendFields, quint32(FieldApply) | (dhcp ? quint32(FieldDhcp) : 0u));
    }

    void invalidValues_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString ip = QStringLiteral("%1 is not a valid IP address");
        const QString mask = QStringLiteral("%1 is not a valid Subnet Mask");
        const QString port = QStringLiteral("%1 is not a valid TCP port");
        const QString key = QStringLiteral("%1 is not a valid Public key");
        QTest::newRow("ip 0.0.0.0") << QStringList{"-i=0.0.0.0"} << ip.arg("0.0.0.0");
        QTest::newRow("ip mask") << QStringList{"-i=255.255.255.0"} << ip.arg("255.255.255.0");
        QTest::newRow("ip three parts") << QStringList{"-i=1.2.3"} << ip.arg("1.2.3");
        QTest::newRow("ip 256") << QStringList{"-i=1.2.3.256"} << ip.arg("1.2.3.256");
        QTest::newRow("ip negative") << QStringList{"-i=1.-2.3.4"} << ip.arg("1.-2.3.4");
        QTest::newRow("gateway all ones")
            << QStringList{"-g=255.255.255.255"} << ip.arg("255.255.255.255");
        QTest::newRow("mask address") << QStringList{"-m=10.0.0.1"} << mask.arg("10.0.0.1");
        // No typo may go out as port 0, which disables the port.
        for (const char *value : {"-1", "abc", "1e3", "12x", "0x10", " 1"})
            QTest::newRow(value) << QStringList{QStringLiteral("-p2=") + value} << port.arg(value);
        QTest::newRow("bare port") << QStringList{"-p1"} << port.arg("");
        QTest::newRow("http port") << QStringList{"-ph=70000"} << port.arg(70000);
        QTest::newRow("key 23") << QStringList{"-k=00112233445566778899aab"}
                                << key.arg("00112233445566778899aab");
        QTest::newRow("key G") << QStringList{"-k=00112233445566778899aabG"}
                               << key.arg("00112233445566778899aabG");
        QTest::newRow("key non latin")
            << QStringList{QString::fromUtf8("-k=00112233445566778899aab\u20ac")}
            << key.arg(QString::fromUtf8("00112233445566778899aab\u20ac"));
        const QString session =
            QStringLiteral("%1 is not a valid session length: give a number of minutes "
                           "from 0 to 65535");
        QTest::newRow("session too long") << QStringList{"-s=70000"} << session.arg(70000);
        const QString latin1 = QStringLiteral(
            "%1 holds characters a device cannot store: use Latin-1 characters only");
        const QString tooLong =
            QStringLiteral("%1 is longer than the 64 characters a device stores");
        QTest::newRow("new password not latin-1")
            << QStringList{QString::fromUtf8("-p=\u5bc6\u7801")} << latin1.arg("-p");
        QTest::newRow("new password of 65")
            << QStringList{"-p=" + QString(65, QLatin1Char('p'))} << tooLong.arg("-p");
        QTest::newRow("only the first in table order")
            << QStringList{"-k=bad", "-p1=99999", "-i=bad"} << ip.arg("bad");
        QTest::newRow("mask before gateway") << QStringList{"-g=bad", "-m=bad"} << mask.arg("bad");
        QTest::newRow("timeout first") << QStringList{"-t=-5", "-i=bad"}
                                       << "-5 is not a valid timeout: give a number of "
                                          "milliseconds, 0 or more";
    }

    void invalidValues()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QCOMPARE(apply(arguments).problem, message);
    }

    // The edges of what is accepted; every option's field also goes out end to end.
    // Odd address texts store what was checked: no octal, empty parts dropped.
    void validValues()
    {
        const QString name = QString::fromLatin1("Tr\xe9sor ") + QString(57, QLatin1Char('N'));
        const Applied a = apply({"-n=" + name, "-i=+010..001.2.3", "-g=10.1.0.1.", "-p1=65535",
                                 "-p2=0", "-ph=+8080", "-s=65535"});
        QVERIFY2(a.problem.isEmpty(), qPrintable(a.problem));
        const ScoutelSharedData &r = *a.record.constData();
        QCOMPARE(r.name, name);
        QCOMPARE(r.ipAddress, QHostAddress("10.1.2.3"));
        QCOMPARE(r.gateway, QHostAddress("10.1.0.1"));
        QCOMPARE(QList<int>({r.mainPort, r.auxPort, r.httpPort, r.sessionMinutes}),
                 QList<int>({65535, 0, 8080, 65535}));
    }

    // Option f writes a file before the search: its random bytes must not
    // come from, nor reseed, the source of the sequence numbers.
    void savingAFileLeavesTheSequenceNumbersAlone()
    {
        const auto firstSequence = [] {
            PacketCodec codec;
            return codec.buildRequest(Sctl::SearchRequest, nullptr).mid(4, 2);
        };
        RandomSource::seed(42);
        const QByteArray undisturbed = firstSequence();

        QTemporaryDir directory;
        Applied a = apply({"-x=secret", "-n=Vault"});
        RandomSource::seed(42);
        XmlFormat format;
        QCOMPARE(format.save(directory.filePath(QStringLiteral("vault.lmx")), &a.record), 0);
        QCOMPARE(firstSequence(), undisturbed);
    }

    void deviceNameCannotForgeLines()
    {
        ScoutelContainer record;
        record->name = QStringLiteral("Safe\n# Search complete\t\x7f");
        QCOMPARE(deviceBlock(record, 2).at(2),
                 QStringLiteral("Safe\\x0a# Search complete\\x09\\x7f"));
    }
};

QTEST_APPLESS_MAIN(TestConsoleOptions)
#include "tst_consoleoptions.moc"
