// The search and the configuration operation both modes drive, against the
// device simulator in a private network namespace, without a window.
#include "configurationoperation.h"
#include "devicesearch.h"
#include "fieldtags.h"
#include "netguard.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
constexpr int TickMs = 100;
constexpr int PhaseTicks = 3;

// Ticks the search until its period ends; the devices that answered it.
QList<ScoutelContainer> searchOnce(DeviceSearch &search)
{
    QSignalSpy finished(&search, &DeviceSearch::finished);
    QList<ScoutelContainer> found;
    const QMetaObject::Connection collect = QObject::connect(
        &search, &DeviceSearch::answered, [&found](const ScoutelContainer &record, bool first) {
            if (first)
                found.append(record);
        });
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &search, &DeviceSearch::tick);
    ticks.start(TickMs);
    search.start();
    const bool ended = finished.wait(5000);
    QObject::disconnect(collect);
    return ended ? found : QList<ScoutelContainer>();
}
} // namespace

class TestOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { NetGuard::requirePrivateNetwork("tst_operations"); }

    // Each device counts once a period, however often it answers; the next
    // period lists the devices that stayed silent as stale.
    void searchPeriods()
    {
        SimulatorProcess sim;
        SCOUTEL_START_SIM(sim, QStringList({"--count", "3", "--answer-twice"}));
        ScoutelClient client;
        DeviceSearch search(&client, 2);
        QSignalSpy answers(&search, &DeviceSearch::answered);
        QSignalSpy finished(&search, &DeviceSearch::finished);
        QCOMPARE(searchOnce(search).size(), 3);
        QCOMPARE(search.found(), 3);
        QCOMPARE(answers.size(), 6);
        QCOMPARE(finished.takeFirst().at(0).value<QList<QByteArray>>(), QList<QByteArray>());
        QVERIFY(!search.isSearching());

        sim.stop();
        search.setContinuous(true);
        QVERIFY(searchOnce(search).isEmpty() && finished.size() == 1);
        QCOMPARE(finished.takeFirst().at(0).value<QList<QByteArray>>().size(), 3);
        // Continuous: the next period started at once.
        QVERIFY(search.isSearching());
        QCOMPARE(search.devices().size(), 3);
    }

    void configure_data()
    {
        QTest::addColumn<QStringList>("simulator");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("searches");
        QTest::addColumn<int>("configures");
        QTest::addColumn<QString>("report");
        QTest::addColumn<int>("doubtful");
        const QString silent = "02 53 43 00 00 02 does not respond\n";
        QTest::newRow("both answer") << QStringList() << false << 2 << 2 << "" << 0;
        QTest::newRow("known challenges") << QStringList() << true << 0 << 2 << "" << 0;
        QTest::newRow("one silent in the challenge phase")
            << QStringList({"--ignore-search", "2"}) << false << 2 << 0 << silent << 0;
        QTest::newRow("one silent in the configuration phase")
            << QStringList({"--mute-config", "2"}) << false << 2 << 2 << silent << 0;
        QTest::newRow("wrong password keeps the devices")
            << QStringList({"--verdict", "-106"}) << false << 2 << 2
            << "02 53 43 00 00 01: wrong password\n02 53 43 00 00 02: wrong password\n"
            << 0;
        QTest::newRow("session expired makes them doubtful")
            << QStringList({"--verdict", "-105"}) << false << 2 << 2
            << "02 53 43 00 00 01: session expired\n02 53 43 00 00 02: session expired\n"
            << 2;
    }

    // Challenges from each target, last target first, then one configuration
    // each, then one summary.
    void configure()
    {
        QFETCH(QStringList, simulator);
        QFETCH(bool, known);
        auto sim = std::make_unique<SimulatorProcess>();
        SCOUTEL_START_SIM(*sim, QStringList({"--count", "2"}));
        ScoutelClient client;
        DeviceSearch search(&client, 2);
        QList<ScoutelContainer> targets = searchOnce(search);
        QCOMPARE(targets.size(), 2);
        if (!simulator.isEmpty()) {
            sim = std::make_unique<SimulatorProcess>();
            SCOUTEL_START_SIM(*sim, QStringList({"--count", "2"}) + simulator);
        }
        for (ScoutelContainer &target : targets) {
            target->name = QStringLiteral("Vault");
            target->password = QStringLiteral("secret");
            target->sendFields = FieldApply | FieldName;
        }
        ConfigurationOperation operation(&client, TickMs, PhaseTicks);
        QSignalSpy finished(&operation, &ConfigurationOperation::finished);
        QSignalSpy doubtful(&operation, &ConfigurationOperation::devicesDoubtful);
        const qsizetype from = sim->log().size();
        operation.start(targets, known ? ConfigurationRun::Challenges::Known
                                       : ConfigurationRun::Challenges::AskEachTarget);
        QVERIFY(operation.isRunning());
        QVERIFY(finished.wait(5000));
        QVERIFY(!operation.isRunning());
        const auto summary = finished.at(0).at(0).value<ConfigurationRun::Summary>();
        QTEST(summary.report, "report");
        QCOMPARE(summary.succeeded, summary.report.isEmpty());
        const QList<QJsonObject> searches = sim->requests(Sctl::SearchRequest, from);
        QTEST(int(searches.size()), "searches");
        if (!searches.isEmpty())
            QCOMPARE(searches.first()["mac"].toString(), "02 53 43 00 00 02");
        QTEST(int(sim->requests(Sctl::ConfigureRequest, from).size()), "configures");
        QTEST(int(doubtful.size()), "doubtful");
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
