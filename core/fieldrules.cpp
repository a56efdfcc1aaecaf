#include "fieldrules.h"

#include <QStringList>

#include <algorithm>

namespace {
constexpr int PublicKeyDigits = 24;
constexpr quint32 Loopback = 127;
constexpr quint32 LastUnicastClass = 223;

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}
} // namespace

std::optional<int> FieldRules::wholeNumber(const QString &text)
{
    const qsizetype start = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'));
    if (text.size() == start)
        return std::nullopt;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text.at(i) < u'0' || text.at(i) > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int number = text.toInt(&ok, 10);
    return ok ? std::optional<int>(number) : std::nullopt;
}

bool FieldRules::isNumberInRange(const QString &text, int max, int min)
{
    const std::optional<int> number = wholeNumber(text);
    return number && *number >= min && *number <= max;
}

std::optional<quint32> FieldRules::dottedValue(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    quint32 result = 0;
    for (const QString &part : parts) {
        if (!isNumberInRange(part, 255, 0))
            return std::nullopt;
        result = (result << 8) | quint32(part.toInt());
    }
    return result;
}

QHostAddress FieldRules::checkedAddress(const QString &text)
{
    const std::optional<quint32> value = dottedValue(text);
    return value ? QHostAddress(*value) : QHostAddress();
}

bool FieldRules::hasMaskShape(quint32 value)
{
    const quint32 hostBits = ~value;
    return (hostBits & (hostBits + 1)) == 0;
}

bool FieldRules::isHostAddress(quint32 value, quint32 mask)
{
    const quint32 first = value >> 24;
    return first != 0 && first != Loopback && first <= LastUnicastClass && (value & ~mask) != 0 &&
           (value | mask) != 0xFFFFFFFFu;
}

bool FieldRules::isPublicKeyText(QStringView text)
{
    return text.size() == PublicKeyDigits && std::all_of(text.begin(), text.end(), isHexDigit);
}
