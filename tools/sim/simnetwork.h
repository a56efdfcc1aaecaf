#pragma once

#include <QHostAddress>
#include <QString>

// Where a fleet lives: on loopback, or on the network of one interface, where
// device i answers from the interface's own address plus i.
struct SimNetwork
{
    int interfaceIndex = 0; // 0: loopback
    // The interface's own address: the devices' gateway and DNS.
    QHostAddress own = QHostAddress(QHostAddress::LocalHost);
    QHostAddress mask = QHostAddress(QStringLiteral("255.0.0.0"));

    // The network of the interface's first IPv4 address. False, with the
    // reason, when it has none or count devices do not fit in it.
    static bool onInterface(const QString &name, int count, SimNetwork *network, QString *error);

    QHostAddress addressOf(int number) const;
    // The fourth MAC byte: fleets on two networks never share a MAC.
    quint8 macByte() const { return quint8(interfaceIndex); }
};
