#pragma once

#include "scoutelcontainer.h"

#include <QList>

// Index of the first target whose mac equals mac byte for byte; -1 when none does.
qsizetype findTargetByMac(const QList<ScoutelContainer> &targets, const QByteArray &mac);
// "Some MAC addresses are missing:\n%1" listing the MACs in their order; empty for none.
QString missingMacsMessage(const QList<QByteArray> &macs);
