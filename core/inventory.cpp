#include "inventory.h"

#include "devicelist.h"
#include "devicerowcontent.h"
#include "fieldtable.h"
#include "jsonwriter.h"
#include "safeattributes.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>

namespace {
constexpr int FormatVersion = 1;
const QString NetworkKey = QStringLiteral("network");

// Keys of a device-list object that are no value of the device's own.
bool derivedKey(const QString &key)
{
    return key == QLatin1String("warnings") || key == QLatin1String("interface") ||
           key == SafeAttribute::MacAddress;
}

QJsonObject remembered(const ScoutelSharedData &answer)
{
    QJsonObject values = DeviceList::toJson(answer);
    for (auto it = values.begin(); it != values.end();)
        it = derivedKey(it.key()) ? values.erase(it) : it + 1;
    return values;
}

QJsonArray changesJson(const QList<InventoryChange> &changes)
{
    QJsonArray list;
    for (const InventoryChange &change : changes)
        list.append(QJsonObject{{QStringLiteral("field"), change.key},
                                {QStringLiteral("old"), change.before},
                                {QStringLiteral("new"), change.after}});
    return list;
}

std::optional<QList<InventoryChange>> changesFrom(const QJsonValue &value)
{
    if (!value.isArray())
        return std::nullopt;
    QList<InventoryChange> changes;
    for (const QJsonValue &item : value.toArray()) {
        const QJsonObject change = item.toObject();
        const QJsonValue key = change.value(QLatin1String("field"));
        if (!key.isString())
            return std::nullopt;
        changes.append({key.toString(), change.value(QLatin1String("old")),
                        change.value(QLatin1String("new"))});
    }
    return changes;
}

QByteArray macFrom(const QString &text)
{
    QByteArray mac = QByteArray::fromHex(text.toLatin1());
    return mac.size() == 6 && DeviceRowContent::macText(mac) == text ? mac : QByteArray();
}

std::optional<qint64> timeFrom(const QJsonValue &value)
{
    const double ms = value.toDouble(-1);
    // Whole milliseconds from 1970 to 9999.
    if (ms < 0 || ms > 253402300799999.0 || ms != double(qint64(ms)))
        return std::nullopt;
    return qint64(ms);
}

std::optional<InventoryEntry> entryFrom(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    InventoryEntry entry;
    entry.mac = macFrom(object.value(QLatin1String("mac")).toString());
    const QJsonValue values = object.value(QLatin1String("values"));
    const QJsonValue interfaceName = object.value(QLatin1String("interface"));
    const QJsonValue network = object.value(NetworkKey);
    const auto first = timeFrom(object.value(QLatin1String("first_seen")));
    const auto last = timeFrom(object.value(QLatin1String("last_seen")));
    const auto changed = timeFrom(object.value(QLatin1String("changed_at")));
    const auto changes = changesFrom(object.value(QLatin1String("changes")));
    if (entry.mac.isEmpty() || !values.isObject() || !interfaceName.isString() ||
        !network.isString() || !first || !last || !changed || !changes)
        return std::nullopt;
    entry.values = values.toObject();
    entry.interfaceName = interfaceName.toString();
    entry.network = network.toString();
    entry.firstSeen = *first;
    entry.lastSeen = *last;
    entry.changedAt = *changed;
    entry.lastChange = *changes;
    return entry;
}
} // namespace

const QStringList &Inventory::watchedKeys()
{
    static const QStringList keys = [] {
        QStringList list;
        for (const quint8 tag :
             {Tag::Name, Tag::IpAddress, Tag::SubnetMask, Tag::Gateway, Tag::Dns, Tag::Dhcp,
              Tag::MainPort, Tag::AuxPort, Tag::HttpPort, Tag::SessionMinutes})
            list << QLatin1String(FieldTable::captureName(*FieldTable::forTag(tag)));
        return list;
    }();
    return keys;
}

QString Inventory::networkOf(const ScoutelSharedData &answer)
{
    const QPair<QHostAddress, int> *chosen = nullptr;
    for (const QPair<QHostAddress, int> &subnet : answer.interfaceSubnets) {
        if (subnet.first.protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        if (!chosen || answer.sender.isInSubnet(subnet.first, subnet.second))
            chosen = &subnet;
        if (answer.sender.isInSubnet(subnet.first, subnet.second))
            break;
    }
    return chosen ? networkText(chosen->first, chosen->second) : QString();
}

QString Inventory::networkText(const QHostAddress &address, int prefixLength)
{
    const int prefix = qBound(0, prefixLength, 32);
    const quint32 mask = prefix == 0 ? 0 : ~quint32(0) << (32 - prefix);
    return QStringLiteral("%1/%2")
        .arg(QHostAddress(address.toIPv4Address() & mask).toString())
        .arg(prefix);
}

const QStringList &Inventory::addedKeys()
{
    static const QStringList keys{QStringLiteral("first_seen"), QStringLiteral("last_seen"),
                                  QStringLiteral("new"), QStringLiteral("changes"), NetworkKey};
    return keys;
}

void Inventory::addMemoryKeys(QJsonObject &object, const InventoryEntry &entry,
                              const Sighting &seen)
{
    object.insert(QStringLiteral("first_seen"), timeText(entry.firstSeen));
    object.insert(QStringLiteral("last_seen"), timeText(entry.lastSeen));
    object.insert(QStringLiteral("new"), seen.firstSeen);
    object.insert(QStringLiteral("changes"), changesJson(seen.changes));
}

QJsonObject Inventory::entryJson(const InventoryEntry &entry)
{
    QJsonObject object = entry.values;
    object.insert(SafeAttribute::MacAddress, DeviceRowContent::macText(entry.mac));
    object.insert(QStringLiteral("interface"), entry.interfaceName);
    object.insert(NetworkKey, entry.network);
    object.insert(QStringLiteral("first_seen"), timeText(entry.firstSeen));
    object.insert(QStringLiteral("last_seen"), timeText(entry.lastSeen));
    return object;
}

QString Inventory::timeText(qint64 ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

QJsonObject Inventory::valuesSent(const ScoutelSharedData &target)
{
    ScoutelSharedData sent = target;
    sent.presentFields = target.sendFields;
    const QJsonObject all = DeviceList::toJson(sent);
    QJsonObject values;
    for (const QString &key : watchedKeys()) {
        if (all.contains(key))
            values.insert(key, all.value(key));
    }
    return values;
}

void Inventory::beginSearch()
{
    answered.clear();
    reached.clear();
    knownNetworks.clear();
    for (const InventoryEntry &entry : std::as_const(entries))
        knownNetworks.insert(entry.network);
}

void Inventory::addReached(const QString &network)
{
    if (!network.isEmpty())
        reached.insert(network);
}

Sighting Inventory::see(const ScoutelSharedData &answer, qint64 nowMs)
{
    const QString network = networkOf(answer);
    addReached(network);
    answered.insert(answer.mac);
    dirty = true;
    Sighting sighting;
    auto known = entries.find(answer.mac);
    if (known == entries.end()) {
        known = entries.insert(answer.mac, InventoryEntry());
        known->mac = answer.mac;
        known->firstSeen = nowMs;
        sighting.firstSeen = true;
        sighting.markedNew = knownNetworks.contains(network);
    } else {
        sighting.since = known->lastSeen;
    }
    InventoryEntry &entry = *known;
    const QJsonObject values = remembered(answer);
    if (!sighting.firstSeen) {
        for (const QString &key : watchedKeys()) {
            const QJsonValue before = entry.values.value(key);
            const QJsonValue after = values.value(key);
            if (!before.isUndefined() && !after.isUndefined() && before != after)
                sighting.changes.append({key, before, after});
        }
        if (entry.network != network)
            sighting.changes.append({NetworkKey, entry.network, network});
    }
    if (!sighting.changes.isEmpty()) {
        entry.changedAt = nowMs;
        entry.lastChange = sighting.changes;
    }
    entry.values = values;
    entry.interfaceName = answer.interfaceName;
    entry.network = network;
    entry.lastSeen = nowMs;
    return sighting;
}

void Inventory::noteOwnChange(const QByteArray &mac, const QJsonObject &confirmed)
{
    const auto known = entries.find(mac);
    if (known == entries.end())
        return;
    for (auto it = confirmed.begin(); it != confirmed.end(); ++it)
        known->values.insert(it.key(), it.value());
    dirty = true;
}

QList<InventoryEntry> Inventory::missing() const
{
    QList<InventoryEntry> list;
    for (const InventoryEntry &entry : entries) {
        if (isMissing(entry))
            list.append(entry);
    }
    std::sort(list.begin(), list.end(),
              [](const InventoryEntry &a, const InventoryEntry &b) { return a.mac < b.mac; });
    return list;
}

bool Inventory::isMissing(const InventoryEntry &entry) const
{
    return !answered.contains(entry.mac) && reached.contains(entry.network);
}

bool Inventory::forget(const QByteArray &mac)
{
    const bool removed = entries.remove(mac);
    dirty = dirty || removed;
    return removed;
}

const InventoryEntry *Inventory::find(const QByteArray &mac) const
{
    const auto known = entries.constFind(mac);
    return known == entries.constEnd() ? nullptr : &*known;
}

QByteArray Inventory::toJson() const
{
    // By MAC, one device a line: the same memory always reads the same.
    QList<const InventoryEntry *> sorted;
    sorted.reserve(entries.size());
    for (const InventoryEntry &entry : entries)
        sorted.append(&entry);
    std::sort(sorted.begin(), sorted.end(),
              [](const InventoryEntry *a, const InventoryEntry *b) { return a->mac < b->mac; });
    QByteArray out;
    out.reserve(sorted.size() * 512 + 64);
    out += "{\"version\":" + QByteArray::number(FormatVersion) + ",\"devices\":[";
    // Members after the first; no QJsonValue for texts and numbers: building
    // one costs more than writing it.
    const auto key = [&out](const char *name) {
        out += ",\"";
        out += name;
        out += "\":";
    };
    const auto text = [&](const char *name, QStringView value) {
        key(name);
        JsonWriter::appendString(out, value);
    };
    const auto number = [&](const char *name, qint64 value) {
        key(name);
        out += QByteArray::number(value);
    };
    const auto json = [&](const char *name, const QJsonValue &value) {
        key(name);
        JsonWriter::appendValue(out, value);
    };
    for (const InventoryEntry *entry : std::as_const(sorted)) {
        out += entry == sorted.constFirst() ? "\n{\"mac\":" : ",\n{\"mac\":";
        JsonWriter::appendString(out, DeviceRowContent::macText(entry->mac));
        json("values", entry->values);
        text("interface", entry->interfaceName);
        text("network", entry->network);
        number("first_seen", entry->firstSeen);
        number("last_seen", entry->lastSeen);
        number("changed_at", entry->changedAt);
        key("changes");
        out += '[';
        for (const InventoryChange &change : entry->lastChange) {
            out += &change == &entry->lastChange.constFirst() ? "{\"field\":" : ",{\"field\":";
            JsonWriter::appendString(out, change.key);
            json("new", change.after);
            json("old", change.before);
            out += '}';
        }
        out += "]}";
    }
    out += "\n]}\n";
    return out;
}

std::optional<Inventory> Inventory::fromJson(const QByteArray &document)
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(document, &error).object();
    const QJsonValue devices = root.value(QLatin1String("devices"));
    if (error.error != QJsonParseError::NoError ||
        root.value(QLatin1String("version")) != QJsonValue(FormatVersion) || !devices.isArray())
        return std::nullopt;
    Inventory inventory;
    for (const QJsonValue &value : devices.toArray()) {
        std::optional<InventoryEntry> entry = entryFrom(value);
        if (!entry || inventory.entries.contains(entry->mac))
            return std::nullopt;
        inventory.entries.insert(entry->mac, std::move(*entry));
    }
    return inventory;
}
