#pragma once

#include "inventory.h"

#include <QString>
#include <QStringList>

// The texts the device tree shows for what the memory says of a device, in
// the window's translation context. Neither new nor changed is a fault.
namespace MemoryNotes {

// "New on %1" for a device marked new, "Changed since %1: Name Safe 3 →
// Safe 03" for one whose values changed.
QStringList of(const Sighting &seen, qint64 firstSeen);
// "Not found since %1" for a missing device.
QString missing(qint64 lastSeen);
// A remembered value as a row shows it: texts from devices kept on one line.
QString valueText(const QJsonValue &value);

} // namespace MemoryNotes
