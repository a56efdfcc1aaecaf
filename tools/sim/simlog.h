#pragma once

#include <QFile>
#include <QJsonObject>

// The machine-readable log: one JSON object per line, written through at once
// so that a test reads every line the moment the answer it describes arrives.
class SimLog
{
public:
    bool open(const QString &path);
    void write(const QJsonObject &line);
    QString errorString() const { return file.errorString(); }

private:
    QFile file;
};
