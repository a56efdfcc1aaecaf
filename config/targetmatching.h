#pragma once

#include "safeentry.h"
#include "scoutelcontainer.h"

#include <QList>

// Index of the first target whose mac equals mac byte for byte; -1 when none does.
qsizetype findTargetByMac(const QList<ScoutelContainer> &targets, const QByteArray &mac);
// Writes entry (applySafeEntry) into the first target with the entry's MAC and marks it
// configured by setting its result to 0; false when no target has that MAC.
bool applyEntryToTarget(QList<ScoutelContainer> &targets, const SafeEntry &entry);
// "Some MAC addresses are missing:\n%1" listing, in target order, every target whose
// result is not 0 (not configured from the file); empty when there is none.
QString missingMacsMessage(const QList<ScoutelContainer> &targets);
