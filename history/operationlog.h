#pragma once

#include <QByteArray>
#include <QString>

// operations.jsonl in the user's state folder: a private file to which each
// operation appends one whole line, renamed to operations.jsonl.1 when full.
class OperationLog
{
public:
    static constexpr qint64 RotateBytes = 8 * 1024 * 1024;

    explicit OperationLog(const QString &folder = defaultFolder(),
                          qint64 rotateBytes = RotateBytes);

    // $XDG_STATE_HOME/scoutel when that is absolute, else ~/.local/state/scoutel.
    static QString defaultFolder();
    QString filePath() const;
    QString olderPath() const;

    // Appends line and a line feed with one write. Returns an empty text, or
    // why the record was not kept.
    QString append(const QByteArray &line) const;

private:
    QString folder;
    qint64 rotateBytes;
};
