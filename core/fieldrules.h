#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringView>

#include <optional>

// Rules on the text of configuration fields, shared by the command line and the
// edit dialog; each caller words its own messages.
namespace FieldRules {
// Decimal digits with at most a leading sign, within the range of int; nothing
// else, so that a typo never reads as 0.
std::optional<int> wholeNumber(const QString &text);
// A whole number from min to max.
bool isNumberInRange(const QString &text, int max, int min);
// Four numbers 0-255 separated by dots, empty parts dropped; the first is the top byte.
std::optional<quint32> dottedValue(const QString &text);
// The address exactly as dottedValue reads it, so that what is sent is what was
// checked; null when the text is not dotted.
QHostAddress checkedAddress(const QString &text);
// Ones from the top bit down, then zeros only: 0.0.0.0 and 255.255.255.255 qualify.
bool hasMaskShape(quint32 value);
// A unicast class A-C address that is neither the network nor the broadcast
// address of mask.
bool isHostAddress(quint32 value, quint32 mask);
// Exactly 24 hexadecimal digits in either case: a 12-byte public key.
bool isPublicKeyText(QStringView text);
} // namespace FieldRules
