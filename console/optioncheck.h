#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QString>

// Checks on command-line option values. Each returns the message to report,
// or an empty string when the value is valid.
class OptionCheck
{
    Q_DECLARE_TR_FUNCTIONS(ScoutelConsole)

public:
    enum class AddressKind { IpAddress, SubnetMask };

    // Sets address only when the value is valid, from the checked bytes, so
    // that what is sent is exactly what was checked.
    static QString checkAddress(const QString &value, AddressKind kind, QHostAddress &address);
    // Ports and minutes are whole decimal numbers in range; number is set
    // only when the value is valid.
    static QString checkPort(const QString &value, int &number);
    static QString checkSessionMinutes(const QString &value, int &number);
    static QString checkPublicKey(const QString &value);
    static QString checkTimeout(int milliseconds);
    // Texts go out in Latin-1, and one stored in a field (maxLength >= 0) must
    // fit it. The message names the option, never the value: it may be a password.
    static QString checkText(const char *key, const QString &value, int maxLength = -1);
};
