#pragma once

#include "scoutelcontainer.h"

#include <QList>

// Device i (1-based) of a fleet as the plan fixtures know it: MAC
// 02-53-43-00 and i in two bytes, as the simulator's, answering from 10.1.0.(i+1), its static
// address in 10.1.0.0/24, named "Safe i", ports 10000+i and 20000+i, 15 minutes.
inline QList<ScoutelContainer> planFleet(int count)
{
    QList<ScoutelContainer> records;
    for (int i = 1; i <= count; ++i) {
        ScoutelSharedData &r = *records.emplace_back().data();
        r.mac = QByteArray::fromHex("025343000000");
        r.mac[4] = char(i >> 8);
        r.mac[5] = char(i);
        r.sender = r.ipAddress = QHostAddress(0x0A010001u + quint32(i));
        r.subnetMask = QHostAddress(0xFFFFFF00u);
        r.gateway = QHostAddress(0x0A010001u);
        r.name = QStringLiteral("Safe %1").arg(i);
        r.mainPort = 10000 + i;
        r.auxPort = 20000 + i;
        r.sessionMinutes = 15;
        r.presentFields = FieldName | FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp |
                          FieldMainPort | FieldAuxPort | FieldSessionMinutes;
    }
    return records;
}
