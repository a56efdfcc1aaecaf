#pragma once

#include "operationrecord.h"

#include <QByteArray>
#include <QString>

// An operation as one line of the log and of --json: when, where, by whom,
// and per target what was asked and what came of it. Never a password or a
// key: a changed one is written as true.
namespace OperationLine {

// mode: "window" or "command line".
QByteArray of(const OperationRecord &record, const QString &mode);

} // namespace OperationLine
