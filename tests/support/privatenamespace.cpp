#include "privatenamespace.h"

#include <QNetworkInterface>
#include <QProcess>

#include <algorithm>

bool PrivateNamespace::isOwn()
{
    const auto all = QNetworkInterface::allInterfaces();
    return qgetenv("SCOUTEL_PRIVATE_NETNS") == "1" &&
           std::all_of(all.begin(), all.end(), [](const QNetworkInterface &i) {
               return i.flags().testFlag(QNetworkInterface::IsLoopBack);
           });
}

bool PrivateNamespace::ip(const QStringList &arguments, QByteArray *output)
{
    QProcess tool;
    tool.start(QStringLiteral("ip"), arguments);
    const bool ran = tool.waitForFinished(5000) && tool.exitStatus() == QProcess::NormalExit &&
                     tool.exitCode() == 0;
    if (output)
        *output = tool.readAllStandardOutput();
    return ran;
}
