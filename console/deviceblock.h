#pragma once

#include "inventory.h"
#include "scoutelcontainer.h"

#include <QStringList>

// The lines list mode prints for one answering device: "# <count>", the MAC,
// name, address, mask, gateway, DNS, DHCP, the three ports and the session
// length. Control characters in the device's name are shown as \xNN so that a
// device cannot forge report lines.
QStringList deviceBlock(const ScoutelContainer &record, int count);

// A remembered device that did not answer: MAC, name, last address, network
// and when it was last seen, separated by "|".
QString missingLine(const InventoryEntry &entry);
