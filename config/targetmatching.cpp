#include "targetmatching.h"

#include "hextext.h"

#include <QCoreApplication>

qsizetype findTargetByMac(const QList<ScoutelContainer> &targets, const QByteArray &mac)
{
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (targets.at(i)->mac == mac)
            return i;
    }
    return -1;
}

QString missingMacsMessage(const QList<QByteArray> &macs)
{
    QString missing;
    for (const QByteArray &mac : macs)
        missing += QLatin1Char(' ') + dashedHexText(mac);
    if (missing.isEmpty())
        return {};
    return QCoreApplication::translate("DialogEdit", "Some MAC addresses are missing:\n%1")
        .arg(missing);
}
