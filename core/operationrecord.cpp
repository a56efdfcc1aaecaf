#include "operationrecord.h"

#include "fieldtable.h"
#include "hextext.h"
#include "resultcodes.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace {
QString text(const char *source)
{
    return QCoreApplication::translate("Scoutel", source);
}
} // namespace

QStringList TargetOutcome::changedFields() const
{
    QStringList names;
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (field.attribute && field.bit && (target->sendFields & field.bit))
            names << QString::fromLatin1(field.attribute);
    }
    return names;
}

QString TargetOutcome::outcomeText() const
{
    switch (kind) {
    case Kind::Confirmed:
    case Kind::Refused:
        return QStringLiteral("%1 (%2)").arg(ResultCodes::plainText(code), ResultCodes::name(code));
    case Kind::NoChallengeAnswer:
        return text(QT_TRANSLATE_NOOP("Scoutel", "no answer to the challenge"));
    case Kind::NoConfigurationAnswer:
        return text(QT_TRANSLATE_NOOP("Scoutel", "no answer to the configuration"));
    case Kind::NotSent:
        if (code != 0)
            return text(QT_TRANSLATE_NOOP("Scoutel", "not sent: %1 (%2)"))
                .arg(ResultCodes::plainText(code), ResultCodes::name(code));
        return text(QT_TRANSLATE_NOOP("Scoutel", "not sent"));
    case Kind::Pending:
        break;
    }
    return text(QT_TRANSLATE_NOOP("Scoutel", "waiting"));
}

const char *TargetOutcome::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Pending:
        return "pending";
    case Kind::Confirmed:
        return "confirmed";
    case Kind::Refused:
        return "refused";
    case Kind::NoChallengeAnswer:
        return "no_challenge_answer";
    case Kind::NoConfigurationAnswer:
        return "no_configuration_answer";
    case Kind::NotSent:
        return "not_sent";
    }
    return "";
}

int OperationRecord::confirmedCount() const
{
    return int(std::count_if(outcomes.cbegin(), outcomes.cend(),
                             [](const TargetOutcome &outcome) { return outcome.confirmed(); }));
}

bool OperationRecord::succeeded() const
{
    return confirmedCount() == outcomes.size();
}

QString OperationRecord::report() const
{
    QList<const TargetOutcome *> told;
    for (const TargetOutcome &outcome : outcomes) {
        if (outcome.settled >= 0)
            told << &outcome;
    }
    std::stable_sort(told.begin(), told.end(),
                     [](const auto *a, const auto *b) { return a->settled < b->settled; });
    QString lines;
    bool sendErrorTold = sendError.isEmpty();
    const auto tellSendError = [&](int before) {
        if (sendErrorTold || sendErrorSettled >= before)
            return;
        lines +=
            text(QT_TRANSLATE_NOOP("Scoutel", "Send error: %1")).arg(sendError) + QLatin1Char('\n');
        sendErrorTold = true;
    };
    for (const TargetOutcome *outcome : std::as_const(told)) {
        tellSendError(outcome->settled);
        const QString mac = hexText(outcome->mac());
        switch (outcome->kind) {
        case TargetOutcome::Kind::Refused:
            lines += text(QT_TRANSLATE_NOOP("Scoutel", "%1: %2\n"))
                         .arg(mac, ResultCodes::plainText(outcome->code));
            break;
        case TargetOutcome::Kind::NoChallengeAnswer:
        case TargetOutcome::Kind::NoConfigurationAnswer:
            lines += text(QT_TRANSLATE_NOOP("Scoutel", "%1 does not respond\n")).arg(mac);
            break;
        case TargetOutcome::Kind::NotSent:
            // A send error has its own line; the others had nothing to send.
            if (outcome->code != 0 && ResultCodes::name(outcome->code) != sendError)
                lines += text(QT_TRANSLATE_NOOP("Scoutel", "%1: %2\n"))
                             .arg(mac, ResultCodes::plainText(outcome->code));
            break;
        default:
            break;
        }
    }
    tellSendError(INT_MAX);
    return lines;
}

QString OperationRecord::headline() const
{
    return succeeded() ? text(QT_TRANSLATE_NOOP("Scoutel", "Operation completed successfully."))
                       : text(QT_TRANSLATE_NOOP("Scoutel", "There were some errors."));
}
