#include "configurationrun.h"

#include "configurationanswer.h"
#include "fieldtags.h"
#include "hextext.h"

#include <QCoreApplication>

#include <utility>

namespace {
QString text(const char *source)
{
    return QCoreApplication::translate("Scoutel", source);
}
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
    answers.clear();
    countdown = 0;
    current = Phase::Idle;
}

ConfigurationRun::Step ConfigurationRun::start(Challenges challenges)
{
    report = QString();
    strays = QString();
    asked = challenges == Challenges::AskEachTarget;
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
        if (!step.sendError.isEmpty())
            break;
        current = Phase::Challenging;
    }
    return step;
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
        strays += line;
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
        for (const ScoutelContainer &target : targets) {
            if (!configured.contains(target->mac))
                awaitingResult.take(target->mac);
        }
        report += text(QT_TRANSLATE_NOOP("Scoutel", "Send error: %1")).arg(step.sendError) +
                  QLatin1Char('\n');
    }
    if (awaitingResult.isEmpty()) {
        current = Phase::Idle;
        countdown = 0;
    }
    return step;
}

ConfigurationRun::Step ConfigurationRun::configurationAnswer(const ScoutelContainer &answer)
{
    const ScoutelSharedData &record = *answer.constData();
    if (!configured.contains(record.mac))
        return {};
    answers.append(answer);
    bool clearDevices = false;
    if (!ConfigurationAnswer::succeeded(record)) {
        report += text(QT_TRANSLATE_NOOP("Scoutel", "%1: %2\n"))
                      .arg(hexText(record.mac), record.resultText());
        clearDevices = !ConfigurationAnswer::keepsDeviceList(record);
    }
    awaitingResult.take(record.mac);
    Step step;
    if (awaitingResult.isEmpty())
        step = finish();
    step.clearDevices = clearDevices;
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
    QList<ScoutelContainer> silent = awaitingChallenge.targets();
    if (current == Phase::Configuring)
        silent += awaitingResult.targets();
    for (const ScoutelContainer &target : std::as_const(silent))
        report +=
            text(QT_TRANSLATE_NOOP("Scoutel", "%1 does not respond\n")).arg(hexText(target->mac));
    Step step;
    step.idle = true;
    step.summary = Summary{report.isEmpty(), report, strays, answers};
    report = QString();
    strays = QString();
    answers.clear();
    awaitingChallenge.clear();
    awaitingResult.clear();
    countdown = 0;
    current = Phase::Idle;
    return step;
}
