#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>

// What one search window found: each device counted once however often it
// answers, the latest record of every device seen since the start, and which
// of them have not answered the current window (stale).
class SearchSession
{
public:
    // A new window: every known device is stale until it answers again.
    void begin();
    // Keeps the answer as its device's latest record. True for the device's
    // first answer in this window.
    bool receive(const ScoutelContainer &answer);
    // Devices that answered this window.
    int found() const { return int(answered.size()); }
    // Known devices that have not answered this window.
    QList<QByteArray> stale() const;
    // The latest record by MAC; a stale device's record has result -1.
    const QHash<QByteArray, ScoutelContainer> &devices() const { return known; }

private:
    QHash<QByteArray, ScoutelContainer> known;
    QSet<QByteArray> answered;
};
