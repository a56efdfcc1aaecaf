#pragma once

#include <QByteArray>
#include <QString>

// What the find field asks for: devices whose name, MAC address or address
// contains the typed text, ignoring case. A MAC may be typed in any notation
// (02-53-43, 02:53:43, 025343, "02 53 43").
class DeviceFilter
{
public:
    explicit DeviceFilter(const QString &typed = QString());

    bool isEmpty() const { return text.isEmpty(); }
    bool matches(const QString &name, const QByteArray &mac, const QString &sender,
                 const QString &address) const;

private:
    QString text;
    // The typed text as lower-case MAC digits; empty when it cannot be part of a MAC.
    QByteArray macDigits;
};
