#include "configurationrun.h"

#include "configurationanswer.h"
#include "fieldtags.h"
#include "resultcodes.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {
QString text(const char *source)
{
    return QCoreApplication::translate("Scoutel", source);
}

constexpr int NothingToSend = -403;
} // namespace

ConfigurationRun::ConfigurationRun(Requests senders, int ticks)
    : requests(std::move(senders)), phaseTicks(ticks)
{}

void ConfigurationRun::reset()
{
    editTargets.clear();
    awaitingChallenge.clear();
    awaitingResult.clear();
    configured.clear();
    outcomes = OperationRecord();
    outcomeIndex.clear();
    verdicts = 0;
    countdown = 0;
    current = Phase::Idle;
}

void ConfigurationRun::beginRecord(const Found &found)
{
    outcomes = OperationRecord();
    outcomes.started = QDateTime::currentDateTimeUtc();
    clock.start();
    for (const ScoutelContainer &target : std::as_const(editTargets)) {
        TargetOutcome outcome;
        outcome.target = target;
        const ScoutelContainer before = found.value(target->mac, target);
        // A target that carries a new name no longer tells the old one.
        if (found.contains(target->mac) || !(target->sendFields & FieldName))
            outcome.nameBefore = before->name;
        outcome.addressBefore = before->sender;
        outcomeIndex.insert(target->mac, int(outcomes.outcomes.size()));
        outcomes.outcomes.append(outcome);
    }
}

TargetOutcome *ConfigurationRun::outcomeOf(const QByteArray &mac)
{
    const auto index = outcomeIndex.constFind(mac);
    return index == outcomeIndex.constEnd() ? nullptr : &outcomes.outcomes[*index];
}

void ConfigurationRun::settle(const QByteArray &mac, TargetOutcome::Kind kind, int code)
{
    TargetOutcome *outcome = outcomeOf(mac);
    if (!outcome)
        return;
    outcome->kind = kind;
    outcome->code = code;
    if (outcome->settled < 0)
        outcome->settled = verdicts++;
}

ConfigurationRun::Step ConfigurationRun::start(Challenges challenges, const Found &found)
{
    beginRecord(found);
    asked = challenges == Challenges::AskEachTarget;
    const bool anythingToSend =
        std::any_of(editTargets.cbegin(), editTargets.cend(), [](const ScoutelContainer &target) {
            return ConfigurationAnswer::hasSomethingToSend(*target.constData());
        });
    if (!anythingToSend) {
        for (const ScoutelContainer &target : std::as_const(editTargets))
            settle(target->mac, TargetOutcome::Kind::NotSent, NothingToSend);
        return finish();
    }
    if (!asked) {
        for (const ScoutelContainer &target : std::as_const(editTargets))
            awaitingResult.append(target);
        return sendConfigurations();
    }
    requests.clearSequences();
    for (const ScoutelContainer &target : std::as_const(editTargets))
        awaitingChallenge.append(target);
    Step step;
    for (auto target = editTargets.crbegin(); target != editTargets.crend(); ++target) {
        countdown = phaseTicks;
        step.sendError = requests.search(*target);
        if (!step.sendError.isEmpty()) {
            // Targets never asked were not sent, not silent; they still wait,
            // so that no configuration goes out without every challenge.
            noteSendError(step.sendError);
            for (; target != editTargets.crend(); ++target)
                settle((*target)->mac, TargetOutcome::Kind::NotSent,
                       ResultCodes::codeOf(step.sendError));
            break;
        }
        current = Phase::Challenging;
    }
    if (current == Phase::Idle) {
        Step last = finish();
        last.sendError = step.sendError;
        return last;
    }
    return step;
}

void ConfigurationRun::noteSendError(const QString &errorText)
{
    outcomes.sendError = errorText;
    outcomes.sendErrorSettled = verdicts++;
}

ConfigurationRun::Step ConfigurationRun::receive(const ScoutelContainer &answer)
{
    const ScoutelSharedData &record = *answer.constData();
    if (record.command == Sctl::SearchAnswer && current == Phase::Challenging)
        return challengeAnswer(record);
    if (record.command == Sctl::ConfigureAnswer)
        return configurationAnswer(answer);
    return {};
}

QString ConfigurationRun::receiveError(const QString &errorText)
{
    const QString line = text(QT_TRANSLATE_NOOP("Scoutel", "Receive error: %1\n")).arg(errorText);
    // Between operations nobody waits for an answer: nothing to report on.
    if (isRunning())
        outcomes.strays += line;
    return line.trimmed();
}

ConfigurationRun::Step ConfigurationRun::challengeAnswer(const ScoutelSharedData &answer)
{
    // Without its challenge an answer cannot key a configuration: the run waits on.
    if (answer.result != ResultOk || answer.challenge.size() != Sctl::ChallengeSize)
        return {};
    std::optional<ScoutelContainer> target = awaitingChallenge.take(answer.mac);
    if (!target)
        return {};
    (*target)->challenge = answer.challenge;
    awaitingResult.append(*target);
    if (!awaitingChallenge.isEmpty())
        return {};
    return sendConfigurations();
}

ConfigurationRun::Step ConfigurationRun::sendConfigurations()
{
    // Known challenges came with a search whose late answers may still come.
    if (asked)
        requests.clearSequences();
    current = Phase::Configuring;
    Step step;
    step.idle = true;
    const QList<ScoutelContainer> targets = awaitingResult.targets();
    for (auto target = targets.crbegin(); target != targets.crend(); ++target) {
        const ScoutelSharedData &record = *target->constData();
        if (!ConfigurationAnswer::hasSomethingToSend(record)) {
            awaitingResult.take(record.mac);
            settle(record.mac, TargetOutcome::Kind::NotSent, NothingToSend);
            continue;
        }
        countdown = phaseTicks;
        step.sendError = requests.configure(*target);
        if (!step.sendError.isEmpty())
            break;
        configured.insert(record.mac);
    }
    if (!step.sendError.isEmpty()) {
        // Targets never asked cannot answer: the summary names the failure instead.
        noteSendError(step.sendError);
        for (const ScoutelContainer &target : targets) {
            if (!configured.contains(target->mac) && awaitingResult.take(target->mac))
                settle(target->mac, TargetOutcome::Kind::NotSent,
                       ResultCodes::codeOf(step.sendError));
        }
    }
    if (awaitingResult.isEmpty()) {
        Step last = finish();
        last.sendError = step.sendError;
        return last;
    }
    return step;
}

ConfigurationRun::Step ConfigurationRun::configurationAnswer(const ScoutelContainer &answer)
{
    const ScoutelSharedData &record = *answer.constData();
    if (!configured.contains(record.mac))
        return {};
    const bool confirmed = ConfigurationAnswer::succeeded(record);
    settle(record.mac, confirmed ? TargetOutcome::Kind::Confirmed : TargetOutcome::Kind::Refused,
           record.result);
    outcomeOf(record.mac)->answeredFrom = record.sender;
    Step step;
    // A late or repeated answer changes the record, never ends the operation again.
    if (!isRunning())
        step.recordUpdated = true;
    else if (awaitingResult.take(record.mac) && awaitingResult.isEmpty())
        step = finish();
    step.clearDevices = !ConfigurationAnswer::keepsDeviceList(record);
    return step;
}

ConfigurationRun::Step ConfigurationRun::tick()
{
    if (current == Phase::Idle || countdown <= 0 || --countdown > 0)
        return {};
    return finish();
}

ConfigurationRun::Step ConfigurationRun::finish()
{
    const auto settleRest = [this](const TargetIndex &waiting, TargetOutcome::Kind kind) {
        for (const ScoutelContainer &target : waiting.targets()) {
            if (outcomeOf(target->mac)->kind == TargetOutcome::Kind::Pending)
                settle(target->mac, kind);
        }
    };
    settleRest(awaitingChallenge, TargetOutcome::Kind::NoChallengeAnswer);
    // Targets that gave their challenge wait for their turn, or for the answer.
    settleRest(awaitingResult, current == Phase::Configuring
                                   ? TargetOutcome::Kind::NoConfigurationAnswer
                                   : TargetOutcome::Kind::NotSent);
    outcomes.durationMs = clock.elapsed();
    Step step;
    step.idle = true;
    step.summary = outcomes;
    awaitingChallenge.clear();
    awaitingResult.clear();
    countdown = 0;
    current = Phase::Idle;
    return step;
}
