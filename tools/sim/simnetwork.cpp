#include "simnetwork.h"

#include "simdevice.h"

#include <QNetworkInterface>

bool SimNetwork::onInterface(const QString &name, int count, SimNetwork *network, QString *error)
{
    const QNetworkInterface interface = QNetworkInterface::interfaceFromName(name);
    const auto entries = interface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries) {
        if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
            continue;
        const quint32 own = entry.ip().toIPv4Address();
        const quint32 mask = entry.netmask().toIPv4Address();
        // The last device stays below the broadcast address.
        if ((own | ~mask) - own <= quint32(count)) {
            *error =
                QStringLiteral("%1 devices do not fit in the network of %2").arg(count).arg(name);
            return false;
        }
        *network = SimNetwork{interface.index(), entry.ip(), entry.netmask()};
        return true;
    }
    *error = QStringLiteral("%1 is no interface with an IPv4 address").arg(name);
    return false;
}

QHostAddress SimNetwork::addressOf(int number) const
{
    if (interfaceIndex == 0)
        return SimDevice::addressOf(number);
    return QHostAddress(own.toIPv4Address() + quint32(number));
}
