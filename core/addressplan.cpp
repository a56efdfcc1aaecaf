#include "addressplan.h"

#include <QHash>

namespace {
constexpr qsizetype SeveralTargets = -1;
} // namespace

QSet<quint32> AddressPlan::addressesOf(const ScoutelSharedData &record)
{
    QSet<quint32> held;
    if (!record.sender.isNull())
        held.insert(record.sender.toIPv4Address());
    if (record.presentFields & FieldIpAddress)
        held.insert(record.ipAddress.toIPv4Address());
    return held;
}

AddressPlan::AddressPlan(quint32 first, quint32 mask, quint32 gateway, const QList<Device> &targets,
                         const QSet<quint32> &heldByOthers)
    : targetCount(targets.size())
{
    const quint32 broadcast = first | ~mask;
    QHash<quint32, qsizetype> holder;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        for (const quint32 address : targets.at(i).holds) {
            const auto found = holder.constFind(address);
            holder.insert(address, found == holder.constEnd() || *found == i ? i : SeveralTargets);
        }
    }
    const auto usable = [&](quint32 address) {
        return address != gateway && !heldByOthers.contains(address);
    };
    quint32 next = first;
    for (qsizetype i = 0; i < targets.size() && next < broadcast; ++i) {
        while (next < broadcast && (!usable(next) || holder.value(next, i) != i))
            ++next;
        if (next < broadcast)
            addresses.append(next++);
    }
    // Free for the targets: the range less what the gateway and the others hold.
    qint64 unusable = first <= gateway && gateway < broadcast ? 1 : 0;
    for (const quint32 address : heldByOthers)
        unusable += first <= address && address < broadcast && address != gateway ? 1 : 0;
    free = int(qMin<qint64>(qint64(broadcast) - first - unusable, INT_MAX));
}
