#include "configurationform.h"

#include "fieldrules.h"
#include "safeattributes.h"

#include <algorithm>
#include <tuple>

namespace {
// What the edit form holds for the two ports until a file or the operator sets them.
const QString FormMainPort = QStringLiteral("1000");
const QString FormAuxPort = QStringLiteral("1001");
const QString FormSessionMinutes = QStringLiteral("10");

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
void read(std::optional<QString> &value, const ScoutelSharedData &record,
          T ScoutelSharedData::*member, quint32 bit, quint32 fields, QString (*convert)(const T &))
{
    if (fields & bit)
        value = convert(record.*member);
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

QString numberText(const qint32 &value)
{
    return QString::number(value);
}

QString addressText(const QHostAddress &address)
{
    return address.toString();
}
} // namespace

ConfigurationForm ConfigurationForm::given(const QMap<QString, QString> &attributes)
{
    using namespace SafeAttribute;
    ConfigurationForm form;
    form.name = attribute(attributes, Name);
    if (attributes.contains(Dhcp))
        form.dhcp = attributes.value(Dhcp) == True;
    form.ipAddress = attribute(attributes, IpAddress);
    form.subnetMask = attribute(attributes, SubnetMask);
    form.gateway = attribute(attributes, Gateway);
    form.mainPort = attribute(attributes, TcpPort);
    form.auxPort = attribute(attributes, AuxPort);
    form.sessionMinutes = attribute(attributes, SessionMinutes);
    form.newPassword = attribute(attributes, NewPassword);
    form.publicKey = attribute(attributes, PublicKey);
    return form;
}

ConfigurationForm ConfigurationForm::fromRecord(const ScoutelSharedData &record, quint32 fields)
{
    using R = ScoutelSharedData;
    ConfigurationForm form;
    read(form.name, record, &R::name, FieldName, fields, text);
    if (fields & FieldDhcp)
        form.dhcp = record.dhcp != 0;
    read(form.ipAddress, record, &R::ipAddress, FieldIpAddress, fields, addressText);
    read(form.subnetMask, record, &R::subnetMask, FieldSubnetMask, fields, addressText);
    read(form.gateway, record, &R::gateway, FieldGateway, fields, addressText);
    read(form.mainPort, record, &R::mainPort, FieldMainPort, fields, numberText);
    read(form.auxPort, record, &R::auxPort, FieldAuxPort, fields, numberText);
    read(form.httpPort, record, &R::httpPort, FieldHttpPort, fields, numberText);
    read(form.sessionMinutes, record, &R::sessionMinutes, FieldSessionMinutes, fields, numberText);
    return form;
}

ConfigurationForm ConfigurationForm::startValues()
{
    ConfigurationForm form;
    form.name = QString();
    form.dhcp = false;
    form.ipAddress = QString();
    form.subnetMask = QString();
    form.gateway = QString();
    form.mainPort = FormMainPort;
    form.auxPort = FormAuxPort;
    form.sessionMinutes = FormSessionMinutes;
    form.newPassword = QString();
    form.publicKey = QString();
    return form;
}

ConfigurationForm ConfigurationForm::fromAttributes(const QMap<QString, QString> &attributes,
                                                    const ConfigurationForm &base)
{
    using namespace SafeAttribute;
    // Network and port attributes come in groups, as the form's group boxes send them.
    ConfigurationForm form = given(attributes);
    form.password = attribute(attributes, Password).value_or(base.password);
    form.restart = attributes.contains(Restart) ? attributes.value(Restart) == True : base.restart;
    if (hasAny(attributes, {Dhcp, IpAddress, SubnetMask, Gateway})) {
        form.dhcp = form.dhcp.value_or(false);
        form.ipAddress = form.ipAddress.value_or(QString());
        form.subnetMask = form.subnetMask.value_or(QString());
        form.gateway = form.gateway.value_or(QString());
    }
    if (hasAny(attributes, {TcpPort, AuxPort})) {
        form.mainPort = form.mainPort.value_or(FormMainPort);
        form.auxPort = form.auxPort.value_or(FormAuxPort);
    }
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
