#include "configurationoperation.h"

#include "networkinterfaces.h"
#include "scoutelclient.h"

#include <QTimer>

ConfigurationOperation::ConfigurationOperation(ScoutelClient *operationClient, int tickMs,
                                               int phaseTicks, QObject *parent)
    : QObject(parent), client(operationClient),
      interfaceIndex([] { return int(NetworkInterfaces::SystemChoice); }),
      run(requests(), phaseTicks), timer(new QTimer(this))
{
    // A coarse timer may fire up to 5% early and cut a phase short.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(tickMs);
    connect(timer, &QTimer::timeout, this, &ConfigurationOperation::tick);
    connect(client, &ScoutelClient::located, this, &ConfigurationOperation::located);
}

ConfigurationRun::Requests ConfigurationOperation::requests()
{
    const auto sent = [this](int result) {
        return result == 0 ? QString() : client->errorString();
    };
    return {[this] { client->clearSequences(); },
            [this, sent](const ScoutelContainer &target) {
                return sent(client->search(interfaceIndex(), &target));
            },
            [this, sent](const ScoutelContainer &target) {
                return sent(client->configure(interfaceIndex(), &target));
            }};
}

void ConfigurationOperation::start(const QList<ScoutelContainer> &targets,
                                   ConfigurationRun::Challenges challenges,
                                   const ConfigurationRun::Found &found)
{
    const ConfigurationRun::Phase before = run.phase();
    run.reset();
    run.targets() = targets;
    follow(before, run.start(challenges, found));
}

void ConfigurationOperation::tick()
{
    const ConfigurationRun::Phase before = run.phase();
    // Answers that came within the phase count, though a busy loop left them
    // waiting; when they end the phase, the next one has its whole time.
    client->readArrived();
    if (run.phase() == before && run.isRunning())
        follow(before, run.tick());
}

void ConfigurationOperation::located(int protocolResult, const ScoutelContainer &record)
{
    if (protocolResult != 0)
        return Q_EMIT receiveFailed(run.receiveError(client->errorString()));
    const ConfigurationRun::Phase before = run.phase();
    follow(before, run.receive(record));
}

void ConfigurationOperation::follow(ConfigurationRun::Phase before,
                                    const ConfigurationRun::Step &step)
{
    if (run.phase() != before && run.isRunning())
        timer->start(); // each phase has its whole time
    else if (!run.isRunning())
        timer->stop();
    if (step.clearDevices)
        Q_EMIT devicesDoubtful();
    if (run.phase() != before || step.idle)
        Q_EMIT phaseChanged();
    if (!step.sendError.isEmpty())
        Q_EMIT sendFailed(step.sendError);
    if (step.summary)
        Q_EMIT finished(*step.summary);
    if (step.recordUpdated)
        Q_EMIT recordUpdated(run.record());
}
