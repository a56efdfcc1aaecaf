#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

// What Python's csv or json module reads from a list (JSON Lines for "jsonl"), as JSON.
inline QJsonArray readWithPython(const QString &format, const QByteArray &list)
{
    static const char script[] = R"(import csv, io, json, sys
t, f = sys.stdin.buffer.read().decode('utf-8'), sys.argv[1]
print(json.dumps(list(csv.reader(io.StringIO(t, newline=''), strict=True)) if f == 'csv' else
    json.loads(t) if f == 'json' else [json.loads(line) for line in t.split('\n')[:-1]])))";
    QProcess python;
    python.start("python3", {"-c", script, format});
    python.write(list);
    python.closeWriteChannel();
    python.waitForFinished(30000);
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}
