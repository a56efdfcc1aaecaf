#include "outbox.h"

void Outbox::add(const QList<OutgoingDatagram> &datagrams)
{
    for (const OutgoingDatagram &datagram : datagrams)
        waiting.emplace(datagram.dueMs, datagram);
}

QList<OutgoingDatagram> Outbox::takeDue(qint64 nowMs)
{
    QList<OutgoingDatagram> due;
    const auto end = waiting.upper_bound(nowMs);
    for (auto it = waiting.begin(); it != end; ++it)
        due.append(it->second);
    waiting.erase(waiting.begin(), end);
    return due;
}
