#include "scoutelconsole.h"

#include "configurationanswer.h"
#include "configurationoperation.h"
#include "deviceblock.h"
#include "devicelist.h"
#include "devicememory.h"
#include "devicesearch.h"
#include "fieldtags.h"
#include "hextext.h"
#include "inventoryfile.h"
#include "operationline.h"
#include "operationlog.h"
#include "optionmap.h"
#include "planpreview.h"
#include "randomsource.h"
#include "resultcodes.h"
#include "scoutelclient.h"
#include "xmlformat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QTimer>

#include <cstdio>

namespace {
// One timeout is the search period, and again the wait for the configuration answer.
constexpr int PeriodTicks = 1;

// Flushed at once, so a script reading a pipe has each device as it answers.
void printToStandardOutput(const QByteArray &line)
{
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}
} // namespace

ScoutelConsole::ScoutelConsole(int argc, char **argv, QObject *parent)
    : QObject(parent), client(new ScoutelClient(this)), timer(new QTimer(this))
{
    // Without a fresh seed every run would reuse the same sequence numbers and
    // accept late answers meant for an earlier run.
    RandomSource::seed(quint32(QDateTime::currentMSecsSinceEpoch()));
    // A coarse timer may fire up to 5% early and cut the search window short.
    timer->setTimerType(Qt::PreciseTimer);
    parseArguments(argc, argv);
    if (pendingMessage.isEmpty() && client->lastError() != 0) {
        pendingCode = client->lastError();
        pendingMessage = tr("Error on client initialization: %1").arg(client->errorString());
    }
    // First: a failure ends the run before the search or the operation sees the answer.
    connect(client, &ScoutelClient::located, this, &ScoutelConsole::located);
    connect(timer, &QTimer::timeout, this, &ScoutelConsole::tick);
    const auto interfaceIndex = [this] { return settings.interfaceIndex; };
    search = new DeviceSearch(client, PeriodTicks, this);
    search->setInterfaceChoice(interfaceIndex);
    operation = new ConfigurationOperation(client, settings.timeout, PeriodTicks, this);
    operation->setInterfaceChoice(interfaceIndex);
    // Before the list: each device is printed with what the memory makes of it.
    memory = new DeviceMemory(search, operation, InventoryFile::defaultPath(), this);
    memory->setInterfaceChoice(interfaceIndex);
    connect(memory, &DeviceMemory::fileProblem, this,
            [](const QString &text) { qDebug().noquote() << text; });
    connect(search, &DeviceSearch::answered, this, &ScoutelConsole::searchAnswer);
    connect(search, &DeviceSearch::finished, this, &ScoutelConsole::endSearch);
    connect(operation, &ConfigurationOperation::sendFailed, this, [this](const QString &errorText) {
        fail(client->lastError(), tr("Send error: %1").arg(errorText));
    });
    connect(operation, &ConfigurationOperation::finished, this, &ScoutelConsole::report);
}

void ScoutelConsole::parseArguments(int argc, char **argv)
{
    applyOptions(splitArguments(argc, argv));
}

void ScoutelConsole::applyOptions(const OptionMap &options)
{
    const QString problem = applyConsoleOptions(options, settings, config);
    if (!problem.isEmpty()) {
        pendingCode = ErrorInvalidOption;
        pendingMessage = problem;
        return;
    }
    if (!settings.planFile.isEmpty()) {
        // A plan with problems of its own is refused before anything is sent.
        plan = PlanReader::readFile(settings.planFile);
        if (!plan->problems.isEmpty()) {
            pendingCode = ErrorPlanRefused;
            pendingMessage = plan->problems.join(QLatin1Char('\n'));
        }
    }
    const auto file = options.constFind(QStringLiteral("f"));
    if (file != options.constEnd()) {
        // Saving is a side job of the run: its outcome does not change the run,
        // but a file the user asked for and did not get is worth a line.
        XmlFormat format;
        if (format.save(*file, &config) != 0)
            qDebug().noquote()
                << tr("The configuration was not saved to %1: %2").arg(*file, format.lastError());
    }
}

void ScoutelConsole::start()
{
    if (!pendingMessage.isEmpty())
        return fail(pendingCode, pendingMessage);
    if (!search->start())
        return fail(client->lastError(), tr("Send error: %1").arg(client->errorString()));
    state = Searching;
    timer->start(settings.timeout);
}

void ScoutelConsole::sendConfiguration()
{
    if (!ConfigurationAnswer::hasSomethingToSend(*config.constData()))
        return fail(ErrorNothingToSend, tr("No data to send."));
    state = Configuring;
    operation->start({config}, ConfigurationRun::Challenges::Known, {{found->mac, found}});
}

void ScoutelConsole::tick()
{
    timer->stop();
    if (state == Searching)
        search->tick();
}

void ScoutelConsole::endSearch()
{
    if (plan)
        return runPlan();
    if (settings.missing)
        return printMissing();
    if (search->found() == 0)
        return fail(ErrorNoDevice, tr("No device found."));
    if (settings.listOnly) {
        qDebug() << "# Search complete";
        return finish(0);
    }
    if (search->found() > 1)
        return fail(ErrorSeveralDevices, tr("More than one device found, there must be only one."));
    sendConfiguration();
}

void ScoutelConsole::printMissing()
{
    const QList<InventoryEntry> missing = memory->inventory().missing();
    for (const InventoryEntry &entry : missing) {
        if (settings.json) {
            printToStandardOutput(DeviceList::jsonLine(Inventory::entryJson(entry)));
        } else {
            qDebug().noquote() << missingLine(entry);
        }
    }
    qDebug() << "# Search complete";
    finish(0);
}

void ScoutelConsole::located(int result, ScoutelContainer record)
{
    if (state == Finished)
        return;
    if (result != 0)
        return fail(result, tr("Receive error: %1").arg(client->errorString()));
    const ScoutelSharedData &answer = *record.constData();
    // A decoded answer always names its device; a record without a MAC carries
    // nothing. The operation judges configuration answers.
    if (!answer.mac.isEmpty() && answer.command != Sctl::ConfigureAnswer && answer.result != 0)
        fail(answer.result, errorOn(answer));
}

void ScoutelConsole::report(const OperationRecord &record)
{
    keep(record);
    if (plan) {
        if (!record.succeeded())
            return fail(ErrorPlanFailed, record.report().trimmed());
        return succeed(tr("Every planned device took its row."));
    }
    const TargetOutcome &outcome = record.outcomes.constFirst();
    const QString mac = hexText(outcome.mac());
    switch (outcome.kind) {
    case TargetOutcome::Kind::Confirmed:
        return succeed(mac + QLatin1Char('\n') + outcome.answeredFrom.toString());
    case TargetOutcome::Kind::Refused:
        return fail(outcome.code,
                    tr("Error on %1: %2").arg(mac, ResultCodes::plainText(outcome.code)));
    default:
        // A send error has ended the run already.
        return fail(ErrorConfigTimeout, tr("Timeout on config."));
    }
}

void ScoutelConsole::keep(const OperationRecord &record)
{
    const QByteArray line = OperationLine::of(record, QStringLiteral("command line"));
    if (settings.json)
        printToStandardOutput(line + '\n');
    const QString problem = OperationLog().append(line);
    if (!problem.isEmpty())
        qDebug().noquote() << tr("The operation was not recorded in the log: %1").arg(problem);
}

void ScoutelConsole::runPlan()
{
    const PlanPreview preview(*plan, search->devices().values());
    // When the plan is applied, standard output carries the record alone.
    const bool previewAsJson = settings.json && !settings.applyPlan;
    const QStringList lines = previewAsJson ? QStringList() : preview.textLines();
    for (const QString &line : lines)
        qDebug().noquote() << line;
    if (previewAsJson)
        printToStandardOutput(preview.jsonLines());
    if (!preview.problems().isEmpty())
        return fail(ErrorPlanRefused, preview.problems().join(QLatin1Char('\n')));
    if (!settings.applyPlan)
        return succeed(tr("The plan was checked; nothing was sent."));
    const QList<ScoutelContainer> targets = preview.targets(config->password, preview.changing());
    if (targets.isEmpty())
        return succeed(tr("Nothing to change."));
    state = Configuring;
    operation->start(targets, ConfigurationRun::Challenges::Known, search->devices());
}

QString ScoutelConsole::errorOn(const ScoutelSharedData &answer)
{
    return tr("Error on %1: %2").arg(hexText(answer.mac), answer.resultText());
}

void ScoutelConsole::searchAnswer(const ScoutelContainer &record, bool first)
{
    if (state != Searching || plan)
        return;
    // A device may answer twice: it counts once, and its latest challenge is the valid one.
    const ScoutelSharedData &answer = *record.constData();
    found = record;
    ScoutelSharedData *target = config.data();
    target->mac = answer.mac;
    target->sender = answer.sender;
    target->challenge = answer.challenge;
    target->interfaceIndex = answer.interfaceIndex;
    if (!settings.listOnly || !first)
        return;
    if (settings.missing)
        return;
    if (settings.json) {
        QJsonObject object = DeviceList::toJson(answer);
        Inventory::addMemoryKeys(object, *memory->inventory().find(answer.mac),
                                 memory->noted(answer.mac));
        return printToStandardOutput(DeviceList::jsonLine(object));
    }
    const QStringList lines = deviceBlock(record, search->found());
    for (const QString &line : lines)
        qDebug().noquote() << line;
}

void ScoutelConsole::fail(int code, const QString &message)
{
    Q_ASSERT(code != 0);
    printAndFinish(code, message);
}

void ScoutelConsole::succeed(const QString &message)
{
    printAndFinish(0, message);
}

void ScoutelConsole::printAndFinish(int status, const QString &message)
{
    if (state == Finished)
        return;
    qDebug() << status;
    qDebug().noquote() << message;
    finish(status);
}

void ScoutelConsole::finish(int status)
{
    if (state == Finished)
        return;
    state = Finished;
    timer->stop();
    // Queued, so that it also ends a loop that has not started yet.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); },
        Qt::QueuedConnection);
}
