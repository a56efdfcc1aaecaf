#include "historyreader.h"

#include "operationlog.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace {
QString macDigits(const QString &text)
{
    QString digits;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            digits += c.toUpper();
    }
    return digits;
}

QString textOf(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}
} // namespace

bool LoggedOperation::hasDevice(const QString &mac) const
{
    const QString digits = macDigits(mac);
    return !digits.isEmpty() &&
           std::any_of(targets.cbegin(), targets.cend(),
                       [&](const LoggedTarget &target) { return macDigits(target.mac) == digits; });
}

bool LoggedOperation::matches(const QString &macOrName) const
{
    return hasDevice(macOrName) ||
           std::any_of(targets.cbegin(), targets.cend(), [&](const LoggedTarget &target) {
               return target.name.contains(macOrName, Qt::CaseInsensitive);
           });
}

std::optional<LoggedOperation> HistoryReader::parseLine(const QByteArray &line)
{
    const QJsonDocument document = QJsonDocument::fromJson(line);
    const QJsonObject object = document.object();
    const QJsonValue targets = object.value(QLatin1String("targets"));
    if (!document.isObject() || !targets.isArray() || targets.toArray().size() > MaxTargets)
        return std::nullopt;
    LoggedOperation operation;
    operation.line = line;
    operation.time = textOf(object, "time");
    operation.mode = textOf(object, "mode");
    for (const QJsonValue &value : targets.toArray()) {
        const QJsonObject target = value.toObject();
        LoggedTarget logged{textOf(target, "mac"), textOf(target, "name"),
                            textOf(target, "address"), textOf(target, "outcome"),
                            textOf(target, "result")};
        operation.confirmed += logged.outcome == QLatin1String("confirmed");
        operation.targets.append(logged);
    }
    return operation;
}

void HistoryReader::read(QIODevice &device, QList<LoggedOperation> &operations)
{
    constexpr qint64 BlockBytes = 64 * 1024;
    QByteArray line;
    bool skipping = false; // inside a line too long to keep
    const auto take = [&] {
        if (!skipping && line.size() <= MaxLineBytes) {
            if (std::optional<LoggedOperation> operation = parseLine(line))
                operations.append(std::move(*operation));
            // Trimmed now and then, not per line: a hostile log may hold millions.
            if (operations.size() >= 2 * MaxOperations)
                operations.remove(0, operations.size() - MaxOperations);
        }
        line.clear();
        skipping = false;
    };
    for (QByteArray block = device.read(BlockBytes); !block.isEmpty();
         block = device.read(BlockBytes)) {
        qsizetype start = 0;
        for (qsizetype end = block.indexOf('\n'); end >= 0; end = block.indexOf('\n', start)) {
            if (!skipping)
                line += QByteArrayView(block).sliced(start, end - start);
            start = end + 1;
            take();
        }
        if (!skipping)
            line += QByteArrayView(block).sliced(start);
        if (line.size() > MaxLineBytes) {
            line.clear();
            skipping = true;
        }
    }
    // What follows the last line feed is a line cut short: passed over.
}

QList<LoggedOperation> HistoryReader::readFolder(const QString &folder)
{
    QList<LoggedOperation> operations;
    const OperationLog log(folder);
    for (const QString &path : {log.olderPath(), log.filePath()}) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            read(file, operations);
    }
    if (operations.size() > MaxOperations)
        operations.remove(0, operations.size() - MaxOperations);
    std::reverse(operations.begin(), operations.end());
    return operations;
}
