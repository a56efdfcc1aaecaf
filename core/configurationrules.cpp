#include "configurationrules.h"

#include "fieldrules.h"
#include "fieldtable.h"

#include <QCoreApplication>

namespace ConfigurationRules {
namespace {
using Check = std::optional<Problem>;

Check problem(Field field, Fault fault, const QString &value)
{
    return Problem{field, fault, value};
}

Check text(Field field, const std::optional<QString> &value)
{
    if (!value)
        return std::nullopt;
    if (!FieldTable::isLatin1(*value))
        return problem(field, Fault::NotLatin1, *value);
    if (value->size() > MaxTextLength)
        return problem(field, Fault::TooLong, *value);
    return std::nullopt;
}

Check number(Field field, const std::optional<QString> &value)
{
    if (!value || FieldRules::isNumberInRange(*value, LargestNumber, 0))
        return std::nullopt;
    return problem(field, Fault::NotInRange, *value);
}

Check mask(const std::optional<QString> &value, AddressRule rule)
{
    if (!value)
        return std::nullopt;
    const std::optional<quint32> dotted = FieldRules::dottedValue(*value);
    const bool valid = dotted && FieldRules::hasMaskShape(*dotted) &&
                       (rule == AddressRule::Shape || (*dotted >> 24) != 0);
    return valid ? std::nullopt : problem(Field::SubnetMask, Fault::NotValid, *value);
}

Check address(Field field, const std::optional<QString> &value,
              const std::optional<QString> &maskText, AddressRule rule)
{
    if (!value)
        return std::nullopt;
    const std::optional<quint32> dotted = FieldRules::dottedValue(*value);
    bool valid = dotted.has_value();
    if (valid && rule == AddressRule::Shape)
        valid = !FieldRules::hasMaskShape(*dotted);
    else if (valid)
        valid = FieldRules::isHostAddress(
            *dotted, FieldRules::dottedValue(maskText.value_or(QString())).value_or(0));
    return valid ? std::nullopt : problem(field, Fault::NotValid, *value);
}

Check publicKey(const std::optional<QString> &value, bool mayHaveBlanks)
{
    if (!value)
        return std::nullopt;
    const QStringView digits = mayHaveBlanks ? QStringView(*value).trimmed() : QStringView(*value);
    return FieldRules::isPublicKeyText(digits) ? std::nullopt
                                               : problem(Field::PublicKey, Fault::NotValid, *value);
}
} // namespace

std::optional<Problem> check(const ConfigurationForm &form, const Strictness &strictness)
{
    const AddressRule rule = strictness.addresses;
    const bool maskFirst = rule == AddressRule::HostInSubnet;
    const Check checks[] = {
        text(Field::Password, form.password),
        text(Field::Name, form.name),
        maskFirst ? mask(form.subnetMask, rule) : std::nullopt,
        address(Field::IpAddress, form.ipAddress, form.subnetMask, rule),
        maskFirst ? std::nullopt : mask(form.subnetMask, rule),
        address(Field::Gateway, form.gateway, form.subnetMask, rule),
        number(Field::MainPort, form.mainPort),
        number(Field::AuxPort, form.auxPort),
        number(Field::HttpPort, form.httpPort),
        strictness.portsMustDiffer && form.mainPort && form.auxPort &&
                FieldRules::wholeNumber(*form.mainPort) == FieldRules::wholeNumber(*form.auxPort)
            ? problem(Field::AuxPort, Fault::SamePorts, *form.auxPort)
            : std::nullopt,
        number(Field::SessionMinutes, form.sessionMinutes),
        text(Field::NewPassword, form.newPassword),
        publicKey(form.publicKey, strictness.keyMayHaveBlanks),
        !strictness.newPasswordMayBeEmpty && form.newPassword && form.newPassword->isEmpty()
            ? problem(Field::NewPassword, Fault::Empty, QString())
            : std::nullopt,
    };
    for (const Check &found : checks) {
        if (found)
            return found;
    }
    return std::nullopt;
}

QString unstorableText(const Problem &problem, const QString &what)
{
    switch (problem.fault) {
    case Fault::NotLatin1:
        return QCoreApplication::translate(
                   "ConfigurationRules",
                   "%1 holds characters a device cannot store: use Latin-1 characters only")
            .arg(what);
    case Fault::TooLong:
        return QCoreApplication::translate("ConfigurationRules",
                                           "%1 is longer than the %2 characters a device stores")
            .arg(what)
            .arg(MaxTextLength);
    default:
        break;
    }
    return QString();
}

} // namespace ConfigurationRules
