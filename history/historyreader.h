#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>

#include <optional>

// One device of a logged operation, as the history shows it.
struct LoggedTarget
{
    QString mac;
    QString name;
    QString address;
    QString outcome; // the outcome's stable name
    QString result;  // the symbolic name of its code, if any
};

// One line of the log, read back.
struct LoggedOperation
{
    QByteArray line; // as it stands in the file
    QString time;
    QString mode;
    int confirmed = 0;
    QList<LoggedTarget> targets;

    int failed() const { return int(targets.size()) - confirmed; }
    // Whether a device of this operation has this MAC, written with any separators.
    bool hasDevice(const QString &mac) const;
    // Whether a device has this MAC or this text in its name.
    bool matches(const QString &macOrName) const;
};

// Reads the log as written by earlier runs, which may have crashed or been
// edited: a line that is not a whole operation is passed over, a line longer
// than MaxLineBytes is skipped unread, and only the newest MaxOperations count.
namespace HistoryReader {

constexpr qint64 MaxLineBytes = 4 * 1024 * 1024;
constexpr int MaxOperations = 100000;
constexpr int MaxTargets = 10000;

std::optional<LoggedOperation> parseLine(const QByteArray &line);
// Appends the device's operations to operations, oldest first.
void read(QIODevice &device, QList<LoggedOperation> &operations);
// Both generations of the log in folder, newest first.
QList<LoggedOperation> readFolder(const QString &folder);

} // namespace HistoryReader
