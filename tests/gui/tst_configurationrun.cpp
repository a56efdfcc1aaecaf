// The bookkeeping of a configuration operation, driven by records and ticks:
// what the end-to-end tests cannot provoke (send errors, Clear mid-phase).
#include "configurationrun.h"
#include "fieldtags.h"

#include <QTest>

namespace {
ScoutelContainer record(int command, int device, int result = 0)
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

class TestConfigurationRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sendErrorsAndClear_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("report");
        QTest::newRow("first challenge, nothing out") << 0 << QStringList{"s2"} << QString();
        QTest::newRow("second challenge")
            << 1 << QStringList{"s2", "s1"} << "02 53 43 00 00 01 does not respond\n";
        QTest::newRow("second configuration")
            << 3 << QStringList{"s2", "s1", "c1:1", "c2:2"} << "Send error: ERROR_WRITE\n";
        QTest::newRow("Clear in the challenge phase") << -2 << QStringList{"s2", "s1"} << QString();
    }

    void sendErrorsAndClear()
    {
        QFETCH(int, failing);
        QFETCH(QStringList, requests);
        QFETCH(QString, report);
        QStringList sent;
        const auto send = [&](const QString &what) {
            sent << what;
            return sent.size() - 1 == failing ? QStringLiteral("ERROR_WRITE") : QString();
        };
        ConfigurationRun run({[] {},
                              [&](const ScoutelContainer &t) {
                                  return send(QStringLiteral("s%1").arg(int(t->mac.back())));
                              },
                              [&](const ScoutelContainer &t) {
                                  return send(QStringLiteral("c%1:%2")
                                                  .arg(int(t->mac.back()))
                                                  .arg(int(t->challenge.back())));
                              }});
        run.targets() = {record(0, 1), record(0, 2)};
        run.targets()[0]->challenge.clear();
        run.receiveError(QStringLiteral("dropped when the phase starts"));
        QCOMPARE(run.start().sendError.isEmpty(), failing < 0 || failing > 1);
        if (failing == -2)
            run.abandon();
        run.receive(record(Sctl::SearchAnswer, 1, ResultSessionExpired)); // no challenge
        run.receive(record(Sctl::SearchAnswer, 2));
        if (failing != 1)
            run.receive(record(Sctl::SearchAnswer, 1));
        QCOMPARE(sent, requests);
        std::optional<ConfigurationRun::Summary> summary;
        if (failing == 3)
            summary = run.receive(record(Sctl::ConfigureAnswer, 1)).summary;
        for (int tick = 0; tick < ConfigurationRun::PhaseTicks && !summary; ++tick)
            summary = run.tick().summary;
        QCOMPARE(summary.has_value(), !report.isEmpty());
        QCOMPARE(summary.value_or(ConfigurationRun::Summary()).report, report);
        QCOMPARE(run.phase(), ConfigurationRun::Phase::Idle);
    }
};

QTEST_GUILESS_MAIN(TestConfigurationRun)
#include "tst_configurationrun.moc"
