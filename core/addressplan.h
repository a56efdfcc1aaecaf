#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QtGlobal>

// Consecutive static addresses for several devices at once: each target, in
// order, takes the next address of the range that nobody else holds.
class AddressPlan
{
public:
    struct Device
    {
        QByteArray mac;
        // Addresses the device holds now: the one it answers from, its static one.
        QSet<quint32> holds;
    };

    // What a device holds, as its record tells.
    static QSet<quint32> addressesOf(const ScoutelSharedData &record);

    // From first on, within the subnet of mask; the gateway and every address
    // that others hold are skipped. A target never takes an address another
    // target holds, so that no two devices share one at any moment, whatever
    // order the devices take their new addresses in.
    AddressPlan(quint32 first, quint32 mask, quint32 gateway, const QList<Device> &targets,
                const QSet<quint32> &heldByOthers);

    // Every target got an address below the subnet's broadcast address.
    bool fits() const { return addresses.size() == targetCount; }
    // The targets' addresses, in their order; fewer than the targets when it does not fit.
    const QList<quint32> &assigned() const { return addresses; }
    // How many addresses the range has for the targets.
    int freeCount() const { return free; }

private:
    QList<quint32> addresses;
    qsizetype targetCount = 0;
    int free = 0;
};
