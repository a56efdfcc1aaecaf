// A site plan of 2,000 rows against 2,000 devices: reading, checking and
// previewing it from the records in memory; scrolling its preview table from
// top to bottom; then the command line applying it to 2,000 simulated devices
// in one operation.
#include "dialogplan.h"
#include "netguard.h"
#include "planfleet.h"
#include "planpreview.h"
#include "simulatorprocess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int Devices = 2000;
constexpr int Rounds = 5;

// Every device renamed, half of them with a longer session: as Excel writes it.
QByteArray planText()
{
    QByteArray text = "\xEF\xBB\xBFmac_address;name;session_minutes\r\n";
    for (int i = 1; i <= Devices; ++i)
        text += QStringLiteral("02-53-43-00-%1-%2;Vault %3;%4\r\n")
                    .arg(i >> 8, 2, 16, QLatin1Char('0'))
                    .arg(i & 0xFF, 2, 16, QLatin1Char('0'))
                    .arg(i)
                    .arg(i % 2 ? QStringLiteral("30") : QString())
                    .toUtf8();
    return text;
}

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}
} // namespace

int main(int argc, char **argv)
{
    NetGuard::requirePrivateNetwork("scoutel-bench-plan");
    QApplication application(argc, argv);
    // Their addresses do not matter: the plan renames them.
    const QList<ScoutelContainer> fleet = planFleet(Devices);
    const QByteArray text = planText();

    QList<qint64> rounds;
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        const PlanPreview preview(PlanReader::read(text), fleet);
        rounds << clock.nsecsElapsed();
        if (preview.changing().size() != Devices)
            return std::fprintf(stderr, "the preview lost devices\n"), 1;
    }
    std::sort(rounds.begin(), rounds.end());
    std::printf("plan of %d rows against %d devices: read, checked, previewed in %.1f ms "
                "(median of %d; slowest %.1f ms)\n",
                Devices, Devices, ms(rounds.at(Rounds / 2)), Rounds, ms(rounds.last()));

    DialogPlan dialog(PlanPreview(PlanReader::read(text), fleet));
    dialog.show();
    QApplication::processEvents();
    auto *tree = dialog.findChild<QTreeWidget *>(QStringLiteral("treePlan"));
    QScrollBar *bar = tree->verticalScrollBar();
    qint64 slowest = 0;
    int steps = 0;
    for (int value = 0; value <= bar->maximum(); value += bar->pageStep(), ++steps) {
        QElapsedTimer clock;
        clock.start();
        bar->setValue(value);
        tree->viewport()->repaint();
        QApplication::processEvents();
        slowest = qMax(slowest, clock.nsecsElapsed());
    }
    std::printf("preview table: %d pages scrolled, slowest page %.1f ms\n", steps, ms(slowest));

    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("plan.csv")));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return std::fprintf(stderr, "the plan was not written\n"), 1;
    file.close();
    SimulatorProcess sim;
    if (!sim.start({QStringLiteral("--count"), QString::number(Devices)}))
        return std::fprintf(stderr, "%s\n", qPrintable(sim.errorString())), 1;
    // The search window and the wait for the answers: long enough for a starved simulator.
    const QString window = QStringLiteral("-t=4000");
    QProcess scoutel;
    QElapsedTimer clock;
    clock.start();
    scoutel.start(QStringLiteral(SCOUTEL_BIN_DIR "/scoutel"),
                  {"--plan=" + file.fileName(), QStringLiteral("--apply"),
                   QStringLiteral("-x=secret"), window});
    if (!scoutel.waitForFinished(120000))
        return std::fprintf(stderr, "the run did not end\n"), 1;
    const QList<QByteArray> lines = scoutel.readAllStandardError().trimmed().split('\n');
    std::printf("--plan --apply %s to %d simulated devices: status %d after %.0f ms, the "
                "search window included; %lld configuration requests reached the simulator, "
                "%lld applied; last line: %s\n",
                qPrintable(window), Devices, scoutel.exitCode(), ms(clock.nsecsElapsed()),
                qlonglong(sim.requests(3).size()),
                qlonglong(sim.events(QStringLiteral("apply")).size()), lines.last().constData());
    return 0;
}
