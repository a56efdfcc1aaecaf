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
// one summary. The window and the console feed it answers and ticks and act on
// each Step.
class ConfigurationRun
{
public:
    enum class Phase { Idle, Challenging, Configuring };

    // Where the targets' challenges come from.
    enum class Challenges {
        AskEachTarget, // a search addressed to each target fetches it
        Known,         // the targets answered a search just now and carry it
    };

    // Each sender returns an empty text, or why the request could not go out.
    struct Requests
    {
        std::function<void()> clearSequences;
        std::function<QString(const ScoutelContainer &)> search;
        std::function<QString(const ScoutelContainer &)> configure;
    };

    struct Summary
    {
        // Every target took its configuration.
        bool succeeded = false;
        // One line per target problem, each ending with a line feed.
        QString report;
        // Datagrams that no target sent, one line each: told, but no verdict.
        QString strays;
        // The targets' configuration answers, in the order they came.
        QList<ScoutelContainer> answers;
    };

    // What the caller has to do after a call.
    struct Step
    {
        // A request could not be sent: the ones after it were not sent either.
        QString sendError;
        // The operation no longer waits for challenges.
        bool idle = false;
        // A device refused in a way that makes the listed devices doubtful.
        bool clearDevices = false;
        std::optional<Summary> summary;
    };

    // A phase ends after phaseTicks calls of tick() without its answers.
    ConfigurationRun(Requests senders, int phaseTicks);

    // Forgets the previous operation; the caller then writes into targets().
    void reset();
    QList<ScoutelContainer> &targets() { return editTargets; }
    const QList<ScoutelContainer> &targets() const { return editTargets; }

    // Asks every target for its challenge, the last target first, or with
    // known challenges sends the configurations at once.
    Step start(Challenges challenges = Challenges::AskEachTarget);
    Step receive(const ScoutelContainer &answer);
    // A datagram that could not be decoded; returns the line to log.
    QString receiveError(const QString &errorText);
    Step tick();

    Phase phase() const { return current; }
    // Until its summary, an operation is in progress.
    bool isRunning() const { return current != Phase::Idle; }

private:
    Step challengeAnswer(const ScoutelSharedData &answer);
    Step configurationAnswer(const ScoutelContainer &answer);
    Step sendConfigurations();
    Step finish();

    Requests requests;
    int phaseTicks;
    QList<ScoutelContainer> editTargets;
    TargetIndex awaitingChallenge;
    TargetIndex awaitingResult;
    // Targets of this operation that were sent their configuration: only
    // their answers count, also a late or repeated one.
    QSet<QByteArray> configured;
    QString report;
    QString strays;
    QList<ScoutelContainer> answers;
    int countdown = 0;
    // The challenges were asked for: earlier requests' answers no longer count.
    bool asked = true;
    Phase current = Phase::Idle;
};
