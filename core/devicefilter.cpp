#include "devicefilter.h"

#include <cctype>

namespace {
QByteArray macDigitsOf(const QString &text)
{
    QByteArray digits;
    for (const QChar c : text) {
        if (c == u'-' || c == u':' || c == u' ')
            continue;
        const char latin1 = c.toLatin1(); // 0 for a character beyond Latin-1
        if (!std::isxdigit(static_cast<unsigned char>(latin1)))
            return QByteArray();
        digits += char(std::tolower(static_cast<unsigned char>(latin1)));
    }
    return digits;
}
} // namespace

DeviceFilter::DeviceFilter(const QString &typed)
    : text(typed.trimmed()), macDigits(macDigitsOf(text))
{}

bool DeviceFilter::matches(const QString &name, const QByteArray &mac, const QString &sender,
                           const QString &address) const
{
    return name.contains(text, Qt::CaseInsensitive) || sender.contains(text) ||
           address.contains(text) || (!macDigits.isEmpty() && mac.toHex().contains(macDigits));
}
