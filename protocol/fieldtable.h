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

constexpr quint8 Both = InAnswers | InRequests;

// Requests carry their fields in this order, after the challenge.
inline constexpr Field Fields[] = {
    address(Tag::IpAddress,  FieldIpAddress,  Both,       "ip_address",  1, &R::ipAddress),
    address(Tag::SubnetMask, FieldSubnetMask, Both,       "subnet_mask", 2, &R::subnetMask),
    address(Tag::Gateway,    FieldGateway,    Both,       "gateway",     3, &R::gateway),
    address(Tag::Dns,        FieldDns,        Both,       nullptr,       0, &R::dns),
    number16(Tag::Dhcp,           Kind::Switch16, FieldDhcp,           Both, "dhcp",            4, &R::dhcp),
    number16(Tag::MainPort,       Kind::Number16, FieldMainPort,       Both, "tcp_port",        5, &R::mainPort),
    number16(Tag::AuxPort,        Kind::Number16, FieldAuxPort,        Both, "aux_port",        6, &R::auxPort),
    number16(Tag::HttpPort,       Kind::Number16, FieldHttpPort,       Both, "http_port",       7, &R::httpPort),
    number16(Tag::SessionMinutes, Kind::Number16, FieldSessionMinutes, Both, "session_minutes", 8, &R::sessionMinutes),
    text(Tag::Name,        FieldName,        Both, "name",         0, &R::name),
    text(Tag::NewPassword, FieldNewPassword, Both, "new_password", 9, &R::newPassword),
    bytes(Tag::PublicKey, Sctl::PublicKeySize, FieldPublicKey, InRequests, "public_key", 10, &R::publicKey),
    Field{Tag::Apply,   Kind::Confirmation, 4, FieldApply,   InRequests, nullptr,   0},
    Field{Tag::Restart, Kind::Confirmation, 4, FieldRestart, InRequests, "restart", 11},
    // Only devices write these.
    Field{Tag::Result, Kind::SignedByte, 1, FieldResult, InAnswers, nullptr, 0, nullptr, &R::result},
    word(Tag::UpTime, FieldUpTime, &R::upTime),
    word(Tag::StatusFlags, 0, &R::statusFlags), // no bit: readers always read it
    busField(Tag::BusOnewireFirst, &R::busOnewire),
    busField(Tag::BusRs485First, &R::busRs485),
    busField(Tag::BusTcpFirst, &R::busTcp),
    text(Tag::HwName, FieldHwName, InAnswers, nullptr, 0, &R::hwName),
    version(Tag::HwVersion, FieldHwVersion, &R::hwVersionMajor, &R::hwVersionMinor),
    version(Tag::ProtocolVersion, FieldProtocolVersion, &R::protocolVersionMajor, &R::protocolVersionMinor),
    bytes(Tag::Challenge, Sctl::ChallengeSize, FieldChallenge, InAnswers, nullptr, 0, &R::challenge),
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

// The fields a configuration file names, in the order the file writer puts them.
const QList<const Field *> &fileFields();

} // namespace FieldTable
