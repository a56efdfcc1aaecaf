#include "netguard.h"
#include "simoptions.h"
#include "simulator.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    SimOptions options;
    QString message;
    switch (SimCommandLine::parse(app.arguments(), &options, &message)) {
    case SimCommandLine::Parsed::Help:
        std::fputs(qPrintable(message), stdout);
        return 0;
    case SimCommandLine::Parsed::Invalid:
        std::fprintf(stderr, "scoutel-sim: %s\n", qPrintable(message));
        return 2;
    case SimCommandLine::Parsed::Run:
        break;
    }

    NetGuard::requirePrivateNetwork("scoutel-sim");
    Simulator simulator(options);
    if (!simulator.start(&message)) {
        std::fprintf(stderr, "scoutel-sim: %s\n", qPrintable(message));
        return 1;
    }
    QTimer::singleShot(options.lifetimeMs, &app, &QCoreApplication::quit);
    std::puts("ready");
    std::fflush(stdout);
    return app.exec();
}
