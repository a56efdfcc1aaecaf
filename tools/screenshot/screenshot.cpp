// Renders the window after one Refresh through all network interfaces against
// a simulated fleet on each of two networks, with the first device opened, and
// writes it as a PNG: the picture in the README.
// Usage (inside scripts/in-netns --networks 2, on an X display): scoutel-screenshot FILE.png
#include "applicationidentity.h"
#include "netguard.h"
#include "networkinterfaces.h"
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
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(name, store.path().toUtf8());
    qputenv("LC_ALL", "en_US.UTF-8");
    QApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, store.path());
    // The store the window reads, for the interface chosen here.
    setApplicationIdentity();
    NetGuard::requirePrivateNetwork(argv[0]);

    // The first device of the first network answers from outside it.
    SimulatorProcess fleets[2];
    const QStringList options[2] = {
        {QStringLiteral("--count"), QStringLiteral("6"), QStringLiteral("--odd-sender"),
         QStringLiteral("--interface"), QStringLiteral("sctlnet1")},
        {QStringLiteral("--count"), QStringLiteral("3"), QStringLiteral("--name-prefix"),
         QStringLiteral("Vault"), QStringLiteral("--interface"), QStringLiteral("sctlnet2")}};
    for (int i = 0; i < 2; ++i) {
        if (!fleets[i].start(options[i] +
                             QStringList{QStringLiteral("--lifetime"), QStringLiteral("20000")})) {
            std::fprintf(stderr, "%s\n", qPrintable(fleets[i].errorString()));
            return 1;
        }
    }
    QSettings().setValue(QStringLiteral("System/interfaceIndex"), NetworkInterfaces::All);
    Scoutel window;
    window.resize(920, 470);
    window.show();
    serveEventsFor(300);
    window.findChild<QAbstractButton *>(QStringLiteral("buttonRefresh"))->click();
    serveEventsFor(SearchWaitMs);
    auto *tree = window.findChild<QTreeWidget *>(QStringLiteral("tree"));
    if (tree->topLevelItemCount() == 0) {
        std::fprintf(stderr, "no device answered\n");
        return 1;
    }
    tree->sortItems(0, Qt::AscendingOrder);
    tree->topLevelItem(7)->setSelected(true);
    tree->topLevelItem(8)->setSelected(true);
    tree->expandItem(tree->topLevelItem(0));
    serveEventsFor(200);
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
