// The device simulator's command line, as the tests of other parts rely on it.
#include "simoptions.h"

#include <QTest>

namespace {
QStringList commandLine(const QStringList &options)
{
    return QStringList{QStringLiteral("scoutel-sim")} + options;
}
} // namespace

class TestSimOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaults()
    {
        SimOptions o;
        QString message;
        QCOMPARE(SimCommandLine::parse(commandLine({}), &o, &message), SimCommandLine::Parsed::Run);
        QCOMPARE(o.count, 1);
        QCOMPARE(o.passwords, QStringList{QStringLiteral("secret")});
        QCOMPARE(o.lifetimeMs, 10000);
        QCOMPARE(o.restartSilenceMs, 1000);
        QCOMPARE(o.namePrefix, QStringLiteral("Safe"));
        QVERIFY(o.withUpTime);
        QVERIFY(!o.forcedVerdict.has_value());
        QCOMPARE(o.searchResult, 0);
        QVERIFY(o.logPath.isEmpty());
    }

    void everyOption()
    {
        SimOptions o;
        QString message;
        const QStringList options{"--count",
                                  "4",
                                  "--password",
                                  "pw",
                                  "--status",
                                  "0x80000001",
                                  "--ignore-search",
                                  "2,4",
                                  "--mute-config",
                                  "3",
                                  "--verdict",
                                  "-106",
                                  "--search-result",
                                  "-2",
                                  "--foreign",
                                  "--no-uptime",
                                  "--delay",
                                  "20",
                                  "--jitter",
                                  "5",
                                  "--odd-sender",
                                  "--log",
                                  "/tmp/x.log",
                                  "--lifetime",
                                  "3000",
                                  "--restart-silence",
                                  "250",
                                  "--name-prefix",
                                  "Box"};
        QCOMPARE(SimCommandLine::parse(commandLine(options), &o, &message),
                 SimCommandLine::Parsed::Run);
        QCOMPARE(o.count, 4);
        QCOMPARE(o.passwords, QStringList(QList<QString>(4, QStringLiteral("pw"))));
        QCOMPARE(o.statusFlags, 0x80000001u);
        QCOMPARE(o.ignoreSearch, (QSet<int>{2, 4}));
        QCOMPARE(o.muteConfig, QSet<int>{3});
        QCOMPARE(o.forcedVerdict.value_or(0), -106);
        QCOMPARE(o.searchResult, -2);
        QVERIFY(o.foreign);
        QVERIFY(!o.withUpTime);
        QCOMPARE(o.delayMs, 20);
        QCOMPARE(o.jitterMs, 5);
        QVERIFY(o.oddSender);
        QCOMPARE(o.logPath, QStringLiteral("/tmp/x.log"));
        QCOMPARE(o.lifetimeMs, 3000);
        QCOMPARE(o.restartSilenceMs, 250);
        QCOMPARE(o.namePrefix, QStringLiteral("Box"));
    }

    void perDevicePasswordsOverride()
    {
        SimOptions o;
        QString message;
        QCOMPARE(SimCommandLine::parse(
                     commandLine({"--count", "3", "--password", "all", "--passwords", "a,,c"}), &o,
                     &message),
                 SimCommandLine::Parsed::Run);
        QCOMPARE(o.passwords, (QStringList{"a", "", "c"}));
    }

    void statusIsDecimalUnlessMarkedHex()
    {
        SimOptions o;
        QString message;
        QCOMPARE(SimCommandLine::parse(commandLine({"--status", "010"}), &o, &message),
                 SimCommandLine::Parsed::Run);
        QCOMPARE(o.statusFlags, 10u);
        QCOMPARE(SimCommandLine::parse(commandLine({"--status", "0X1f"}), &o, &message),
                 SimCommandLine::Parsed::Run);
        QCOMPARE(o.statusFlags, 31u);
    }

    void refusedCommandLines_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("no devices") << QStringList{"--count", "0"};
        QTest::newRow("too many devices") << QStringList{"--count", "5001"};
        QTest::newRow("count not a number") << QStringList{"--count", "two"};
        QTest::newRow("passwords short of count")
            << QStringList{"--count", "3", "--passwords", "a,b"};
        QTest::newRow("status over 32 bits") << QStringList{"--status", "0x100000000"};
        QTest::newRow("no such device") << QStringList{"--count", "3", "--ignore-search", "4"};
        QTest::newRow("device 0") << QStringList{"--mute-config", "0"};
        QTest::newRow("verdict beyond a byte") << QStringList{"--verdict", "128"};
        QTest::newRow("search result 0") << QStringList{"--search-result", "0"};
        QTest::newRow("negative delay") << QStringList{"--delay", "-1"};
        QTest::newRow("no lifetime") << QStringList{"--lifetime", "0"};
        QTest::newRow("lifetime beyond the limit") << QStringList{"--lifetime", "120001"};
        QTest::newRow("unknown option") << QStringList{"--bogus"};
        QTest::newRow("stray argument") << QStringList{"extra"};
    }

    void refusedCommandLines()
    {
        QFETCH(QStringList, options);
        SimOptions o;
        QString message;
        QCOMPARE(SimCommandLine::parse(commandLine(options), &o, &message),
                 SimCommandLine::Parsed::Invalid);
        QVERIFY(!message.isEmpty());
    }

    void helpNamesEveryOption()
    {
        SimOptions o;
        QString message;
        QCOMPARE(SimCommandLine::parse(commandLine({"--help"}), &o, &message),
                 SimCommandLine::Parsed::Help);
        const QStringList names{
            "--count",           "--password",   "--passwords",     "--status",  "--ignore-search",
            "--mute-config",     "--verdict",    "--search-result", "--foreign", "--no-uptime",
            "--delay",           "--jitter",     "--odd-sender",    "--log",     "--lifetime",
            "--restart-silence", "--name-prefix"};
        for (const QString &name : names)
            QVERIFY2(message.contains(name), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(TestSimOptions)
#include "tst_simoptions.moc"
