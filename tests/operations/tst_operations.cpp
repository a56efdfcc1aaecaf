// The configuration operation both modes drive, against the device simulator
// in a private network namespace, without a window. The window's and the
// command line's tests cover its phases, reports and request order end to end;
// here: which verdict makes the listed devices doubtful.
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
        DeviceSearch search(&client, 2);
        QList<ScoutelContainer> targets = searchOnce(search);
        QCOMPARE(targets.size(), 2);
        for (ScoutelContainer &target : targets) {
            target->name = QStringLiteral("Vault");
            target->password = QStringLiteral("secret");
            target->sendFields = FieldApply | FieldName;
        }
        ConfigurationOperation operation(&client, TickMs, PhaseTicks);
        QSignalSpy finished(&operation, &ConfigurationOperation::finished);
        QSignalSpy doubtful(&operation, &ConfigurationOperation::devicesDoubtful);
        operation.start(targets, ConfigurationRun::Challenges::AskEachTarget);
        QVERIFY(finished.wait(5000));
        QVERIFY(!finished.at(0).at(0).value<ConfigurationRun::Summary>().succeeded);
        QTEST(int(doubtful.size()), "doubtful");
    }
};

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
