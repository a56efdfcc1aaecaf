#include "debugoutput.h"

#include <QLoggingCategory>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {
void writeToStandardError(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QByteArray line = qFormatLogMessage(type, context, text).toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    if (type == QtFatalMsg)
        std::abort();
}
} // namespace

void routeDebugOutputToStandardError()
{
    qInstallMessageHandler(writeToStandardError);
    // The debug lines are the report itself: a system-wide rule must not mute them.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
}
