#pragma once

#include "configurationform.h"

#include <QString>

#include <optional>

// The one set of checks on a configuration, called by the command line, the
// edit dialog and the file reader. Each caller words its own messages from the
// Problem; where they check differently by design, Strictness says how.
namespace ConfigurationRules {

enum class Field {
    Password,
    Name,
    IpAddress,
    SubnetMask,
    Gateway,
    MainPort,
    AuxPort,
    HttpPort,
    SessionMinutes,
    NewPassword,
    PublicKey,
};

enum class Fault {
    NotLatin1,  // a device stores texts in Latin-1
    TooLong,    // over the 64 characters a device stores
    NotInRange, // not a whole number from 0 to 65535
    NotValid,   // an address, mask or key that does not qualify
    Empty,      // a new password must not be empty
    SamePorts,  // main and auxiliary port are one value
};

struct Problem
{
    Field field;
    Fault fault;
    QString value; // as given; never shown for passwords
};

enum class AddressRule {
    // An address on its own must not look like a mask (the command line takes
    // each address alone); a mask needs only the shape of one.
    Shape,
    // The dialog's rule: the mask's first byte is not 0, and every address is a
    // unicast host of the mask's network (neither its network nor its broadcast).
    HostInSubnet,
};

struct Strictness
{
    AddressRule addresses;
    bool keyMayHaveBlanks;      // blanks around the key's digits are dropped
    bool newPasswordMayBeEmpty; // "-p" alone sets an empty new password
    bool portsMustDiffer;       // the main and auxiliary ports are told apart
};

inline constexpr Strictness CommandLine{AddressRule::Shape, false, true, false};
inline constexpr Strictness Form{AddressRule::HostInSubnet, true, false, true};

// The first problem, in the order the command line lists its options (with
// HostInSubnet the mask comes before the addresses it qualifies); none when the
// form can be sent as it is.
std::optional<Problem> check(const ConfigurationForm &form, const Strictness &strictness);

// How every caller words a text a device cannot store (what names the field,
// never its value); empty for other faults.
QString unstorableText(const Problem &problem, const QString &what);

// The largest text a device stores in a field.
inline constexpr int MaxTextLength = 64;
// Ports and session minutes: whole numbers up to this.
inline constexpr int LargestNumber = 65535;

} // namespace ConfigurationRules
