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
    // The other modes run end to end.
    void graphicalMode_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QList<QStringList> rows{{},       {"-x"}, {"X", "x=1"}, {"-xX"}, {"--help", "--help"},
                                      {"-help"}};
        for (const QStringList &arguments : rows)
            QTest::newRow(qPrintable("[" + arguments.join(' ') + "]")) << arguments;
    }

    void graphicalMode()
    {
        QFETCH(QStringList, arguments);
        const Arguments args(arguments);
        QCOMPARE(chooseProgramMode(args.argc(), args.argv()), ProgramMode::Graphical);
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
