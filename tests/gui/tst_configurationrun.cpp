// The bookkeeping of a configuration operation, driven by records and ticks.
#include "configurationrun.h"
#include "fieldtags.h"

#include <QTest>

namespace {
QByteArray mac(int device)
{
    return QByteArray::fromHex("0253430000") + char(device);
}

ScoutelContainer answer(int command, int device, int result = 0)
{
    ScoutelContainer record;
    record->command = command;
    record->mac = mac(device);
    record->result = result;
    record->challenge = QByteArray(8, char(device));
    return record;
}
} // namespace

class TestConfigurationRun : public QObject
{
    Q_OBJECT

private:
    // "s1" for a search to device 1, "c2:<challenge byte>" for a configuration.
    QStringList sent;
    // The request at this index in sent fails.
    int failAt = -1;

    QString send(const QString &what)
    {
        sent << what;
        return sent.size() - 1 == failAt ? QStringLiteral("ERROR_WRITE") : QString();
    }

    ConfigurationRun makeRun(int targets)
    {
        ConfigurationRun run({[] {},
                              [this](const ScoutelContainer &t) {
                                  return send(QStringLiteral("s%1").arg(int(t->mac.back())));
                              },
                              [this](const ScoutelContainer &t) {
                                  return send(QStringLiteral("c%1:%2")
                                                  .arg(int(t->mac.back()))
                                                  .arg(int(t->challenge.back())));
                              }});
        for (int device = 1; device <= targets; ++device) {
            ScoutelContainer target;
            target->mac = mac(device);
            target->sendFields = FieldApply | FieldName;
            run.targets().append(target);
        }
        return run;
    }

private Q_SLOTS:
    void init()
    {
        sent.clear();
        failAt = -1;
    }

    void sendErrorsStopThePhase_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("report");
        // Nothing went out: no phase, no summary.
        QTest::newRow("first challenge") << 0 << QStringList{"s2"} << QString();
        QTest::newRow("second challenge")
            << 1 << QStringList{"s2", "s1"} << "02 53 43 00 00 01 does not respond\n";
        QTest::newRow("second configuration")
            << 3 << QStringList{"s2", "s1", "c1:1", "c2:2"} << "Send error: ERROR_WRITE\n";
    }

    void sendErrorsStopThePhase()
    {
        QFETCH(int, failing);
        QFETCH(QStringList, requests);
        QFETCH(QString, report);
        failAt = failing;
        ConfigurationRun run = makeRun(2);
        QCOMPARE(run.start().sendError.isEmpty(), failing > 1);
        run.receive(answer(Sctl::SearchAnswer, 2));
        if (failing != 1)
            run.receive(answer(Sctl::SearchAnswer, 1));
        QCOMPARE(sent, requests);
        std::optional<ConfigurationRun::Summary> summary;
        if (failing == 3)
            summary = run.receive(answer(Sctl::ConfigureAnswer, 1)).summary;
        for (int tick = 0; tick < ConfigurationRun::PhaseTicks && !summary; ++tick)
            summary = run.tick().summary;
        QCOMPARE(summary.has_value(), !report.isEmpty());
        QCOMPARE(summary.value_or(ConfigurationRun::Summary()).report, report);
        QCOMPARE(run.phase(), ConfigurationRun::Phase::Idle);
    }

    void answersThatDoNotCount()
    {
        ConfigurationRun run = makeRun(1);
        run.receiveError(QStringLiteral("dropped when the phase starts"));
        run.start();
        run.receive(answer(Sctl::ConfigureAnswer, 1)); // nothing was configured yet
        run.receive(answer(Sctl::SearchAnswer, 1, ResultSessionExpired));
        run.receive(answer(Sctl::SearchAnswer, 2));
        QCOMPARE(run.phase(), ConfigurationRun::Phase::Challenging);
        run.receiveError(QStringLiteral("dropped too"));
        run.receive(answer(Sctl::SearchAnswer, 1));
        QCOMPARE(sent, QStringList({"s1", "c1:1"}));
        run.receiveError(QStringLiteral("ERROR_IN_HEAD"));
        const ConfigurationRun::Step step = run.receive(answer(Sctl::ConfigureAnswer, 1));
        QVERIFY(step.summary && !step.clearDevices);
        QCOMPARE(step.summary->report, QStringLiteral("Receive error: ERROR_IN_HEAD\n"));
    }

    void clearingAbandonsTheChallenges()
    {
        ConfigurationRun run = makeRun(1);
        run.start();
        run.abandon();
        QVERIFY(!run.receive(answer(Sctl::SearchAnswer, 1)).idle);
        for (int tick = 0; tick < ConfigurationRun::PhaseTicks; ++tick)
            QVERIFY(!run.tick().summary);
        QCOMPARE(sent, QStringList{"s1"});
    }
};

QTEST_GUILESS_MAIN(TestConfigurationRun)
#include "tst_configurationrun.moc"
