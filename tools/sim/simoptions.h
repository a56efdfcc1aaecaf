#pragma once

#include "simnetwork.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of the fleet.
struct SimOptions
{
    int count = 1;
    QStringList passwords; // one per device
    quint32 statusFlags = 0;
    QSet<int> ignoreSearch; // device numbers, 1-based
    QSet<int> muteConfig;
    QSet<int> strayConfig; // answer every request with a configuration answer of their own
    bool answerTwice = false;
    int unknownFields = 0;
    std::optional<int> forcedVerdict;
    int searchResult = 0;
    bool foreign = false;
    bool withUpTime = true;
    bool webPages = true;
    int delayMs = 0;
    int jitterMs = 0;
    bool oddSender = false;
    QString logPath;
    int lifetimeMs = 10000;
    int restartSilenceMs = 1000;
    QString namePrefix = QStringLiteral("Safe");
    // Devices named otherwise than by the prefix, by number.
    QHash<int, QString> names;
    // Major and minor byte of devices 1, 2, ...; devices beyond have 3.1.
    QList<QByteArray> hwVersions;
    SimNetwork network;
};

namespace SimCommandLine {
enum class Parsed { Run, Help, Invalid };

constexpr int MaxCount = 5000;
constexpr int MaxLifetimeMs = 120000;
constexpr int MaxUnknownFields = 30; // as many as fit beside the usual fields

// arguments[0] is the program. Help and Invalid leave the text to print in *message.
Parsed parse(const QStringList &arguments, SimOptions *options, QString *message);
} // namespace SimCommandLine
