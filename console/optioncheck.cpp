#include "optioncheck.h"

#include "fieldtable.h"

#include <QStringList>

#include <algorithm>
#include <optional>

namespace {
constexpr int PublicKeyDigits = 24;
constexpr int LargestPort = 65535;
constexpr int LargestSessionMinutes = 65535;

// Four decimal numbers 0-255 separated by dots (empty parts dropped).
std::optional<quint32> dottedValue(const QString &value)
{
    const QStringList parts = value.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    quint32 result = 0;
    for (const QString &part : parts) {
        bool ok = false;
        const int byte = part.toInt(&ok);
        if (!ok || byte < 0 || byte > 255)
            return std::nullopt;
        result = (result << 8) | quint32(byte);
    }
    return result;
}

// Digits with at most a leading sign, within the range of int; nothing else.
std::optional<int> wholeNumber(const QString &value)
{
    const qsizetype start =
        value.startsWith(QLatin1Char('-')) || value.startsWith(QLatin1Char('+'));
    if (value.size() == start)
        return std::nullopt;
    for (qsizetype i = start; i < value.size(); ++i) {
        if (!value.at(i).isDigit() || value.at(i).unicode() > '9')
            return std::nullopt;
    }
    bool ok = false;
    const int number = value.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
} // namespace

bool OptionCheck::hasMaskShape(quint32 value)
{
    const quint32 hostBits = ~value;
    return (hostBits & (hostBits + 1)) == 0;
}

QString OptionCheck::checkAddress(const QString &value, AddressKind kind, QHostAddress &address)
{
    const std::optional<quint32> dotted = dottedValue(value);
    const bool wantMask = kind == AddressKind::SubnetMask;
    if (!dotted || hasMaskShape(*dotted) != wantMask) {
        const QString label = wantMask ? tr("Subnet Mask") : tr("IP address");
        return tr("%1 is not a valid %2").arg(value, label);
    }
    address = QHostAddress(*dotted);
    return QString();
}

QString OptionCheck::checkPort(const QString &value, int &number)
{
    const std::optional<int> port = wholeNumber(value);
    if (!port || *port < 0 || *port > LargestPort)
        return tr("%1 is not a valid TCP port").arg(value);
    number = *port;
    return QString();
}

QString OptionCheck::checkPublicKey(const QString &value)
{
    const QByteArray digits = value.toLatin1();
    const bool valid =
        digits.size() == PublicKeyDigits && std::all_of(digits.cbegin(), digits.cend(), isHexDigit);
    return valid ? QString() : tr("%1 is not a valid Public key").arg(value);
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
    const std::optional<int> minutes = wholeNumber(value);
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
