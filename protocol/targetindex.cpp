#include "targetindex.h"

void TargetIndex::append(const ScoutelContainer &target)
{
    const QByteArray &mac = target->mac;
    const auto found = keys.constFind(mac);
    if (found != keys.constEnd()) {
        ordered.insert(found.value(), target);
        return;
    }
    keys.insert(mac, nextKey);
    ordered.insert(nextKey++, target);
}

std::optional<ScoutelContainer> TargetIndex::take(const QByteArray &mac)
{
    const auto found = keys.constFind(mac);
    if (found == keys.constEnd())
        return std::nullopt;
    const ScoutelContainer target = ordered.take(found.value());
    keys.erase(found);
    return target;
}

void TargetIndex::clear()
{
    keys.clear();
    ordered.clear();
}
