#include "deviceblock.h"

#include "hextext.h"

namespace {
QString printable(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}
} // namespace

QStringList deviceBlock(const ScoutelContainer &record, int count)
{
    const ScoutelSharedData &r = *record.constData();
    return {
        QStringLiteral("# %1").arg(count),
        hexText(r.mac),
        printable(r.name),
        r.ipAddress.toString(),
        r.subnetMask.toString(),
        r.gateway.toString(),
        r.dns.toString(),
        QString::number(r.dhcp),
        QString::number(r.mainPort),
        QString::number(r.auxPort),
        QString::number(r.httpPort),
        QString::number(r.sessionMinutes),
    };
}

QString missingLine(const InventoryEntry &entry)
{
    return QStringList{hexText(entry.mac),
                       printable(entry.values.value(QLatin1String("name")).toString()),
                       entry.values.value(QLatin1String("current_ip")).toString(), entry.network,
                       Inventory::timeText(entry.lastSeen)}
        .join(QLatin1Char('|'));
}
