#include "netguard.h"

#include <QNetworkInterface>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

QString NetGuard::exposedInterfaces()
{
    QStringList exposed;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &i : interfaces) {
        const auto flags = i.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) &&
            !flags.testFlag(QNetworkInterface::IsLoopBack))
            exposed << i.name();
    }
    return exposed.join(QLatin1String(", "));
}

void NetGuard::requirePrivateNetwork(const char *who)
{
    const QString exposed = exposedInterfaces();
    if (exposed.isEmpty())
        return;
    std::fprintf(stderr,
                 "%s: refusing to run: network interface(s) %s are up, so SCTL traffic could "
                 "leave this machine. Run it through scripts/in-netns.\n",
                 who, qPrintable(exposed));
    std::exit(3);
}
