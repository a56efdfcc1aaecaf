#include "scoutelconsole.h"

#include "configurationanswer.h"
#include "deviceblock.h"
#include "fieldtags.h"
#include "hextext.h"
#include "optionmap.h"
#include "randomsource.h"
#include "scoutelclient.h"
#include "xmlformat.h"

#include <QDateTime>
#include <QDebug>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int AnyInterface = -1;
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
    if (client->lastError() != 0)
        fail(client->lastError(),
             tr("Error on client initialization: %1").arg(client->errorString()));
    connect(client, &ScoutelClient::located, this, &ScoutelConsole::located);
    connect(timer, &QTimer::timeout, this, &ScoutelConsole::tick);
}

void ScoutelConsole::parseArguments(int argc, char **argv)
{
    applyOptions(splitArguments(argc, argv));
}

void ScoutelConsole::applyOptions(const OptionMap &options)
{
    const QString problem = applyConsoleOptions(options, settings, config);
    if (!problem.isEmpty())
        fail(ErrorInvalidOption, problem);
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
    answeredMacs.clear();
    const int result = client->search(AnyInterface, nullptr);
    if (result != 0)
        fail(result, tr("Send error: %1").arg(client->errorString()));
    state = Searching;
    timer->start(settings.timeout);
}

void ScoutelConsole::sendConfiguration()
{
    if (!ConfigurationAnswer::hasSomethingToSend(*config.constData()))
        fail(ErrorNothingToSend, tr("No data to send."));
    const int result = client->configure(AnyInterface, &config);
    if (result != 0)
        fail(result, tr("Send error: %1").arg(client->errorString()));
    state = Configuring;
    awaitingAnswer.clear();
    awaitingAnswer.append(config);
    timer->start(settings.timeout);
}

void ScoutelConsole::tick()
{
    timer->stop();
    if (state != Searching)
        fail(ErrorConfigTimeout, tr("Timeout on config."));
    if (found() == 0)
        fail(ErrorNoDevice, tr("No device found."));
    if (settings.listOnly) {
        qDebug() << "# Search complete";
        finish(0);
    }
    if (found() > 1)
        fail(ErrorSeveralDevices, tr("More than one device found, there must be only one."));
    sendConfiguration();
}

void ScoutelConsole::located(int result, ScoutelContainer record)
{
    if (result != 0)
        fail(result, tr("Receive error: %1").arg(client->errorString()));
    const ScoutelSharedData &answer = *record.constData();
    // A decoded answer always names its device; a record without a MAC carries nothing.
    if (answer.mac.isEmpty())
        return;
    if (answer.command == Sctl::ConfigureAnswer) {
        configurationAnswer(answer);
        return;
    }
    if (answer.result != 0)
        fail(answer.result, errorOn(answer));
    if (answer.command == Sctl::SearchAnswer && state == Searching)
        searchAnswer(record);
}

void ScoutelConsole::configurationAnswer(const ScoutelSharedData &answer)
{
    // Only the answer to our own request can end the run as configured; a
    // stray one, from another device or before the request, is no outcome.
    if (!awaitingAnswer.take(answer.mac))
        return;
    timer->stop();
    if (!ConfigurationAnswer::succeeded(answer))
        fail(answer.result, errorOn(answer));
    fail(0, hexText(answer.mac) + QLatin1Char('\n') + answer.sender.toString());
}

QString ScoutelConsole::errorOn(const ScoutelSharedData &answer)
{
    return tr("Error on %1: %2").arg(hexText(answer.mac), answer.resultText());
}

void ScoutelConsole::searchAnswer(const ScoutelContainer &record)
{
    const ScoutelSharedData &answer = *record.constData();
    // A device may answer twice: it counts once, and its latest challenge is the valid one.
    const bool repeated = answeredMacs.contains(answer.mac);
    answeredMacs.insert(answer.mac);
    ScoutelSharedData *target = config.data();
    target->mac = answer.mac;
    target->sender = answer.sender;
    target->challenge = answer.challenge;
    if (settings.listOnly && !repeated) {
        const QStringList lines = deviceBlock(record, found());
        for (const QString &line : lines)
            qDebug().noquote() << line;
    }
}

void ScoutelConsole::fail(int code, const QString &message)
{
    qDebug() << code;
    qDebug().noquote() << message;
    finish(code);
}

void ScoutelConsole::finish(int status)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}
