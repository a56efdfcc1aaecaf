#pragma once

#include "scoutelcontainer.h"

#include <QDateTime>
#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

// How one target of a configuration operation fared.
struct TargetOutcome
{
    enum class Kind {
        Pending,               // no verdict yet
        Confirmed,             // the device took its configuration
        Refused,               // the device answered with a nonzero code
        NoChallengeAnswer,     // silent in the challenge phase
        NoConfigurationAnswer, // silent after its configuration request
        NotSent,               // a send error, nothing to send, or the operation stopped first
    };

    // The configuration as sent: new values, sendFields, the password.
    ScoutelContainer target;
    // What the device had when the operation began.
    QString nameBefore;
    QHostAddress addressBefore;
    Kind kind = Kind::Pending;
    // The device's result when refused, the program's code when not sent
    // for a known reason; 0 otherwise.
    int code = 0;
    // The order in which verdicts came: the summary lists them so.
    int settled = -1;
    // Where its configuration answer came from.
    QHostAddress answeredFrom;

    QByteArray mac() const { return target->mac; }
    bool confirmed() const { return kind == Kind::Confirmed; }
    // The file attribute names of the fields sent.
    QStringList changedFields() const;
    // Plain text with its symbolic name, as the results table shows it.
    QString outcomeText() const;
    // A stable name of kind, for logs and scripts.
    static const char *kindName(Kind kind);
};

// One configuration operation, target by target, and what the summary says.
struct OperationRecord
{
    QDateTime started; // UTC
    qint64 durationMs = 0;
    // One per target, in the order the targets were given.
    QList<TargetOutcome> outcomes;
    // A request that could not be sent: the client's text, and when it came.
    QString sendError;
    int sendErrorSettled = -1;
    // Datagrams that no target sent, one line each.
    QString strays;

    int confirmedCount() const;
    // Every target confirmed.
    bool succeeded() const;
    // The summary's lines, one per problem in the order they came, each
    // ending with a line feed.
    QString report() const;
    // The summary box's main text.
    QString headline() const;
};
