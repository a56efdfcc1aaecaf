#pragma once

#include "operationrecord.h"
#include "scoutelcontainer.h"
#include "targetindex.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The bookkeeping of one configuration operation, without widgets or sockets:
// a challenge from every target, then one configuration request each, then
// one summary made from the operation's record. The window and the console feed it answers and
// ticks and act on each Step.
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

    // What the caller has to do after a call.
    struct Step
    {
        // A request could not be sent: the ones after it were not sent either.
        QString sendError;
        // The operation no longer waits for challenges.
        bool idle = false;
        // A device refused in a way that makes the listed devices doubtful.
        bool clearDevices = false;
        // The operation ended: the record, once per operation.
        std::optional<OperationRecord> summary;
        // An answer after the summary changed the record.
        bool recordUpdated = false;
    };

    // The devices as the operation found them, by MAC: the record's "before".
    using Found = QHash<QByteArray, ScoutelContainer>;

    // A phase ends after phaseTicks calls of tick() without its answers.
    ConfigurationRun(Requests senders, int phaseTicks);

    // Forgets the previous operation; the caller then writes into targets().
    void reset();
    QList<ScoutelContainer> &targets() { return editTargets; }
    const QList<ScoutelContainer> &targets() const { return editTargets; }

    // Asks every target for its challenge, the last target first, or with
    // known challenges sends the configurations at once. An operation in
    // which no target has anything to send ends in its summary at once.
    Step start(Challenges challenges = Challenges::AskEachTarget, const Found &found = {});
    Step receive(const ScoutelContainer &answer);
    // A datagram that could not be decoded; returns the line to log.
    QString receiveError(const QString &errorText);
    Step tick();

    Phase phase() const { return current; }
    // The latest operation's record; complete once its summary came.
    const OperationRecord &record() const { return outcomes; }
    // Until its summary, an operation is in progress.
    bool isRunning() const { return current != Phase::Idle; }

private:
    Step challengeAnswer(const ScoutelSharedData &answer);
    Step configurationAnswer(const ScoutelContainer &answer);
    Step sendConfigurations();
    Step finish();
    void beginRecord(const Found &found);
    void noteSendError(const QString &errorText);
    // Gives the target's outcome its verdict, in the order verdicts come.
    void settle(const QByteArray &mac, TargetOutcome::Kind kind, int code = 0);
    TargetOutcome *outcomeOf(const QByteArray &mac);

    Requests requests;
    int phaseTicks;
    QList<ScoutelContainer> editTargets;
    TargetIndex awaitingChallenge;
    TargetIndex awaitingResult;
    // Targets of this operation that were sent their configuration: only
    // their answers count, also a late or repeated one.
    QSet<QByteArray> configured;
    OperationRecord outcomes;
    QHash<QByteArray, int> outcomeIndex;
    int verdicts = 0;
    QElapsedTimer clock;
    int countdown = 0;
    // The challenges were asked for: earlier requests' answers no longer count.
    bool asked = true;
    Phase current = Phase::Idle;
};
