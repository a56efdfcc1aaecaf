#include "memorynotes.h"

#include "devicerowcontent.h"
#include "fieldtable.h"

#include <QDateTime>
#include <QLocale>

#include <utility>

namespace {
QString timeText(qint64 ms)
{
    return QLocale().toString(QDateTime::fromMSecsSinceEpoch(ms), QLocale::ShortFormat);
}

// Names as the tree's column titles have them, by the keys the memory watches.
constexpr std::pair<quint8, const char *> Labels[] = {
    {Tag::Name, QT_TRANSLATE_NOOP("Scoutel", "Name")},
    {Tag::IpAddress, QT_TRANSLATE_NOOP("Scoutel", "IP Address")},
    {Tag::SubnetMask, QT_TRANSLATE_NOOP("Scoutel", "Subnet Mask")},
    {Tag::Gateway, QT_TRANSLATE_NOOP("Scoutel", "Gateway")},
    {Tag::Dns, QT_TRANSLATE_NOOP("Scoutel", "DNS")},
    {Tag::Dhcp, QT_TRANSLATE_NOOP("Scoutel", "DHCP")},
    {Tag::MainPort, QT_TRANSLATE_NOOP("Scoutel", "Main TCP Port")},
    {Tag::AuxPort, QT_TRANSLATE_NOOP("Scoutel", "Aux TCP Port")},
    {Tag::HttpPort, QT_TRANSLATE_NOOP("Scoutel", "HTTP TCP Port")},
    {Tag::SessionMinutes, QT_TRANSLATE_NOOP("Scoutel", "Session Minutes")},
};

QString fieldLabel(const QString &key)
{
    for (const auto &[tag, label] : Labels) {
        if (key == QLatin1String(FieldTable::captureName(*FieldTable::forTag(tag))))
            return QCoreApplication::translate("Scoutel", label);
    }
    return QCoreApplication::translate("Scoutel", "Network");
}
} // namespace

QString MemoryNotes::valueText(const QJsonValue &value)
{
    return DeviceRowContent::cellText(value.toVariant().toString());
}

QStringList MemoryNotes::of(const Sighting &seen, qint64 firstSeen)
{
    QStringList notes;
    if (seen.markedNew)
        notes << QCoreApplication::translate("Scoutel", "New on %1").arg(timeText(firstSeen));
    QStringList changes;
    for (const InventoryChange &change : seen.changes)
        changes << QStringLiteral("%1 %2 → %3")
                       .arg(fieldLabel(change.key), valueText(change.before),
                            valueText(change.after));
    if (!changes.isEmpty())
        notes << QCoreApplication::translate("Scoutel", "Changed since %1: %2")
                     .arg(timeText(seen.since), changes.join(QLatin1String(", ")));
    return notes;
}

QString MemoryNotes::missing(qint64 lastSeen)
{
    return QCoreApplication::translate("Scoutel", "Not found since %1").arg(timeText(lastSeen));
}
