#include "recordbench.h"

#include "configurationrun.h"
#include "fieldtags.h"
#include "operationline.h"
#include "operationlog.h"
#include "resultsdialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int Targets = 2000;
constexpr int LoggedOperations = 10000;
constexpr int Writes = 20;

// The run as the window drives it, its answers given here: every tenth
// target refuses the password, every seventh never answers.
OperationRecord finishedOperation()
{
    const auto sent = [](const ScoutelContainer &) { return QString(); };
    ConfigurationRun run({[] {}, sent, sent}, 1);
    for (int i = 0; i < Targets; ++i) {
        ScoutelContainer target;
        target->mac = QByteArray::fromHex("025343000000");
        target->mac[4] = char(i >> 8);
        target->mac[5] = char(i);
        target->name = QStringLiteral("Safe %1").arg(i);
        target->sendFields = FieldApply | FieldName | FieldNewPassword;
        target->newPassword = QStringLiteral("n3w");
        run.targets() << target;
    }
    run.start(ConfigurationRun::Challenges::Known);
    for (const ScoutelContainer &target : std::as_const(run.targets())) {
        const int i = (uchar(target->mac[4]) << 8) | uchar(target->mac[5]);
        if (i % 7 == 0)
            continue;
        ScoutelContainer answer = target;
        answer->command = Sctl::ConfigureAnswer;
        answer->result = i % 10 == 0 ? ResultWrongPassword : ResultOk;
        run.receive(answer);
    }
    return *run.tick().summary;
}

// From the button's click to the first paint of the table.
qint64 resultsShownUs(const OperationRecord &record)
{
    QElapsedTimer clock;
    clock.start();
    auto *dialog = new ResultsDialog(record);
    auto *viewport = dialog->findChild<QTableWidget *>()->viewport();
    dialog->show();
    bool painted = false;
    struct Watch : QObject
    {
        bool *painted;
        bool eventFilter(QObject *, QEvent *event) override
        {
            *painted = *painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    watch.painted = &painted;
    viewport->installEventFilter(&watch);
    while (!painted && !clock.hasExpired(10000))
        QApplication::processEvents();
    const qint64 us = clock.nsecsElapsed() / 1000;
    viewport->removeEventFilter(&watch);
    dialog->close();
    return painted ? us : -1;
}
} // namespace

bool benchRecord()
{
    const OperationRecord record = finishedOperation();
    std::printf("operation on %d targets: %d confirmed\n", Targets, record.confirmedCount());
    const qint64 shownUs = resultsShownUs(record);
    std::printf("results table of %d targets painted after %7.1f ms\n", Targets, shownUs / 1000.0);

    QTemporaryDir state;
    const OperationLog log(state.filePath(QStringLiteral("scoutel")));
    QList<qint64> writeUs;
    for (int i = 0; i < Writes; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!log.append(OperationLine::of(record, QStringLiteral("window"))).isEmpty())
            return false;
        writeUs << clock.nsecsElapsed() / 1000;
    }
    std::sort(writeUs.begin(), writeUs.end());
    std::printf("record of %d targets built and written: median %6.1f ms, longest %6.1f ms\n",
                Targets, writeUs.at(Writes / 2) / 1000.0, writeUs.last() / 1000.0);

    // Operations of a few devices each, as most are: the log rotates on the way.
    OperationRecord small = record;
    small.outcomes = record.outcomes.mid(0, 5);
    const QByteArray line = OperationLine::of(small, QStringLiteral("command line"));
    for (int i = 0; i < LoggedOperations; ++i) {
        if (!log.append(line).isEmpty())
            return false;
    }
    QProcess history;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), state.path());
    history.setProcessEnvironment(environment);
    history.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    history.start(QApplication::applicationDirPath() + QStringLiteral("/scoutel"),
                  {QStringLiteral("--history")});
    const bool ended = history.waitForFinished(60000) && history.exitCode() == 0;
    std::printf("scoutel --history over %d operations: %7.1f ms\n", LoggedOperations + Writes,
                clock.nsecsElapsed() / 1e6);
    return shownUs >= 0 && ended;
}
