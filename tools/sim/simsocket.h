#pragma once

#include "simfleet.h"
#include "simnetwork.h"

#include <QString>

// The fleet's one UDP socket: bound to the devices' port, joined to the SCTL
// group on the fleet's network only, it receives every request with its
// time-to-live and interface and sends each answer from the answering
// device's own address. Fleets on other networks may share the port.
class SimSocket
{
public:
    SimSocket() = default;
    SimSocket(const SimSocket &) = delete;
    SimSocket &operator=(const SimSocket &) = delete;
    ~SimSocket();

    bool open(const SimNetwork &network, QString *error);
    int descriptor() const { return fd; }
    // False when nothing is pending.
    bool receive(ReceivedDatagram *datagram);
    bool send(const OutgoingDatagram &datagram, QString *error);

private:
    int fd = -1;
};
