#pragma once

#include "safeentry.h"

#include <QList>
#include <QString>

// A failure to show the user: a warning box with this title and text.
struct ConfigReadError
{
    QString title; // may be empty
    QString text;  // empty when there was no failure
};

// What a configuration file held. The safes read before a failure are kept: a caller
// handles them first and reports the error afterwards.
struct ConfigReadResult
{
    QList<SafeEntry> safes; // in file order; ends after a first safe for any device
    ConfigReadError error;

    bool failed() const { return !error.text.isEmpty(); }
    // The file holds one configuration for any device (its first safe has no MAC).
    bool isForAnyDevice() const { return !safes.isEmpty() && safes.first().mac.isEmpty(); }
};

// Files larger than this are refused unread.
constexpr qint64 MaxConfigFileSize = 1024 * 1024;

// Reads a configuration file, decrypting it unless its name ends in ".xml".
ConfigReadResult readConfigFile(const QString &fileName);
// Reads file content already in memory; encrypted as for a name not ending in ".xml".
ConfigReadResult readConfigBytes(const QByteArray &bytes, bool encrypted);
