#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>

#include <optional>

// Targets of a configuration waiting for an answer, one per MAC: an answer
// finds its target without walking the others, and the order in which the
// targets were added is kept for sending and reporting.
class TargetIndex
{
public:
    // A target with a MAC already held replaces the earlier one in its place.
    void append(const ScoutelContainer &target);
    // The target waiting for an answer from mac, taken out; none when no target has it.
    std::optional<ScoutelContainer> take(const QByteArray &mac);
    bool contains(const QByteArray &mac) const { return keys.contains(mac); }
    bool isEmpty() const { return keys.isEmpty(); }
    qsizetype size() const { return keys.size(); }
    // In the order they were added.
    QList<ScoutelContainer> targets() const { return ordered.values(); }
    void clear();

private:
    QHash<QByteArray, quint64> keys;
    QMap<quint64, ScoutelContainer> ordered;
    quint64 nextKey = 0;
};
