// Renders the window after one Refresh against a simulated fleet, with the
// first device opened, and writes it as a PNG: the picture in the README.
// Usage (inside scripts/in-netns, on an X display): scoutel-screenshot FILE.png
#include "netguard.h"
#include "scoutel.h"
#include "simulatorprocess.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>

namespace {
// Past the search period of 2 ticks of 1 s.
constexpr int SearchWaitMs = 2500;

void serveEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir store;
    if (argc != 2 || !store.isValid()) {
        std::fprintf(stderr, "usage: %s FILE.png\n", argv[0]);
        return 2;
    }
    qputenv("XDG_CONFIG_HOME", store.path().toUtf8());
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    NetGuard::requirePrivateNetwork(argv[0]);

    SimulatorProcess fleet;
    if (!fleet.start({QStringLiteral("--count"), QStringLiteral("9"),
                      QStringLiteral("--odd-sender"), QStringLiteral("--name-prefix"),
                      QStringLiteral("Vault"), QStringLiteral("--lifetime"),
                      QStringLiteral("20000")})) {
        std::fprintf(stderr, "%s\n", qPrintable(fleet.errorString()));
        return 1;
    }
    Scoutel window;
    window.resize(760, 470);
    window.show();
    serveEventsFor(300);
    window.findChild<QAbstractButton *>(QStringLiteral("buttonRefresh"))->click();
    serveEventsFor(SearchWaitMs);
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("tree"));
    if (tree->topLevelItemCount() == 0) {
        std::fprintf(stderr, "no device answered\n");
        return 1;
    }
    tree->expandItem(tree->topLevelItem(0));
    serveEventsFor(200);
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
