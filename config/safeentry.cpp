#include "safeentry.h"

#include "fieldrules.h"
#include "safeattributes.h"

namespace {
// What the edit form holds for a port or the session length until a file sets it.
constexpr int FormMainPort = 1000;
constexpr int FormAuxPort = 1001;

// The reader refuses a file whose ports or minutes are not whole numbers 0..65535.
int spinValue(const SafeEntry &entry, const QString &name, int formValue)
{
    return entry.has(name) ? entry.value(name).toInt() : formValue;
}

bool hasAny(const SafeEntry &entry, std::initializer_list<QString> names)
{
    for (const QString &name : names) {
        if (entry.has(name))
            return true;
    }
    return false;
}
} // namespace

void applySafeEntry(const SafeEntry &entry, ScoutelContainer *record)
{
    using namespace SafeAttribute;
    ScoutelSharedData &d = *record->data();
    const bool restart =
        entry.has(Restart) ? entry.value(Restart) == True : (d.sendFields & FieldRestart) != 0;

    d.sendFields = 0;
    if (entry.has(Name)) {
        d.sendFields |= FieldName;
        d.name = entry.value(Name);
    }
    if (hasAny(entry, {Dhcp, IpAddress, SubnetMask, Gateway})) {
        d.sendFields |= FieldIpAddress | FieldSubnetMask | FieldGateway | FieldDhcp;
        d.ipAddress = FieldRules::checkedAddress(entry.value(IpAddress));
        d.subnetMask = FieldRules::checkedAddress(entry.value(SubnetMask));
        d.gateway = FieldRules::checkedAddress(entry.value(Gateway));
        d.dhcp = entry.value(Dhcp) == True ? 1 : 0;
    }
    if (hasAny(entry, {TcpPort, AuxPort})) {
        d.sendFields |= FieldMainPort | FieldAuxPort;
        d.mainPort = spinValue(entry, TcpPort, FormMainPort);
        d.auxPort = spinValue(entry, AuxPort, FormAuxPort);
    }
    if (entry.has(SessionMinutes)) {
        d.sendFields |= FieldSessionMinutes;
        d.sessionMinutes = entry.value(SessionMinutes).toInt();
    }
    if (entry.has(NewPassword)) {
        d.sendFields |= FieldNewPassword;
        d.newPassword = entry.value(NewPassword);
    }
    if (entry.has(PublicKey)) {
        d.sendFields |= FieldPublicKey;
        d.publicKey = QByteArray::fromHex(entry.value(PublicKey).toLatin1());
    }
    if (restart)
        d.sendFields |= FieldRestart;
    d.sendFields |= FieldApply;
    if (entry.has(Password))
        d.password = entry.value(Password);
}
