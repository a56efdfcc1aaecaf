#pragma once

#include "historyreader.h"

#include <QString>

// The history as text: one line per operation (time, mode, devices,
// confirmed and failed), then one indented line per device.
namespace HistoryText {
QString summaryLine(const LoggedOperation &operation);
QString of(const QList<LoggedOperation> &operations);
} // namespace HistoryText
