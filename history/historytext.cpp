#include "historytext.h"

namespace {
// Names come from devices: no control character reaches the terminal.
QString printable(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            c = QLatin1Char('?');
    }
    return text;
}
} // namespace

QString HistoryText::summaryLine(const LoggedOperation &operation)
{
    // Fixed words, as scripts read them.
    return QStringLiteral("%1  %2  %3 devices, %4 confirmed, %5 failed")
        .arg(printable(operation.time), printable(operation.mode))
        .arg(operation.targets.size())
        .arg(operation.confirmed)
        .arg(operation.failed());
}

QString HistoryText::of(const QList<LoggedOperation> &operations)
{
    QString out;
    for (const LoggedOperation &operation : operations) {
        out += summaryLine(operation) + QLatin1Char('\n');
        for (const LoggedTarget &target : operation.targets) {
            QString outcome = target.outcome;
            if (!target.result.isEmpty())
                outcome += QLatin1Char(' ') + target.result;
            out += QStringLiteral("  %1  %2  %3  %4\n")
                       .arg(printable(target.mac), printable(target.address), printable(outcome),
                            printable(target.name));
        }
    }
    return out;
}
