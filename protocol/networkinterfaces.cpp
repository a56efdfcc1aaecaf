#include "networkinterfaces.h"

QList<QNetworkInterface> NetworkInterfaces::usable()
{
    QList<QNetworkInterface> found;
    const auto all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : all) {
        if (isUsable(interface))
            found.append(interface);
    }
    return found;
}

bool NetworkInterfaces::isUsable(const QNetworkInterface &interface)
{
    const auto flags = interface.flags();
    return interface.isValid() && flags.testFlag(QNetworkInterface::IsUp) &&
           flags.testFlag(QNetworkInterface::CanMulticast) &&
           !flags.testFlag(QNetworkInterface::IsLoopBack);
}

QList<QPair<QHostAddress, int>> NetworkInterfaces::subnetsOf(const QNetworkInterface &interface)
{
    QList<QPair<QHostAddress, int>> subnets;
    const auto entries = interface.addressEntries();
    for (const QNetworkAddressEntry &entry : entries)
        subnets.append({entry.ip(), entry.prefixLength()});
    return subnets;
}
