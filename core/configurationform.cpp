#include "configurationform.h"

#include "fieldrules.h"
#include "safeattributes.h"

#include <algorithm>
#include <tuple>

namespace {
// What the edit form holds for the two ports until a file or the operator sets them.
const QString FormMainPort = QStringLiteral("1000");
const QString FormAuxPort = QStringLiteral("1001");

std::optional<QString> attribute(const QMap<QString, QString> &attributes, const QString &name)
{
    const auto found = attributes.constFind(name);
    return found == attributes.constEnd() ? std::nullopt : std::optional<QString>(*found);
}

bool hasAny(const QMap<QString, QString> &attributes, std::initializer_list<QString> names)
{
    return std::any_of(names.begin(), names.end(),
                       [&attributes](const QString &name) { return attributes.contains(name); });
}

template <typename T>
void write(const std::optional<QString> &value, T ScoutelSharedData::*member, quint32 bit,
           ScoutelSharedData &record, T (*convert)(const QString &))
{
    if (!value)
        return;
    record.*member = convert(*value);
    record.sendFields |= bit;
}

qint32 number(const QString &text)
{
    return FieldRules::wholeNumber(text).value_or(0);
}

QString text(const QString &value)
{
    return value;
}
} // namespace

ConfigurationForm ConfigurationForm::fromAttributes(const QMap<QString, QString> &attributes,
                                                    const ConfigurationForm &base)
{
    using namespace SafeAttribute;
    ConfigurationForm form;
    form.password = attribute(attributes, Password).value_or(base.password);
    form.restart = attributes.contains(Restart) ? attributes.value(Restart) == True : base.restart;
    form.name = attribute(attributes, Name);
    if (hasAny(attributes, {Dhcp, IpAddress, SubnetMask, Gateway})) {
        form.dhcp = attributes.value(Dhcp) == True;
        form.ipAddress = attributes.value(IpAddress);
        form.subnetMask = attributes.value(SubnetMask);
        form.gateway = attributes.value(Gateway);
    }
    if (hasAny(attributes, {TcpPort, AuxPort})) {
        form.mainPort = attributes.value(TcpPort, FormMainPort);
        form.auxPort = attributes.value(AuxPort, FormAuxPort);
    }
    form.sessionMinutes = attribute(attributes, SessionMinutes);
    form.newPassword = attribute(attributes, NewPassword);
    form.publicKey = attribute(attributes, PublicKey);
    return form;
}

void ConfigurationForm::writeInto(ScoutelSharedData &record) const
{
    using R = ScoutelSharedData;
    record.sendFields = 0;
    write(name, &R::name, FieldName, record, text);
    if (dhcp) {
        record.dhcp = *dhcp ? 1 : 0;
        record.sendFields |= FieldDhcp;
    }
    write(ipAddress, &R::ipAddress, FieldIpAddress, record, FieldRules::checkedAddress);
    write(subnetMask, &R::subnetMask, FieldSubnetMask, record, FieldRules::checkedAddress);
    write(gateway, &R::gateway, FieldGateway, record, FieldRules::checkedAddress);
    write(mainPort, &R::mainPort, FieldMainPort, record, number);
    write(auxPort, &R::auxPort, FieldAuxPort, record, number);
    write(httpPort, &R::httpPort, FieldHttpPort, record, number);
    write(sessionMinutes, &R::sessionMinutes, FieldSessionMinutes, record, number);
    write(newPassword, &R::newPassword, FieldNewPassword, record, text);
    if (publicKey) {
        record.publicKey = QByteArray::fromHex(publicKey->trimmed().toLatin1());
        record.sendFields |= FieldPublicKey;
    }
    if (restart)
        record.sendFields |= FieldRestart;
    record.sendFields |= FieldApply;
    record.password = password;
}

bool ConfigurationForm::operator==(const ConfigurationForm &other) const
{
    const auto fields = [](const ConfigurationForm &f) {
        return std::tie(f.password, f.name, f.dhcp, f.ipAddress, f.subnetMask, f.gateway,
                        f.mainPort, f.auxPort, f.httpPort, f.sessionMinutes, f.newPassword,
                        f.publicKey, f.restart);
    };
    return fields(*this) == fields(other);
}
