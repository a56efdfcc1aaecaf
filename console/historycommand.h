#pragma once

#include <QString>

// scoutel --history [--json] [--mac=MAC]: the operation log on standard
// output, newest first; with --json the log's lines as they stand.
namespace HistoryCommand {
// The text to print, from the log in folder.
QByteArray output(int argc, const char *const *argv, const QString &folder);
} // namespace HistoryCommand
