#include "applicationidentity.h"
#include "debugoutput.h"
#include "forgetdevice.h"
#include "historycommand.h"
#include "operationlog.h"
#include "programmode.h"
#include "scoutel.h"
#include "scoutelconsole.h"
#include "usagetext.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace {
int printTo(FILE *stream, const QString &text, int status)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return status;
}

int runConsole(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    ScoutelConsole console(argc, argv);
    console.start();
    return application.exec();
}

int runWindow(int argc, char **argv)
{
    QApplication application(argc, argv);
    // So the desktop ties the window to its launcher and metainfo.
    QGuiApplication::setDesktopFileName(QStringLiteral(SCOUTEL_APP_ID));
    Scoutel window;
    window.show();
    return application.exec();
}
} // namespace

int main(int argc, char **argv)
{
    routeDebugOutputToStandardError();
    setApplicationIdentity();
    switch (chooseProgramMode(argc, argv)) {
    case ProgramMode::Help:
        return printTo(stdout, UsageText::help(), 0);
    case ProgramMode::Version:
        return printTo(stdout, UsageText::version(), 0);
    case ProgramMode::History:
        std::fputs(HistoryCommand::output(argc, argv, OperationLog::defaultFolder()).constData(),
                   stdout);
        return 0;
    case ProgramMode::Console:
        return runConsole(argc, argv);
    case ProgramMode::Forget: {
        QCoreApplication application(argc, argv);
        return forgetDevice(QString::fromLocal8Bit(argv[1]).section(QLatin1Char('='), 1));
    }
    case ProgramMode::Graphical:
        break;
    }
    return runWindow(argc, argv);
}
