#include "netguard.h"

#include <QHash>
#include <QNetworkInterface>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace {
// Names of the networks scripts/in-netns builds for tests: one end of a
// virtual Ethernet pair each, whose other end is in the same namespace, so
// nothing sent through them can reach another machine.
const QLatin1String TestNetworkPrefix("sctlnet");

// The interfaces of this namespace that are one end of such a closed pair.
QStringList closedTestNetworks()
{
    QProcess ip;
    ip.start(QStringLiteral("ip"), {QStringLiteral("-o"), QStringLiteral("link")});
    if (!ip.waitForFinished(5000) || ip.exitStatus() != QProcess::NormalExit || ip.exitCode() != 0)
        return {};
    // "3: sctlnet1@sctlnet1p: <...>"; a peer in another namespace shows as
    // "@if7" and the line names its link-netnsid.
    static const QRegularExpression pair(QStringLiteral("^\\d+: ([^@:]+)@([^:]+): "));
    QHash<QString, QString> peers;
    const QStringList lines = QString::fromLocal8Bit(ip.readAllStandardOutput()).split(u'\n');
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = pair.match(line);
        if (match.hasMatch() && !line.contains(QLatin1String("link-netnsid")))
            peers.insert(match.captured(1), match.captured(2));
    }
    QStringList closed;
    for (auto it = peers.cbegin(); it != peers.cend(); ++it) {
        if (it.key().startsWith(TestNetworkPrefix) && peers.contains(it.value()))
            closed << it.key();
    }
    return closed;
}
} // namespace

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
    if (!exposed.isEmpty()) {
        const QStringList closed = closedTestNetworks();
        exposed.removeIf([&](const QString &name) { return closed.contains(name); });
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
