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

bool applyEntryToTarget(QList<ScoutelContainer> &targets, const SafeEntry &entry)
{
    const qsizetype index = findTargetByMac(targets, entry.mac);
    if (index < 0)
        return false;
    ScoutelContainer &target = targets[index];
    target->result = 0;
    applySafeEntry(entry, &target);
    return true;
}

QString missingMacsMessage(const QList<ScoutelContainer> &targets)
{
    QString missing;
    for (const ScoutelContainer &target : targets) {
        if (target->result != 0)
            missing += QLatin1Char(' ') + dashedHexText(target->mac);
    }
    if (missing.isEmpty())
        return {};
    return QCoreApplication::translate("DialogEdit", "Some MAC addresses are missing:\n%1")
        .arg(missing);
}
