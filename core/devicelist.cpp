#include "devicelist.h"

#include "devicerowcontent.h"
#include "fieldtable.h"
#include "safeattributes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <algorithm>
#include <iterator>

namespace {
// The fields a list names; each key is the field's name in files and captures.
constexpr quint8 ListedTags[] = {
    Tag::IpAddress, Tag::SubnetMask,  Tag::Gateway,        Tag::Dns,  Tag::Dhcp,   Tag::MainPort,
    Tag::AuxPort,   Tag::HttpPort,    Tag::SessionMinutes, Tag::Name, Tag::HwName, Tag::HwVersion,
    Tag::UpTime,    Tag::StatusFlags,
};

// The fields a plan may set.
constexpr quint8 ConfigurableTags[] = {
    Tag::IpAddress, Tag::SubnetMask, Tag::Gateway, Tag::Dhcp,           Tag::MainPort,
    Tag::AuxPort,   Tag::HttpPort,   Tag::Name,    Tag::SessionMinutes,
};

// The fields the columns after Current IP show, in column order.
constexpr quint8 ColumnTags[] = {
    Tag::IpAddress, Tag::SubnetMask, Tag::Gateway,         Tag::Dns,           Tag::Dhcp,
    Tag::MainPort,  Tag::AuxPort,    Tag::HttpPort,        Tag::Name,          Tag::HwName,
    Tag::HwVersion, Tag::UpTime,     Tag::BusOnewireFirst, Tag::BusRs485First, Tag::BusTcpFirst,
};

QString keyOf(quint8 tag)
{
    return QLatin1String(FieldTable::captureName(*FieldTable::forTag(tag)));
}

bool startsFormula(QStringView text)
{
    static const QString Triggers = QStringLiteral("=+-@\t\r");
    return !text.isEmpty() && Triggers.contains(text.front());
}

// A cell the reader would strip an apostrophe from: a formula, or an
// apostrophe before one.
bool needsGuard(QStringView text)
{
    while (text.startsWith(QLatin1Char('\'')))
        text = text.mid(1);
    return startsFormula(text);
}

QStringList csvFields(const ScoutelContainer &record)
{
    QStringList fields(DeviceColumnCount);
    fields[ColumnMac] = DeviceRowContent::macText(record->mac);
    QStringList warnings;
    const DeviceRowContent content(record, CellUse::Export);
    for (const DeviceCell &cell : content.cells()) {
        if (cell.column == WarningColumn)
            warnings << cell.text;
        else
            fields[cell.column] = cell.text;
    }
    fields.removeAt(ColumnLabel);
    return fields << warnings.join(QLatin1String("; "));
}
} // namespace

QJsonValue DeviceList::fieldValue(const FieldTable::Field &field, const ScoutelSharedData &r)
{
    using FieldTable::Kind;
    switch (field.kind) {
    case Kind::Address:
        return (r.*field.address).toString();
    case Kind::Number16:
        return r.*field.number;
    case Kind::Switch16:
        return r.*field.number != 0;
    case Kind::Word32:
        return qint64(r.*field.word);
    case Kind::Text:
        return r.*field.text;
    case Kind::Version:
        return QStringLiteral("%1.%2").arg(r.*field.number).arg(r.*field.minor);
    default:
        return QJsonValue();
    }
}

QByteArray DeviceList::csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (QString field : fields) {
        field = DeviceList::guardedCell(field);
        if (field.contains(QLatin1Char('"')) || field.contains(QLatin1Char(',')) ||
            field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r')))
            field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                    QLatin1Char('"');
        quoted << field;
    }
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QJsonObject DeviceList::toJson(const ScoutelSharedData &record)
{
    QJsonObject object{
        {SafeAttribute::MacAddress, DeviceRowContent::macText(record.mac)},
        {QStringLiteral("current_ip"), record.sender.toString()},
        {QStringLiteral("warnings"),
         QJsonArray::fromStringList(DeviceRowContent::warnings(record))},
    };
    if (!record.interfaceName.isEmpty())
        object.insert(QStringLiteral("interface"), record.interfaceName);
    for (const quint8 tag : ListedTags) {
        const FieldTable::Field &field = *FieldTable::forTag(tag);
        // The status has no bit: every answer counts as carrying it.
        if (field.bit == 0 || (record.presentFields & field.bit))
            object.insert(QLatin1String(FieldTable::captureName(field)), fieldValue(field, record));
    }
    return object;
}

QString DeviceList::cellOf(const QJsonValue &value)
{
    if (value.isBool())
        return SafeAttribute::boolText(value.toBool());
    if (value.isDouble() && value.toDouble() == double(value.toInteger()))
        return QString::number(value.toInteger());
    return value.toString();
}

const QStringList &DeviceList::keys()
{
    static const QStringList all = [] {
        ScoutelSharedData every;
        every.presentFields = ~0u;
        every.interfaceName = QStringLiteral("any");
        return toJson(every).keys();
    }();
    return all;
}

bool DeviceList::isConfigurable(const QString &key)
{
    return std::any_of(std::begin(ConfigurableTags), std::end(ConfigurableTags),
                       [&key](quint8 tag) { return keyOf(tag) == key; });
}

const QList<DeviceList::Column> &DeviceList::columns()
{
    static const QList<Column> all = [] {
        QList<Column> list{{"MAC Address", SafeAttribute::MacAddress},
                           {"Current IP", QStringLiteral("current_ip")}};
        for (const quint8 tag : ColumnTags)
            list.append({FieldTable::forTag(tag)->label, keyOf(tag)});
        list.append(
            {{"Interface", QStringLiteral("interface")}, {"Warnings", QStringLiteral("warnings")}});
        return list;
    }();
    return all;
}

QString DeviceList::guardedCell(const QString &text)
{
    return needsGuard(text) ? QLatin1Char('\'') + text : text;
}

QString DeviceList::unguardedCell(const QString &cell)
{
    return cell.startsWith(QLatin1Char('\'')) && needsGuard(QStringView(cell).mid(1)) ? cell.mid(1)
                                                                                      : cell;
}

QByteArray DeviceList::jsonLine(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray DeviceList::json(const QList<ScoutelContainer> &records)
{
    QJsonArray list;
    for (const ScoutelContainer &record : records)
        list.append(toJson(*record.constData()));
    return QJsonDocument(list).toJson();
}

QByteArray DeviceList::csv(const QList<ScoutelContainer> &records, const QStringList &titles)
{
    QStringList header = titles;
    header.removeAt(ColumnLabel);
    QByteArray document = csvLine(header << QCoreApplication::translate("Scoutel", "Warnings"));
    for (const ScoutelContainer &record : records)
        document += csvLine(csvFields(record));
    return document;
}

QString DeviceList::save(const QString &fileName, const QList<ScoutelContainer> &records,
                         const QStringList &titles)
{
    return write(fileName, fileName.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                               ? json(records)
                               : csv(records, titles));
}

QString DeviceList::write(const QString &fileName, const QByteArray &content)
{
    // Flushed by hand: commit() does not notice a short write.
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush() &&
        file.commit())
        return QString();
    return file.errorString();
}
