#include "consoleoptions.h"
#include "fieldtags.h"
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
struct Arguments
{
    explicit Arguments(const QStringList &arguments) : bytes{"scoutel"}
    {
        for (const QString &a : arguments)
            bytes.push_back(a.toLocal8Bit());
        for (QByteArray &b : bytes)
            pointers.push_back(b.data());
    }
    int argc() const { return int(pointers.size()); }
    const char *const *argv() const { return pointers.data(); }
    std::vector<QByteArray> bytes;
    std::vector<char *> pointers;
};
} // namespace

class TestConsoleOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The other modes run end to end.
    void graphicalMode_data()
    {
        QTest::addColumn<QStringList>("arguments");
        const QList<QStringList> rows{{}, {"-x"}, {"X", "x=1"}, {"-xX"}};
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
        const Arguments args({"-x=", "-=v", "-n=a=b", "-", "plain", "-d", "-t=1", "-t=2"});
        const OptionMap options = splitArguments(args.argc(), args.argv());
        const OptionMap expected{{"x=", ""}, {"", "v"}, {"n", "a=b"}, {"d", ""}, {"t", "2"}};
        QCOMPARE(options, expected);
    }

    // Read leniently: a timeout that is no number keeps the default window, only
    // "1" and "true" switch DHCP on, an option without value still sends its field.
    void whatTheOptionsSet_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<int>>("expected"); // list mode, timeout, DHCP, fields, interface
        const auto row = [](const QStringList &arguments, const QList<int> &expected) {
            QTest::newRow(qPrintable(arguments.join(' '))) << arguments << expected;
        };
        const int dhcp = FieldApply | FieldDhcp;
        row({"-X", "-p", "-n"}, {1, 500, 0, FieldApply | FieldNewPassword | FieldName, -1});
        row({"-X=no", "-t=abc", "-d=1", "--interface=all"}, {1, 500, 1, dhcp, -2});
        row({"-t=0", "-d=TRUE", "--interface=default"}, {0, 0, 0, dhcp, -1});
    }
    void whatTheOptionsSet()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<int>, expected);
        const Arguments args(arguments);
        ConsoleSettings settings;
        ScoutelContainer record;
        QCOMPARE(applyConsoleOptions(splitArguments(args.argc(), args.argv()), settings, record),
                 QString());
        QCOMPARE(QList<int>({settings.listOnly, settings.timeout, record->dhcp,
                             int(record->sendFields), settings.interfaceIndex}),
                 expected);
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
        ScoutelContainer record;
        record->password = QStringLiteral("secret");
        RandomSource::seed(42);
        QCOMPARE(XmlFormat().save(directory.filePath(QStringLiteral("vault.lmx")), &record), 0);
        QCOMPARE(firstSequence(), undisturbed);
    }
};

QTEST_APPLESS_MAIN(TestConsoleOptions)
#include "tst_consoleoptions.moc"
