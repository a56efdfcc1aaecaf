#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QPair>
#include <QString>

// The host's network interfaces as a search sees them. A stored interface
// index is one of the system's indexes or one of the two choices below.
namespace NetworkInterfaces {
// The socket's own choice: the system's route to the group.
constexpr int SystemChoice = -1;
// Every usable interface at once.
constexpr int All = -2;

// Valid, up, able to multicast and not loopback; whether it is running does
// not matter. In the order the system lists them.
QList<QNetworkInterface> usable();
bool isUsable(const QNetworkInterface &interface);
// The networks an interface's addresses belong to, as address and prefix length.
QList<QPair<QHostAddress, int>> subnetsOf(const QNetworkInterface &interface);
} // namespace NetworkInterfaces
