#include "simlog.h"

#include <QJsonDocument>

bool SimLog::open(const QString &path)
{
    file.setFileName(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
}

void SimLog::write(const QJsonObject &line)
{
    file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
}
