#pragma once

#include "simulatorprocess.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The fleets the search benchmarks run against: 100, 500 and 2,000 devices on
// loopback through the system's choice, then 1,000 on each of two networks
// (scripts/in-netns --networks 2) through every interface.
struct BenchFleet
{
    QStringList networks; // an empty name: loopback
    int devicesPerNetwork;
    int interfaceIndex; // what the search goes through

    static const QList<BenchFleet> &all();

    int devices() const { return devicesPerNetwork * int(networks.size()); }
    // " on sctlnet1+sctlnet2", or nothing on loopback.
    QString where() const;
    // Starts one simulator per network; false, with the reason, when one does not start.
    bool start(std::vector<std::unique_ptr<SimulatorProcess>> *simulators, QString *error) const;
};
