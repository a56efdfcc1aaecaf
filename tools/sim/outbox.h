#pragma once

#include "simfleet.h"

#include <map>

// Answers waiting for their time, in due order; equal times keep their order.
class Outbox
{
public:
    void add(const QList<OutgoingDatagram> &datagrams);
    QList<OutgoingDatagram> takeDue(qint64 nowMs);
    bool isEmpty() const { return waiting.empty(); }
    qint64 nextDueMs() const { return waiting.begin()->first; }

private:
    std::multimap<qint64, OutgoingDatagram> waiting;
};
