#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

// One value a device reported differently from the time before.
struct InventoryChange
{
    QString key; // a device-list key, or "network"
    QJsonValue before;
    QJsonValue after;

    bool operator==(const InventoryChange &other) const
    {
        return key == other.key && before == other.before && after == other.after;
    }
};

// What the program remembers of one device. Values are kept as the device sent
// them and are only ever shown.
struct InventoryEntry
{
    QByteArray mac;
    QJsonObject values; // device-list keys of its last answer
    QString interfaceName;
    QString network;      // "10.1.0.0/16": the arrival interface's network it answered in
    qint64 firstSeen = 0; // milliseconds since the epoch
    qint64 lastSeen = 0;
    qint64 changedAt = 0; // of the last change seen; 0 when none
    QList<InventoryChange> lastChange;
};

// What one answer says against the memory.
struct Sighting
{
    // Never seen before, on any network.
    bool firstSeen = false;
    // New on a network with remembered devices: worth a mark. On a network's
    // first search every device would be new.
    bool markedNew = false;
    // Values that differ from the last answer; a move lists "network".
    QList<InventoryChange> changes;
    // When the device was seen before this answer; 0 for a device seen first.
    qint64 since = 0;
};

// Every device the program has seen, by MAC, and what each search says about
// them: new, changed, missing. Searches are judged one at a time.
class Inventory
{
public:
    // "10.1.0.0/16" of the arrival interface's network that holds the sender,
    // else its first IPv4 network; empty when the arrival is not known.
    static QString networkOf(const ScoutelSharedData &answer);
    static QString networkText(const QHostAddress &address, int prefixLength);
    // The watched values a configuration carries in its sendFields.
    static QJsonObject valuesSent(const ScoutelSharedData &target);
    // Every key the memory adds to device-list objects: they inform, a plan
    // ignores them.
    static const QStringList &addedKeys();
    // The keys a device list adds from the memory: first_seen, last_seen, new, changes.
    static void addMemoryKeys(QJsonObject &object, const InventoryEntry &entry,
                              const Sighting &seen);
    // A remembered device as a device-list object with its network and times.
    static QJsonObject entryJson(const InventoryEntry &entry);
    // "2026-12-09T07:01:02.345Z"
    static QString timeText(qint64 ms);

    // A new search: nothing answered yet, no network reached.
    void beginSearch();
    // The search went out through a network: its devices that stay silent are missing.
    void addReached(const QString &network);
    Sighting see(const ScoutelSharedData &answer, qint64 nowMs);
    // This program set these values and the device confirmed them: they are
    // remembered without a change mark.
    void noteOwnChange(const QByteArray &mac, const QJsonObject &confirmed);
    // Remembered devices of the networks this search reached that did not
    // answer it, by MAC.
    QList<InventoryEntry> missing() const;
    bool forget(const QByteArray &mac);

    const InventoryEntry *find(const QByteArray &mac) const;
    int size() const { return int(entries.size()); }
    // Changed since the last save.
    bool isDirty() const { return dirty; }
    void markSaved() { dirty = false; }

    QByteArray toJson() const;
    // Empty for anything but a whole, well-formed inventory of this version.
    static std::optional<Inventory> fromJson(const QByteArray &document);

private:
    // The keys whose change marks a device: name, addresses, ports, session length.
    static const QStringList &watchedKeys();
    bool isMissing(const InventoryEntry &entry) const;

    QHash<QByteArray, InventoryEntry> entries;
    QSet<QByteArray> answered;
    QSet<QString> reached;
    // Networks with remembered devices when the search began.
    QSet<QString> knownNetworks;
    bool dirty = false;
};
