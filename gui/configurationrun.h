#pragma once

#include "scoutelcontainer.h"
#include "targetindex.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The bookkeeping of one configuration operation, without widgets or sockets:
// a challenge from every target, then one configuration request each, then
// one summary. The window feeds it answers and ticks and acts on each Step.
class ConfigurationRun
{
public:
    static constexpr int PhaseTicks = 5;

    enum class Phase { Idle, Challenging, Configuring };

    // Each sender returns an empty text, or why the request could not go out.
    struct Requests
    {
        std::function<void()> clearSequences;
        std::function<QString(const ScoutelContainer &)> search;
        std::function<QString(const ScoutelContainer &)> configure;
    };

    struct Summary
    {
        bool succeeded = false;
        // One line per problem, each ending with a line feed.
        QString report;
    };

    // What the window has to do after a call.
    struct Step
    {
        // A request could not be sent: the ones after it were not sent either.
        QString sendError;
        // The window is no longer busy with the operation.
        bool idle = false;
        // A device refused in a way that makes the listed devices doubtful.
        bool clearDevices = false;
        std::optional<Summary> summary;
    };

    explicit ConfigurationRun(Requests senders);

    // Forgets the previous operation; the edit dialog then writes into targets().
    void reset();
    QList<ScoutelContainer> &targets() { return editTargets; }

    // Asks every target for its challenge, the last target first.
    Step start();
    Step receive(const ScoutelContainer &answer);
    // A datagram that could not be decoded.
    void receiveError(const QString &errorText);
    Step tick();
    // The device list was cleared: challenges are no longer collected.
    void abandon();

    Phase phase() const { return current; }
    int countdown() const { return configCountdown; }

private:
    Step challengeAnswer(const ScoutelSharedData &answer);
    Step configurationAnswer(const ScoutelSharedData &answer);
    Step sendConfigurations();
    Step finish();

    Requests requests;
    QList<ScoutelContainer> editTargets;
    TargetIndex awaitingChallenge;
    TargetIndex awaitingResult;
    // Targets of this operation that were sent their configuration: only
    // their answers count, also a late or repeated one.
    QSet<QByteArray> configured;
    QString report;
    int configCountdown = 0;
    Phase current = Phase::Idle;
};
