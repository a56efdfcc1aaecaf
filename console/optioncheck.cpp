#include "optioncheck.h"

#include "fieldrules.h"
#include "fieldtable.h"

#include <optional>

namespace {
constexpr int LargestPort = 65535;
constexpr int LargestSessionMinutes = 65535;
} // namespace

QString OptionCheck::checkAddress(const QString &value, AddressKind kind, QHostAddress &address)
{
    const std::optional<quint32> dotted = FieldRules::dottedValue(value);
    const bool wantMask = kind == AddressKind::SubnetMask;
    if (!dotted || FieldRules::hasMaskShape(*dotted) != wantMask) {
        const QString label = wantMask ? tr("Subnet Mask") : tr("IP address");
        return tr("%1 is not a valid %2").arg(value, label);
    }
    address = QHostAddress(*dotted);
    return QString();
}

QString OptionCheck::checkPort(const QString &value, int &number)
{
    const std::optional<int> port = FieldRules::wholeNumber(value);
    if (!port || *port < 0 || *port > LargestPort)
        return tr("%1 is not a valid TCP port").arg(value);
    number = *port;
    return QString();
}

QString OptionCheck::checkPublicKey(const QString &value)
{
    return FieldRules::isPublicKeyText(value) ? QString()
                                              : tr("%1 is not a valid Public key").arg(value);
}

QString OptionCheck::checkTimeout(int milliseconds)
{
    if (milliseconds < 0)
        return tr("%1 is not a valid timeout: give a number of milliseconds, 0 or more")
            .arg(milliseconds);
    return QString();
}

QString OptionCheck::checkSessionMinutes(const QString &value, int &number)
{
    const std::optional<int> minutes = FieldRules::wholeNumber(value);
    if (!minutes || *minutes < 0 || *minutes > LargestSessionMinutes)
        return tr("%1 is not a valid session length: give a number of minutes from 0 to 65535")
            .arg(value);
    number = *minutes;
    return QString();
}

QString OptionCheck::checkText(const char *key, const QString &value, int maxLength)
{
    const QString option = QLatin1Char('-') + QLatin1String(key);
    if (!FieldTable::isLatin1(value))
        return tr("%1 holds characters a device cannot store: use Latin-1 characters only")
            .arg(option);
    if (maxLength >= 0 && value.size() > maxLength)
        return tr("%1 is longer than the %2 characters a device stores").arg(option).arg(maxLength);
    return QString();
}
