#include "planpreview.h"

#include "addressplan.h"
#include "configurationrules.h"
#include "devicelist.h"
#include "devicerowcontent.h"
#include "fieldrules.h"
#include "safeattributes.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace {
using ConfigurationRules::Fault;
using ConfigurationRules::Problem;
using Rule = ConfigurationRules::Field;
using Values = QMap<QString, QString>;

enum class Kind { Text, Address, Number, Switch };
enum Group { Alone, Addressing, Ports };

struct PlanField
{
    QString key;
    Kind kind;
    Group group;
    Rule rule;
};

const QList<PlanField> &planFields()
{
    using namespace SafeAttribute;
    static const QList<PlanField> fields{
        {Name, Kind::Text, Alone, Rule::Name},
        {Dhcp, Kind::Switch, Addressing, Rule::Password}, // never a rule's problem
        {IpAddress, Kind::Address, Addressing, Rule::IpAddress},
        {SubnetMask, Kind::Address, Addressing, Rule::SubnetMask},
        {Gateway, Kind::Address, Addressing, Rule::Gateway},
        {TcpPort, Kind::Number, Ports, Rule::MainPort},
        {AuxPort, Kind::Number, Ports, Rule::AuxPort},
        {HttpPort, Kind::Number, Alone, Rule::HttpPort},
        {SessionMinutes, Kind::Number, Alone, Rule::SessionMinutes},
    };
    return fields;
}

QString keyOf(Rule rule)
{
    for (const PlanField &field : planFields()) {
        if (field.rule == rule && field.kind != Kind::Switch)
            return field.key;
    }
    return QString();
}

bool same(const PlanField &field, const QString &planned, const QString &current)
{
    switch (field.kind) {
    case Kind::Address: {
        const auto value = FieldRules::dottedValue(planned);
        return value && value == FieldRules::dottedValue(current);
    }
    case Kind::Number: {
        const auto value = FieldRules::wholeNumber(planned);
        return value && value == FieldRules::wholeNumber(current);
    }
    default:
        return planned == current;
    }
}

Values currentValues(const ScoutelSharedData &record)
{
    const QJsonObject listed = DeviceList::toJson(record);
    Values values;
    for (const PlanField &field : planFields()) {
        if (listed.contains(field.key))
            values.insert(field.key, DeviceList::cellOf(listed.value(field.key)));
    }
    return values;
}

ConfigurationForm formOf(const Values &values)
{
    ConfigurationForm form = ConfigurationForm::given(values);
    if (values.contains(SafeAttribute::HttpPort))
        form.httpPort = values.value(SafeAttribute::HttpPort);
    return form;
}

QString faultText(const Problem &problem, const Values &sent)
{
    switch (problem.fault) {
    case Fault::NotInRange:
        return PlanPreview::tr("%1 is not a whole number from 0 to %2")
            .arg(problem.value)
            .arg(ConfigurationRules::LargestNumber);
    case Fault::SamePorts:
        return PlanPreview::tr("%1 is the main TCP port too").arg(problem.value);
    default:
        break;
    }
    if (problem.field == Rule::SubnetMask)
        return PlanPreview::tr("%1 is not a subnet mask").arg(problem.value);
    if (!FieldRules::dottedValue(problem.value))
        return PlanPreview::tr("%1 is not an address").arg(problem.value);
    return PlanPreview::tr("%1 is not a host address in the network of %2")
        .arg(problem.value, sent.value(SafeAttribute::SubnetMask));
}

// What a device ends up with, and the address it takes from nobody or from another.
struct Destination
{
    std::optional<quint32> staticAddress; // none with DHCP
    bool moves = false;                   // takes a static address it does not hold now
};

Destination destinationOf(const PlanPreview::Device &device)
{
    const ConfigurationForm &form = device.form;
    const ScoutelSharedData *found = device.isFound ? device.found.constData() : nullptr;
    const bool dhcp = form.dhcp ? *form.dhcp : found && found->dhcp != 0;
    if (dhcp)
        return {};
    std::optional<quint32> address;
    if (form.ipAddress)
        address = FieldRules::dottedValue(*form.ipAddress);
    else if (found && (found->presentFields & FieldIpAddress))
        address = found->ipAddress.toIPv4Address();
    const bool moves =
        found && form.ipAddress && address && !AddressPlan::addressesOf(*found).contains(*address);
    return {address, moves};
}

QString addressText(quint32 address)
{
    return QHostAddress(address).toString();
}
} // namespace

PlanPreview::PlanPreview(const PlanReader::Plan &plan, const QList<ScoutelContainer> &found)
    : source(plan), faults(plan.problems)
{
    QHash<QByteArray, ScoutelContainer> byMac;
    for (const ScoutelContainer &record : found)
        byMac.insert(record->mac, record);
    QSet<QByteArray> inPlan;
    for (const PlanReader::Row &row : plan.rows) {
        Device device{row, byMac.contains(row.mac), byMac.value(row.mac), {}, {}};
        inPlan.insert(row.mac);
        this->plan(device);
        devices << device;
    }
    for (const ScoutelContainer &record : found) {
        if (!inPlan.contains(record->mac))
            others << record;
    }
    checkAddresses();
}

void PlanPreview::plan(Device &device)
{
    const Values &planned = device.row.values;
    const Values current = device.isFound ? currentValues(*device.found.constData()) : Values();
    Values sent;
    QSet<Group> groups;
    for (const PlanField &field : planFields()) {
        const auto value = planned.constFind(field.key);
        if (value == planned.constEnd() ||
            (current.contains(field.key) && same(field, *value, current.value(field.key))))
            continue;
        device.changes << Change{field.key, current.value(field.key), *value};
        sent.insert(field.key, *value);
        groups.insert(field.group);
    }
    for (const PlanField &field : planFields()) {
        if (field.group != Alone && groups.contains(field.group) && !sent.contains(field.key) &&
            current.contains(field.key))
            sent.insert(field.key, current.value(field.key));
    }
    device.form = formOf(sent);
    // A device that did not answer is checked on its row alone.
    const bool maskKnown = device.isFound || sent.contains(SafeAttribute::SubnetMask);
    ConfigurationRules::Strictness strictness = ConfigurationRules::Form;
    if (!maskKnown)
        strictness.addresses = ConfigurationRules::AddressRule::Shape;
    const QString label = PlanReader::Plan::rowLabel(device.row);
    // Every problem of the row: each refused field leaves the form in turn.
    Values checked = sent;
    while (const auto problem = ConfigurationRules::check(formOf(checked), strictness)) {
        const QString key = keyOf(problem->field);
        const QString column = source.columnName(key);
        const QString storable = ConfigurationRules::unstorableText(*problem, column);
        faults << (storable.isEmpty()
                       ? tr("%1, %2: %3").arg(label, column, faultText(*problem, checked))
                       : tr("%1, %2").arg(label, storable));
        if (!checked.remove(key))
            break;
    }
}

void PlanPreview::checkAddresses()
{
    QHash<quint32, qsizetype> plannedFor;
    QHash<quint32, QByteArray> holder;
    QHash<QByteArray, qsizetype> indexOf;
    QList<Destination> addressing;
    for (const ScoutelContainer &record : others) {
        for (const quint32 address : AddressPlan::addressesOf(*record.constData()))
            holder.insert(address, record->mac);
    }
    for (qsizetype i = 0; i < devices.size(); ++i) {
        const Device &device = devices.at(i);
        indexOf.insert(device.row.mac, i);
        addressing << destinationOf(device);
        if (device.isFound) {
            for (const quint32 address : AddressPlan::addressesOf(*device.found.constData()))
                holder.insert(address, device.row.mac);
        }
    }
    const QString column = source.columnName(SafeAttribute::IpAddress);
    QList<qsizetype> after(devices.size(), -1);
    for (qsizetype i = 0; i < devices.size(); ++i) {
        const std::optional<quint32> address = addressing.at(i).staticAddress;
        if (!address)
            continue;
        const QString head =
            tr("%1, %2: %3")
                .arg(PlanReader::Plan::rowLabel(devices.at(i).row), column, addressText(*address));
        const auto twin = plannedFor.constFind(*address);
        if (twin != plannedFor.constEnd())
            faults << tr("%1 is planned for %2 too")
                          .arg(head, PlanReader::Plan::rowLabel(devices.at(*twin).row));
        plannedFor.insert(*address, i);
        const QByteArray held = holder.value(*address);
        if (!addressing.at(i).moves || held.isEmpty() || held == devices.at(i).row.mac)
            continue;
        const qsizetype j = indexOf.value(held, -1);
        if (j < 0)
            faults << tr("%1 is held now by %2, which is not in the plan")
                          .arg(head, DeviceRowContent::macText(held));
        else if (!addressing.at(j).moves)
            faults << tr("%1 is held now by %2, which keeps it")
                          .arg(head, PlanReader::Plan::rowLabel(devices.at(j).row));
        else
            after[i] = j;
    }
    order(after);
}

void PlanPreview::order(const QList<qsizetype> &after)
{
    // Each device waits for at most one other to leave the address it takes:
    // the chains are followed to their ends, and a chain that closes is a swap.
    QList<int> state(after.size(), 0); // 0 not placed, 1 on the chain walked now, 2 placed
    for (qsizetype start = 0; start < after.size(); ++start) {
        QList<qsizetype> chain;
        qsizetype i = start;
        while (i >= 0 && state.at(i) == 0) {
            state[i] = 1;
            chain << i;
            i = after.at(i);
        }
        if (i >= 0 && state.at(i) == 1)
            faults << tr("%1 and %2 swap addresses: at some moment two devices would hold one; "
                         "move one of them to a free address first")
                          .arg(PlanReader::Plan::rowLabel(devices.at(i).row),
                               PlanReader::Plan::rowLabel(devices.at(after.at(i)).row));
        for (auto placed = chain.crbegin(); placed != chain.crend(); ++placed) {
            state[*placed] = 2;
            sendOrder << *placed;
        }
    }
}

QList<ScoutelContainer> PlanPreview::targets(const QString &password,
                                             const QSet<QByteArray> &chosen) const
{
    QList<ScoutelContainer> list;
    for (auto i = sendOrder.crbegin(); i != sendOrder.crend(); ++i) {
        const Device &device = devices.at(*i);
        if (!device.isFound || device.changes.isEmpty() || !chosen.contains(device.row.mac))
            continue;
        ScoutelContainer target = device.found;
        ConfigurationForm form = device.form;
        form.password = password;
        form.writeInto(*target.data());
        list << target;
    }
    return list;
}

QSet<QByteArray> PlanPreview::changing() const
{
    QSet<QByteArray> macs;
    for (const Device &device : devices) {
        if (device.isFound && !device.changes.isEmpty())
            macs.insert(device.row.mac);
    }
    return macs;
}

QString PlanPreview::describe(const Device &device) const
{
    if (!device.isFound)
        return tr("not found");
    if (device.changes.isEmpty())
        return tr("nothing to change");
    QStringList changes;
    for (const Change &change : device.changes)
        changes << tr("%1: %2 -> %3")
                       .arg(source.columnName(change.key),
                            DeviceRowContent::cellText(change.current),
                            DeviceRowContent::cellText(change.planned));
    return changes.join(QLatin1String("; "));
}

QStringList PlanPreview::textLines() const
{
    QStringList lines;
    for (const Device &device : devices)
        lines << tr("%1: %2").arg(PlanReader::Plan::rowLabel(device.row), describe(device));
    for (const ScoutelContainer &record : others)
        lines << tr("%1 %2: not in the plan, untouched")
                     .arg(DeviceRowContent::macText(record->mac),
                          DeviceRowContent::cellText(record->name));
    return lines;
}

QByteArray PlanPreview::jsonLines() const
{
    QByteArray lines;
    const auto add = [&lines](const QJsonObject &object) {
        lines += QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    };
    for (const Device &device : devices) {
        QJsonObject changes;
        for (const Change &change : device.changes)
            changes.insert(change.key, QJsonObject{{QStringLiteral("current"), change.current},
                                                   {QStringLiteral("planned"), change.planned}});
        add({{SafeAttribute::MacAddress, DeviceRowContent::macText(device.row.mac)},
             {QStringLiteral("row"), device.row.number},
             {QStringLiteral("found"), device.isFound},
             {QStringLiteral("changes"), changes}});
    }
    for (const ScoutelContainer &record : others)
        add({{SafeAttribute::MacAddress, DeviceRowContent::macText(record->mac)},
             {QStringLiteral("untouched"), true}});
    return lines;
}
