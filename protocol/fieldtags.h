#pragma once

#include <QtGlobal>

// Tags of the SCTL payload fields.
namespace Tag {
enum : quint8 {
    Fill = 0,
    Result = 1,
    IpAddress = 10,
    SubnetMask = 11,
    Gateway = 12,
    Dns = 13,
    Dhcp = 17,
    MainPort = 18,
    AuxPort = 19,
    SessionMinutes = 20,
    Name = 21,
    NewPassword = 22,
    PublicKey = 23,
    HttpPort = 29,
    UpTime = 60,
    StatusFlags = 61,
    // Each bus reports three values under three consecutive tags.
    BusOnewireFirst = 66,
    BusRs485First = 71,
    BusTcpFirst = 76,
    HwName = 80,
    HwVersion = 81,
    ProtocolVersion = 82,
    Challenge = 90,
    Apply = 91,
    Restart = 92,
};
} // namespace Tag

namespace Sctl {
constexpr int HeaderSize = 16;
constexpr int MaxRequestSize = 256;
constexpr int MaxTextLength = 64;
constexpr int MacSize = 6;
constexpr int ChallengeSize = 8;
constexpr int PublicKeySize = 12;
constexpr int BusValues = 3;
constexpr int BlockSize = 12;
constexpr quint16 DevicePort = 2462;
constexpr quint16 ClientPort = 2463;
constexpr char MulticastGroup[] = "224.0.6.128";

enum Command : quint16 {
    SearchRequest = 1,
    SearchAnswer = 2,
    ConfigureRequest = 3,
    ConfigureAnswer = 4,
};
} // namespace Sctl
