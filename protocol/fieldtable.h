#pragma once

#include "fieldtags.h"
#include "scoutelcontainer.h"

#include <QList>
#include <QtGlobal>

// Every SCTL payload field, declared once: the decoder, the request encoder and
// the configuration file writer all read this table.
namespace FieldTable {

// How a field's value is laid out on the wire and in files.
enum class Kind : quint8 {
    Address,      // 4 bytes, an IPv4 number; dotted in files
    Number16,     // 2 bytes unsigned; decimal in files
    Switch16,     // 2 bytes unsigned; "true" or "false" in files
    SignedByte,   // 1 byte, signed
    Word32,       // 4 bytes unsigned
    Text,         // Latin-1, up to size bytes
    Bytes,        // exactly size raw bytes; hexadecimal in files
    Version,      // major byte, then minor byte
    Bus,          // three consecutive tags of 4 bytes each
    Confirmation, // the fixed confirmation value; in files whether its bit is set
};

// Where a field travels.
enum Use : quint8 {
    InAnswers = 0x1,  // the decoder stores it
    InRequests = 0x2, // the encoder writes it when its bit is in sendFields
};

using R = ScoutelSharedData;

struct Field
{
    quint8 tag;
    Kind kind;
    quint8 size; // exact length on the wire; for texts the largest
    quint32 bit; // of presentFields and sendFields; 0 for none
    quint8 use;
    const char *attribute; // of a file's safe element; nullptr when files leave it out
    int fileRank;          // its place among the safe's attributes
    // The record member; kind tells which one is set.
    QHostAddress R::*address = nullptr;
    qint32 R::*number = nullptr; // Version: the major byte
    qint32 R::*minor = nullptr;
    quint32 R::*word = nullptr;
    QString R::*text = nullptr;
    QByteArray R::*bytes = nullptr;
    quint32 (R::*bus)[Sctl::BusValues] = nullptr;
    // For packet captures: the field as the window names it, and a plain name
    // for fields that files leave out.
    const char *label = nullptr;
    const char *name = nullptr;
};

// clang-format off
constexpr Field address(quint8 tag, quint32 bit, quint8 use, const char *attribute, int rank,
                        QHostAddress R::*member)
{ Field f{tag, Kind::Address, 4, bit, use, attribute, rank}; f.address = member; return f; }
constexpr Field number16(quint8 tag, Kind kind, quint32 bit, quint8 use, const char *attribute,
                         int rank, qint32 R::*member)
{ Field f{tag, kind, 2, bit, use, attribute, rank}; f.number = member; return f; }
constexpr Field text(quint8 tag, quint32 bit, quint8 use, const char *attribute, int rank,
                     QString R::*member)
{ Field f{tag, Kind::Text, Sctl::MaxTextLength, bit, use, attribute, rank}; f.text = member; return f; }
constexpr Field bytes(quint8 tag, quint8 size, quint32 bit, quint8 use, const char *attribute,
                      int rank, QByteArray R::*member)
{ Field f{tag, Kind::Bytes, size, bit, use, attribute, rank}; f.bytes = member; return f; }
constexpr Field word(quint8 tag, quint32 bit, quint32 R::*member)
{ Field f{tag, Kind::Word32, 4, bit, InAnswers, nullptr, 0}; f.word = member; return f; }
constexpr Field version(quint8 tag, quint32 bit, qint32 R::*major, qint32 R::*minor)
{ Field f{tag, Kind::Version, 2, bit, InAnswers, nullptr, 0}; f.number = major; f.minor = minor; return f; }
constexpr Field busField(quint8 firstTag, quint32 (R::*member)[Sctl::BusValues])
{ Field f{firstTag, Kind::Bus, 4, 0, InAnswers, nullptr, 0}; f.bus = member; return f; }

constexpr Field shown(Field f, const char *label, const char *name = nullptr)
{ f.label = label; f.name = name; return f; }

constexpr quint8 Both = InAnswers | InRequests;

// Requests carry their fields in this order, after the challenge.
inline constexpr Field Fields[] = {
    shown(address(Tag::IpAddress,  FieldIpAddress,  Both,       "ip_address",  1, &R::ipAddress), "IP Address"),
    shown(address(Tag::SubnetMask, FieldSubnetMask, Both,       "subnet_mask", 2, &R::subnetMask), "Subnet Mask"),
    shown(address(Tag::Gateway,    FieldGateway,    Both,       "gateway",     3, &R::gateway), "Gateway"),
    shown(address(Tag::Dns,        FieldDns,        Both,       nullptr,       0, &R::dns), "DNS", "dns"),
    shown(number16(Tag::Dhcp,           Kind::Switch16, FieldDhcp,           Both, "dhcp",            4, &R::dhcp), "DHCP"),
    shown(number16(Tag::MainPort,       Kind::Number16, FieldMainPort,       Both, "tcp_port",        5, &R::mainPort), "Main TCP Port"),
    shown(number16(Tag::AuxPort,        Kind::Number16, FieldAuxPort,        Both, "aux_port",        6, &R::auxPort), "Aux TCP Port"),
    shown(number16(Tag::HttpPort,       Kind::Number16, FieldHttpPort,       Both, "http_port",       7, &R::httpPort), "HTTP TCP Port"),
    shown(number16(Tag::SessionMinutes, Kind::Number16, FieldSessionMinutes, Both, "session_minutes", 8, &R::sessionMinutes), "Session Minutes"),
    shown(text(Tag::Name,        FieldName,        Both, "name",         0, &R::name), "Name"),
    shown(text(Tag::NewPassword, FieldNewPassword, Both, "new_password", 9, &R::newPassword), "New Password"),
    shown(bytes(Tag::PublicKey, Sctl::PublicKeySize, FieldPublicKey, InRequests, "public_key", 10, &R::publicKey), "Public Key"),
    shown(Field{Tag::Apply,   Kind::Confirmation, 4, FieldApply,   InRequests, nullptr,   0}, "Apply", "apply"),
    shown(Field{Tag::Restart, Kind::Confirmation, 4, FieldRestart, InRequests, "restart", 11}, "Restart"),
    // Only devices write these.
    shown(Field{Tag::Result, Kind::SignedByte, 1, FieldResult, InAnswers, nullptr, 0, nullptr, &R::result}, "Result", "result"),
    shown(word(Tag::UpTime, FieldUpTime, &R::upTime), "Up Time", "uptime"),
    shown(word(Tag::StatusFlags, 0, &R::statusFlags), "Status", "status"), // no bit: readers always read it
    shown(busField(Tag::BusOnewireFirst, &R::busOnewire), "Bus Onewire", "bus_onewire"),
    shown(busField(Tag::BusRs485First, &R::busRs485), "Bus RS485", "bus_rs485"),
    shown(busField(Tag::BusTcpFirst, &R::busTcp), "Bus TCP", "bus_tcp"),
    shown(text(Tag::HwName, FieldHwName, InAnswers, nullptr, 0, &R::hwName), "HW Name", "hw_name"),
    shown(version(Tag::HwVersion, FieldHwVersion, &R::hwVersionMajor, &R::hwVersionMinor), "HW Version", "hw_version"),
    shown(version(Tag::ProtocolVersion, FieldProtocolVersion, &R::protocolVersionMajor, &R::protocolVersionMinor), "Protocol Version", "protocol_version"),
    shown(bytes(Tag::Challenge, Sctl::ChallengeSize, FieldChallenge, InAnswers, nullptr, 0, &R::challenge), "Challenge", "challenge"),
};
// clang-format on

// Devices store texts in Latin-1: anything else would go out as "?".
bool isLatin1(const QString &text);
// True when a device can store text in this text field: Latin-1, and no longer
// than the field allows.
bool carriesText(const Field &field, const QString &text);

// The field a tag belongs to (a bus's three tags share one), or nullptr.
const Field *forTag(quint8 tag);

// The file attribute of a tag's field; empty when files leave it out.
QString attributeOf(quint8 tag);

// A field's name in packet captures: its file attribute, else its plain name.
constexpr const char *captureName(const Field &field)
{
    return field.attribute ? field.attribute : field.name;
}

// The fields a configuration file names, in the order the file writer puts them.
const QList<const Field *> &fileFields();

} // namespace FieldTable
