#include "optioncheck.h"

namespace {
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
    if (QString text = ConfigurationRules::unstorableText(problem, optionOf(problem.field));
        !text.isEmpty())
        return text;
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

QString OptionCheck::unknownInterface(const QString &name, const QStringList &usableNames)
{
    if (usableNames.isEmpty())
        return tr("%1 is not a usable network interface: none is usable here").arg(name);
    return tr("%1 is not a usable network interface: give one of %2, all or default")
        .arg(name, usableNames.join(QLatin1String(", ")));
}
