#include "memorybench.h"

#include "benchfleets.h"
#include "inventoryfile.h"
#include "simdevice.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int Remembered = 10000;
constexpr int Answering = 2000;
constexpr int Rounds = 5;

// Device i: the fleet's own up to Answering, every tenth of them under an
// older name; beyond, devices of the same network that stay silent.
Inventory rememberedDevices()
{
    Inventory inventory;
    inventory.beginSearch();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (int i = 1; i <= Remembered; ++i) {
        ScoutelSharedData r;
        r.mac = i <= Answering ? SimDevice::macOf(i) : QByteArray::fromHex("020000000000");
        if (i > Answering) {
            r.mac[4] = char(i >> 8);
            r.mac[5] = char(i);
        }
        r.sender = SimDevice::addressOf(i);
        r.ipAddress = r.sender;
        r.subnetMask = QHostAddress(QStringLiteral("255.0.0.0"));
        r.interfaceName = QStringLiteral("lo");
        r.interfaceSubnets = {{QHostAddress(QStringLiteral("127.0.0.1")), 8}};
        r.name = QStringLiteral("%1 %2").arg(i % 10 ? "Safe" : "Old").arg(i);
        r.mainPort = 10000 + i;
        r.presentFields = FieldName | FieldIpAddress | FieldSubnetMask | FieldMainPort;
        inventory.see(r, now - 86400000);
    }
    return inventory;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The longest gap between the ticks of a 1 ms timer until done() holds (at
// most 10 s).
double longestStallMs(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    qint64 lastUs = 0;
    qint64 longestUs = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 nowUs = clock.nsecsElapsed() / 1000;
        longestUs = qMax(longestUs, nowUs - lastUs);
        lastUs = nowUs;
    });
    probe.start(1);
    while (!done() && !clock.hasExpired(10000))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return longestUs / 1000.0;
}

// Milliseconds from the window's creation until it is first painted.
double windowShownMs()
{
    QElapsedTimer clock;
    clock.start();
    Scoutel window;
    struct PaintSeen : QObject
    {
        QElapsedTimer *clock = nullptr;
        qint64 paintedNs = -1;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && paintedNs < 0)
                paintedNs = clock->nsecsElapsed();
            return false;
        }
    } seen;
    seen.clock = &clock;
    window.installEventFilter(&seen);
    window.show();
    while (seen.paintedNs < 0 && !clock.hasExpired(5000))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return seen.paintedNs / 1e6;
}
} // namespace

bool benchMemory(const SearchOnce &searchOnce)
{
    const QString path = InventoryFile::defaultPath();
    const Inventory inventory = rememberedDevices();
    QList<double> saves;
    QList<double> loads;
    bool ok = true;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        ok = ok && InventoryFile::save(path, inventory).isEmpty();
        saves << clock.nsecsElapsed() / 1e6;
        clock.restart();
        ok = ok && InventoryFile::load(path).inventory.size() == Remembered;
        loads << clock.nsecsElapsed() / 1e6;
    }
    std::printf(
        "device memory of %d devices (%.1f MB): save %.1f ms, load %.1f ms (median of %d)\n",
        Remembered, QFile(path).size() / 1e6, median(saves), median(loads), Rounds);
    QList<double> without;
    QList<double> with;
    for (int round = 0; round < Rounds; ++round) {
        QFile::remove(path);
        without << windowShownMs();
        ok = ok && InventoryFile::save(path, inventory).isEmpty();
        with << windowShownMs();
    }
    std::printf("window shown after %.1f ms without a device memory, %.1f ms with %d devices "
                "(median of %d)\n",
                median(without), median(with), Remembered, Rounds);

    std::vector<std::unique_ptr<SimulatorProcess>> simulators;
    QString error;
    if (!BenchFleet::all().at(2).start(&simulators, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    for (const bool greyed : {false, true}) {
        QSettings().setValue(QStringLiteral("System/showMissingDevices"), greyed);
        ok = ok && InventoryFile::save(path, inventory).isEmpty();
        Scoutel window;
        window.show();
        // The window reads its memory once it is painted; a period's end
        // saves it and, when asked, writes the rows of the missing.
        QElapsedTimer started;
        started.start();
        const double reading = longestStallMs([&] { return started.hasExpired(500); });
        const Search search = searchOnce(window, Answering);
        auto *refresh = window.findChild<QAbstractButton *>(QStringLiteral("buttonRefresh"));
        const double ending = longestStallMs([&] { return refresh->isEnabled(); });
        ok = ok && search.shownUs >= 0;
        std::printf("%d devices against a memory of %d%s: last row shown after %.1f ms, longest "
                    "stall %.1f ms, until the period ended %.1f ms; reading the memory after "
                    "the window showed: longest stall %.1f ms\n",
                    Answering, Remembered, greyed ? ", missing shown" : "", search.shownUs / 1000.0,
                    search.longestStallUs / 1000.0, ending, reading);
        std::fflush(stdout);
    }
    QSettings().remove(QStringLiteral("System/showMissingDevices"));
    return ok;
}
