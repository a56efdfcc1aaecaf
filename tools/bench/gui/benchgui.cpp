// How the window copes when 100, 500 and 2,000 simulated devices answer one
// search: time from the request until the last row is painted, the longest
// stall of the event loop meanwhile, and the resident memory with 2,000 rows;
// with 2,000 rows, export, find and sort, and searches while the rows are
// sorted; the same search of 1,000 devices on each of two networks through
// every interface; the device memory of 10,000 devices; then how long
// configuring 10, 100 and 500 of them takes; and the record of an operation on
// 2,000: its results table, its log line, and --history over 10,000 logged
// operations.
#include "applicationidentity.h"
#include "applybench.h"
#include "benchfleets.h"
#include "listbench.h"
#include "memorybench.h"
#include "netguard.h"
#include "recordbench.h"
#include "scoutel.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
// The fleet whose rows the list operations and the sorted searches use.
constexpr int ListedFleet = 2;
constexpr int SearchesPerSize = 2;
// The search period is 2 ticks of 1 s; the last row must be shown before it ends.
constexpr int WaitMs = 2000;

qint64 residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Notes the first paint of the tree after the window took in every answer.
class PaintWatch : public QObject
{
public:
    PaintWatch(Scoutel &window, int expectedAnswers, QElapsedTimer *sinceRequest)
        : answers(expectedAnswers), clock(sinceRequest)
    {
        window.findChild<QTreeWidget *>(QStringLiteral("tree"))
            ->viewport()
            ->installEventFilter(this);
        // Connected after the window's own slot, so it runs once the row is written.
        connect(window.findChild<ScoutelClient *>(), &ScoutelClient::located, this,
                [this](int result) { answers -= result == 0 ? 1 : 0; });
    }

    qint64 shownUs = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && shownUs < 0 && answers <= 0)
            shownUs = clock->nsecsElapsed() / 1000;
        return false;
    }

private:
    int answers;
    QElapsedTimer *clock;
};

Search searchOnce(Scoutel &window, int devices)
{
    auto *refresh = window.findChild<QAbstractButton *>(QStringLiteral("buttonRefresh"));
    QElapsedTimer clock;
    PaintWatch watch(window, devices, &clock);
    Search search;

    // A 1 ms timer: the longest gap between its ticks is the longest stall.
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    qint64 lastTickUs = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 nowUs = clock.nsecsElapsed() / 1000;
        search.longestStallUs = qMax(search.longestStallUs, nowUs - lastTickUs);
        lastTickUs = nowUs;
    });

    QEventLoop loop;
    QTimer::singleShot(WaitMs, &loop, &QEventLoop::quit);
    probe.start(1);
    clock.start();
    refresh->click();
    loop.exec();
    search.shownUs = watch.shownUs;
    return search;
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir store;
    if (!store.isValid())
        return 1;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(name, store.path().toUtf8());
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    // The store the window reads, for the interface chosen here.
    setApplicationIdentity();
    NetGuard::requirePrivateNetwork(argv[0]);

    bool missed = false;
    bool listed = false;
    for (const BenchFleet &fleet : BenchFleet::all()) {
        std::vector<std::unique_ptr<SimulatorProcess>> simulators;
        QString error;
        if (!fleet.start(&simulators, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const int devices = fleet.devices();
        const QString where = fleet.where();
        QSettings().setValue(QStringLiteral("System/interfaceIndex"), fleet.interfaceIndex);
        BenchWindow window;
        window.show();
        // The first paint of the window is not part of a search.
        QEventLoop settle;
        QTimer::singleShot(200, &settle, &QEventLoop::quit);
        settle.exec();
        for (int run = 1; run <= SearchesPerSize; ++run) {
            const Search result = searchOnce(window, devices);
            missed = missed || result.shownUs < 0;
            std::printf("%5d devices%s, search %d (%s): last row shown after %s, longest stall "
                        "%6.1f ms\n",
                        devices, qPrintable(where), run, run == 1 ? "new rows" : "updates",
                        result.shownUs < 0 ? "   (not within the period)"
                                           : qPrintable(QStringLiteral("%1 ms").arg(
                                                 result.shownUs / 1000.0, 7, 'f', 1)),
                        result.longestStallUs / 1000.0);
            std::fflush(stdout);
        }
        if (devices < 2000)
            continue;
        std::printf("resident memory with %d rows%s: %.1f MB\n", devices, qPrintable(where),
                    residentKiB() / 1024.0);
        if (&fleet != &BenchFleet::all().at(ListedFleet))
            continue;
        listed = benchList(window);
        // The rows sorted: updated in place, then written anew after Clear.
        for (const char *rows : {"updates", "new rows"}) {
            const Search sorted = searchOnce(window, devices);
            missed = missed || sorted.shownUs < 0;
            std::printf("%5d devices, sorted, %s: last row shown after %7.1f ms, longest stall "
                        "%6.1f ms\n",
                        devices, rows, sorted.shownUs / 1000.0, sorted.longestStallUs / 1000.0);
            window.findChild<QAction *>(QStringLiteral("actionClear"))->trigger();
        }
    }
    QSettings().remove(QStringLiteral("System/interfaceIndex"));
    const bool remembered = benchMemory(searchOnce);
    const bool applied = benchApply();
    const bool recorded = benchRecord();
    return missed || !listed || !remembered || !applied || !recorded ? 1 : 0;
}
