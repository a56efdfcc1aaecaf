// The configuration operation both modes drive, against the device simulator
// in a private network namespace, without a window. The window's and the
// command line's tests cover its phases, reports and request order end to end;
// here: which verdict makes the listed devices doubtful, and a period's end on
// a loop too busy to read the answers as they came.
#include "configurationoperation.h"
#include "devicesearch.h"
#include "fieldtags.h"
#include "netguard.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

namespace {
constexpr int TickMs = 100;
constexpr int PhaseTicks = 3;
constexpr int PeriodTicks = 2;
// A ceiling for answers, generous for a loaded machine.
constexpr int AnswerWaitMs = 30000;

// The devices whose first answer of the running period came.
struct FirstAnswers : QList<ScoutelContainer>
{
    explicit FirstAnswers(DeviceSearch *search)
    {
        QObject::connect(search, &DeviceSearch::answered,
                         [this](const ScoutelContainer &record, bool first) {
                             if (first)
                                 append(record);
                         });
    }
};

// Ends the running period as its timer would.
void endPeriod(DeviceSearch &search)
{
    for (int tick = 0; tick < PeriodTicks; ++tick)
        search.tick();
}
} // namespace

class TestOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_operations"); }

    void doubtfulDevices_data()
    {
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("doubtful");
        QTest::newRow("wrong password keeps the devices") << "-106" << 0;
        QTest::newRow("session expired makes them doubtful") << "-105" << 2;
    }

    void doubtfulDevices()
    {
        QFETCH(QString, verdict);
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--count", "2", "--verdict", verdict}));
        ScoutelClient client;
        DeviceSearch search(&client, PeriodTicks);
        FirstAnswers targets(&search);
        QVERIFY(search.start());
        QTRY_COMPARE_WITH_TIMEOUT(targets.size(), 2, AnswerWaitMs);
        endPeriod(search);
        for (ScoutelContainer &target : targets) {
            target->name = QStringLiteral("Vault");
            target->password = QStringLiteral("secret");
            target->sendFields = FieldApply | FieldName;
        }
        ConfigurationOperation operation(&client, TickMs, PhaseTicks);
        QSignalSpy finished(&operation, &ConfigurationOperation::finished);
        QSignalSpy doubtful(&operation, &ConfigurationOperation::devicesDoubtful);
        operation.start(targets, ConfigurationRun::Challenges::AskEachTarget);
        QVERIFY(finished.wait(AnswerWaitMs));
        QVERIFY(!finished.at(0).at(0).value<OperationRecord>().succeeded());
        QTEST(int(doubtful.size()), "doubtful");
    }

    // The answers wait in the socket while the loop is busy; the period's end
    // counts every one that came, so none of these devices is stale.
    void busyLoopLosesNoAnswer()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--count", "600"}));
        ScoutelClient client;
        DeviceSearch search(&client, PeriodTicks);
        FirstAnswers found(&search);
        QSignalSpy finished(&search, &DeviceSearch::finished);
        QVERIFY(search.start());
        // A second request, sent after the simulator logged the first one's
        // answers: once it is logged too, every answer to the first was sent.
        const auto logged = [&](int count) {
            QDeadlineTimer deadline(AnswerWaitMs);
            while (sim.events("request").size() < count && !deadline.hasExpired())
                QThread::msleep(10); // without serving the loop: the busy part
        };
        logged(600);
        QCOMPARE(client.search(-1, nullptr), 0);
        logged(1200);
        endPeriod(search);
        QCOMPARE(found.size(), 600);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.at(0).at(0).value<QList<QByteArray>>(), QList<QByteArray>());
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
