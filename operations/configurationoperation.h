#pragma once

#include "configurationrun.h"
#include "scoutelcontainer.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QTimer;
class ScoutelClient;

// One configuration operation over the client: the configuration run with its
// requests and its timer. It takes the targets, each carrying its own
// configuration, and ends with one summary.
class ConfigurationOperation : public QObject
{
    Q_OBJECT

public:
    // A phase ends after phaseTicks ticks of tickMs without its answers.
    ConfigurationOperation(ScoutelClient *client, int tickMs, int phaseTicks,
                           QObject *parent = nullptr);

    // The interface each request goes through, asked at every request.
    void setInterfaceChoice(std::function<int()> choice) { interfaceIndex = std::move(choice); }

    // Forgets the previous operation and configures targets.
    void
    start(const QList<ScoutelContainer> &targets,
          ConfigurationRun::Challenges challenges = ConfigurationRun::Challenges::AskEachTarget);
    ConfigurationRun::Phase phase() const { return run.phase(); }
    // The targets of the last operation, each with the configuration it was sent.
    const QList<ScoutelContainer> &targets() const { return run.targets(); }
    // Until its summary, an operation is in progress.
    bool isRunning() const { return run.isRunning(); }

Q_SIGNALS:
    void phaseChanged();
    // A request could not be sent: the ones after it were not sent either.
    void sendFailed(const QString &errorText);
    // A device refused in a way that makes the devices listed doubtful.
    void devicesDoubtful();
    void finished(const ConfigurationRun::Summary &summary);
    // A datagram could not be decoded: the line that tells it.
    void receiveFailed(const QString &line);

private:
    void tick();
    void located(int protocolResult, const ScoutelContainer &record);
    void follow(ConfigurationRun::Phase before, const ConfigurationRun::Step &step);
    ConfigurationRun::Requests requests();

    ScoutelClient *client;
    std::function<int()> interfaceIndex;
    ConfigurationRun run;
    QTimer *timer;
};

Q_DECLARE_METATYPE(ConfigurationRun::Summary)
