#pragma once

#include <QString>

// Attribute names of the safe element in configuration files.
namespace SafeAttribute {
inline const QString MacAddress = QStringLiteral("mac_address");
inline const QString Password = QStringLiteral("password");
inline const QString Name = QStringLiteral("name");
inline const QString Dhcp = QStringLiteral("dhcp");
inline const QString IpAddress = QStringLiteral("ip_address");
inline const QString SubnetMask = QStringLiteral("subnet_mask");
inline const QString Gateway = QStringLiteral("gateway");
inline const QString TcpPort = QStringLiteral("tcp_port");
inline const QString AuxPort = QStringLiteral("aux_port");
inline const QString HttpPort = QStringLiteral("http_port");
inline const QString SessionMinutes = QStringLiteral("session_minutes");
inline const QString NewPassword = QStringLiteral("new_password");
inline const QString PublicKey = QStringLiteral("public_key");
inline const QString Restart = QStringLiteral("restart");

// Boolean attribute values; anything but True reads as false.
inline const QString True = QStringLiteral("true");
inline const QString False = QStringLiteral("false");
} // namespace SafeAttribute
