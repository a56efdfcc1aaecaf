#pragma once

#include "fieldtable.h"

#include <QString>

// Attribute names of the safe element in configuration files; those of fields
// come from the field table.
namespace SafeAttribute {
inline const QString MacAddress = QStringLiteral("mac_address");
inline const QString Password = QStringLiteral("password");
inline const QString Name = FieldTable::attributeOf(Tag::Name);
inline const QString Dhcp = FieldTable::attributeOf(Tag::Dhcp);
inline const QString IpAddress = FieldTable::attributeOf(Tag::IpAddress);
inline const QString SubnetMask = FieldTable::attributeOf(Tag::SubnetMask);
inline const QString Gateway = FieldTable::attributeOf(Tag::Gateway);
inline const QString TcpPort = FieldTable::attributeOf(Tag::MainPort);
inline const QString AuxPort = FieldTable::attributeOf(Tag::AuxPort);
inline const QString HttpPort = FieldTable::attributeOf(Tag::HttpPort);
inline const QString SessionMinutes = FieldTable::attributeOf(Tag::SessionMinutes);
inline const QString NewPassword = FieldTable::attributeOf(Tag::NewPassword);
inline const QString PublicKey = FieldTable::attributeOf(Tag::PublicKey);
inline const QString Restart = FieldTable::attributeOf(Tag::Restart);

// Boolean attribute values; anything but True reads as false.
inline const QString True = QStringLiteral("true");
inline const QString False = QStringLiteral("false");

inline QString boolText(bool value)
{
    return value ? True : False;
}
} // namespace SafeAttribute
