#include "historycommand.h"

#include "historyreader.h"
#include "historytext.h"

#include <cstring>

QByteArray HistoryCommand::output(int argc, const char *const *argv, const QString &folder)
{
    bool json = false;
    QString device;
    for (int i = 1; i < argc; ++i) {
        json = json || std::strcmp(argv[i], "--json") == 0;
        if (std::strncmp(argv[i], "--mac=", 6) == 0)
            device = QString::fromLocal8Bit(argv[i] + 6);
    }
    QList<LoggedOperation> operations = HistoryReader::readFolder(folder);
    if (!device.isEmpty())
        operations.removeIf(
            [&](const LoggedOperation &operation) { return !operation.hasDevice(device); });
    if (!json)
        return HistoryText::of(operations).toLocal8Bit();
    QByteArray lines;
    for (const LoggedOperation &operation : std::as_const(operations))
        lines += operation.line + '\n';
    return lines;
}
