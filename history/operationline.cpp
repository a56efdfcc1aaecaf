#include "operationline.h"

#include "devicelist.h"
#include "devicerowcontent.h"
#include "fieldtable.h"
#include "resultcodes.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

namespace {
QString userName()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? qEnvironmentVariable("LOGNAME") : user;
}

QJsonObject changes(const ScoutelSharedData &target)
{
    QJsonObject changed;
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (!field.attribute || !(target.sendFields & field.bit))
            continue;
        QJsonValue value = DeviceList::fieldValue(field, target);
        // Secrets and the restart are told by their presence alone.
        if (field.bit == FieldNewPassword || field.bit == FieldPublicKey || value.isNull())
            value = true;
        changed.insert(QLatin1String(field.attribute), value);
    }
    return changed;
}

QJsonObject targetObject(const TargetOutcome &outcome)
{
    QJsonObject object{
        {QStringLiteral("mac"), DeviceRowContent::macText(outcome.mac())},
        {QStringLiteral("name"), outcome.nameBefore},
        {QStringLiteral("address"), outcome.addressBefore.toString()},
        {QStringLiteral("changed"), changes(*outcome.target.constData())},
        {QStringLiteral("outcome"), QLatin1String(TargetOutcome::kindName(outcome.kind))},
    };
    if (outcome.kind == TargetOutcome::Kind::Confirmed ||
        outcome.kind == TargetOutcome::Kind::Refused || outcome.code != 0) {
        object.insert(QStringLiteral("code"), outcome.code);
        object.insert(QStringLiteral("result"), ResultCodes::name(outcome.code));
    }
    return object;
}
} // namespace

QByteArray OperationLine::of(const OperationRecord &record, const QString &mode)
{
    // Each target is written on its own and the list joined by hand: one
    // document of thousands of nested objects takes many times longer.
    QByteArray targets;
    QStringList interfaces; // where the targets were found
    for (const TargetOutcome &outcome : record.outcomes) {
        targets += (targets.isEmpty() ? "" : ",") +
                   QJsonDocument(targetObject(outcome)).toJson(QJsonDocument::Compact);
        const QString &name = outcome.target->interfaceName;
        if (!name.isEmpty() && !interfaces.contains(name))
            interfaces << name;
    }
    QJsonObject line{
        {QStringLiteral("time"), record.started.toUTC().toString(Qt::ISODateWithMs)},
        {QStringLiteral("mode"), mode},
        {QStringLiteral("user"), userName()},
        {QStringLiteral("host"), QSysInfo::machineHostName()},
        {QStringLiteral("version"), QStringLiteral(SCOUTEL_VERSION_TEXT)},
        {QStringLiteral("interface"), interfaces.join(QLatin1String(", "))},
        {QStringLiteral("duration_ms"), record.durationMs},
    };
    if (!record.sendError.isEmpty())
        line.insert(QStringLiteral("send_error"), record.sendError);
    QByteArray whole = QJsonDocument(line).toJson(QJsonDocument::Compact);
    whole.chop(1); // the closing brace
    return whole + R"(,"targets":[)" + targets + "]}";
}