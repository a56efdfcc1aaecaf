#pragma once

#include <QString>

// Everything that opens an SCTL socket outside the product (tests, simulator,
// benchmarks) must run in a private network namespace: a multicast datagram
// sent on a real interface would leave the machine.
namespace NetGuard {
// Empty when only loopback interfaces are up; otherwise the reason to refuse.
QString exposedInterfaces();
// Prints the reason and ends the process with status 3 unless the network is private.
void requirePrivateNetwork(const char *who);
} // namespace NetGuard
