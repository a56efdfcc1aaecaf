#include "configurationrun.h"

#include "configurationanswer.h"
#include "fieldtags.h"
#include "hextext.h"

#include <QCoreApplication>
#include <QDebug>

#include <utility>

namespace {
QString text(const char *source)
{
    return QCoreApplication::translate("Scoutel", source);
}
} // namespace

ConfigurationRun::ConfigurationRun(Requests senders) : requests(std::move(senders)) {}

void ConfigurationRun::reset()
{
    editTargets.clear();
    awaitingChallenge.clear();
    awaitingResult.clear();
    configured.clear();
    configCountdown = 0;
    current = Phase::Idle;
}

ConfigurationRun::Step ConfigurationRun::start()
{
    report = QString();
    requests.clearSequences();
    for (const ScoutelContainer &target : std::as_const(editTargets))
        awaitingChallenge.append(target);
    Step step;
    for (auto target = editTargets.crbegin(); target != editTargets.crend(); ++target) {
        configCountdown = PhaseTicks;
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
        return configurationAnswer(record);
    return {};
}

void ConfigurationRun::receiveError(const QString &errorText)
{
    const QString line = text(QT_TRANSLATE_NOOP("Scoutel", "Receive error: %1\n")).arg(errorText);
    qDebug().noquote() << line.trimmed();
    report += line;
}

ConfigurationRun::Step ConfigurationRun::challengeAnswer(const ScoutelSharedData &answer)
{
    if (answer.result != ResultOk)
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
    report = QString();
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
        configCountdown = PhaseTicks;
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
        configCountdown = 0;
    }
    return step;
}

ConfigurationRun::Step ConfigurationRun::configurationAnswer(const ScoutelSharedData &answer)
{
    if (!configured.contains(answer.mac))
        return {};
    bool clearDevices = false;
    if (!ConfigurationAnswer::succeeded(answer)) {
        report += text(QT_TRANSLATE_NOOP("Scoutel", "%1: %2\n"))
                      .arg(hexText(answer.mac), answer.resultText());
        clearDevices = !ConfigurationAnswer::keepsDeviceList(answer);
    }
    awaitingResult.take(answer.mac);
    Step step;
    if (awaitingResult.isEmpty())
        step = finish();
    step.clearDevices = clearDevices;
    return step;
}

ConfigurationRun::Step ConfigurationRun::tick()
{
    if (current == Phase::Idle || configCountdown <= 0 || --configCountdown > 0)
        return {};
    return finish();
}

void ConfigurationRun::abandon()
{
    if (current != Phase::Challenging)
        return;
    current = Phase::Idle;
    configCountdown = 0;
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
    step.summary = Summary{report.isEmpty(), report};
    report = QString();
    awaitingChallenge.clear();
    awaitingResult.clear();
    configCountdown = 0;
    current = Phase::Idle;
    return step;
}
