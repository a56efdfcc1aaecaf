#include "optioncheck.h"

namespace {
using ConfigurationRules::Fault;
using ConfigurationRules::Field;

QLatin1String optionOf(Field field)
{
    switch (field) {
    case Field::Password:
        return QLatin1String("-x");
    case Field::Name:
        return QLatin1String("-n");
    case Field::NewPassword:
        return QLatin1String("-p");
    default:
        break;
    }
    return QLatin1String("");
}
} // namespace

QString OptionCheck::message(const ConfigurationRules::Problem &problem)
{
    switch (problem.fault) {
    case Fault::NotLatin1:
        return tr("%1 holds characters a device cannot store: use Latin-1 characters only")
            .arg(optionOf(problem.field));
    case Fault::TooLong:
        return tr("%1 is longer than the %2 characters a device stores")
            .arg(optionOf(problem.field))
            .arg(ConfigurationRules::MaxTextLength);
    default:
        break;
    }
    switch (problem.field) {
    case Field::IpAddress:
    case Field::Gateway:
        return tr("%1 is not a valid %2").arg(problem.value, tr("IP address"));
    case Field::SubnetMask:
        return tr("%1 is not a valid %2").arg(problem.value, tr("Subnet Mask"));
    case Field::SessionMinutes:
        return tr("%1 is not a valid session length: give a number of minutes from 0 to 65535")
            .arg(problem.value);
    case Field::PublicKey:
        return tr("%1 is not a valid Public key").arg(problem.value);
    default:
        break;
    }
    return tr("%1 is not a valid TCP port").arg(problem.value);
}

QString OptionCheck::checkTimeout(int milliseconds)
{
    if (milliseconds < 0)
        return tr("%1 is not a valid timeout: give a number of milliseconds, 0 or more")
            .arg(milliseconds);
    return QString();
}
