#include "applybench.h"

#include "dialogedit.h"
#include "scoutel.h"
#include "simulatorprocess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {
constexpr int TargetCounts[] = {10, 100, 500};
// Both phases answer within a second; the time-outs would end them after 5.
constexpr int WaitMs = 15000;
constexpr int SettleMs = 500;

template <typename T> T *visible()
{
    const QWidgetList shown = QApplication::topLevelWidgets();
    for (QWidget *widget : shown) {
        if (auto *found = qobject_cast<T *>(widget); found && found->isVisible())
            return found;
    }
    return nullptr;
}

// Clicked from the event loop: the dialog and the box run loops of their own.
void press(QAbstractButton *button)
{
    QMetaObject::invokeMethod(button, &QAbstractButton::click, Qt::QueuedConnection);
}

struct Apply
{
    qint64 summaryUs = -1;
    qint64 longestStallUs = 0;
    QString summary;
};

bool searchOnce(Scoutel &window, int devices)
{
    auto *refresh = window.findChild<QAbstractButton *>(QStringLiteral("buttonRefresh"));
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("tree"));
    refresh->click();
    QElapsedTimer waited;
    waited.start();
    while (!refresh->isEnabled() && !waited.hasExpired(WaitMs))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return tree->topLevelItemCount() == devices;
}

Apply applyOnce(Scoutel &window)
{
    Apply apply;
    QElapsedTimer clock;
    qint64 lastTickUs = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 nowUs = clock.nsecsElapsed() / 1000;
        apply.longestStallUs = qMax(apply.longestStallUs, nowUs - lastTickUs);
        lastTickUs = nowUs;
    });

    QEventLoop loop;
    QElapsedTimer settled;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        if (auto *box = visible<QMessageBox>()) {
            if (!clock.isValid())
                return press(box->button(QMessageBox::Ok));
            apply.summaryUs = clock.nsecsElapsed() / 1000;
            // The wait since the probe's last tick counts too.
            apply.longestStallUs = qMax(apply.longestStallUs, apply.summaryUs - lastTickUs);
            apply.summary = box->text();
            probe.stop();
            press(box->button(QMessageBox::Ok));
            return loop.quit();
        }
        auto *dialog = visible<DialogEdit>();
        if (!dialog || clock.isValid())
            return;
        // The dialog's first layout and paint come before OK and are not measured.
        if (!settled.isValid())
            return settled.start();
        if (!settled.hasExpired(SettleMs))
            return;
        dialog->findChild<QLineEdit *>(QStringLiteral("editPassword"))
            ->setText(QStringLiteral("secret"));
        dialog->findChild<QCheckBox *>(QStringLiteral("checkDurate"))->setChecked(true);
        dialog->findChild<QCheckBox *>(QStringLiteral("checkRestart"))->setChecked(false);
        clock.start();
        probe.start(1);
        press(dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok));
    });
    watcher.start(1);
    QTimer::singleShot(WaitMs, &loop, &QEventLoop::quit);
    window.findChild<QTreeWidget *>(QStringLiteral("tree"))->selectAll();
    QMetaObject::invokeMethod(window.findChild<QAbstractButton *>(QStringLiteral("buttonEdit")),
                              &QAbstractButton::click, Qt::QueuedConnection);
    loop.exec();
    return apply;
}
} // namespace

bool benchApply()
{
    bool complete = true;
    for (const int targets : TargetCounts) {
        SimulatorProcess simulator;
        if (!simulator.start({QStringLiteral("--count"), QString::number(targets),
                              QStringLiteral("--log"), QString(), QStringLiteral("--lifetime"),
                              QStringLiteral("60000")})) {
            std::fprintf(stderr, "%s\n", qPrintable(simulator.errorString()));
            return false;
        }
        Scoutel window;
        window.show();
        if (!searchOnce(window, targets)) {
            std::fprintf(stderr, "%d devices were not all listed\n", targets);
            return false;
        }
        const Apply result = applyOnce(window);
        complete = complete && result.summaryUs >= 0;
        std::printf(
            "%5d targets configured: summary after %s, longest stall %6.1f ms (%s)\n", targets,
            result.summaryUs < 0
                ? "   (none)"
                : qPrintable(QStringLiteral("%1 ms").arg(result.summaryUs / 1000.0, 7, 'f', 1)),
            result.longestStallUs / 1000.0, qPrintable(result.summary));
        std::fflush(stdout);
    }
    return complete;
}
