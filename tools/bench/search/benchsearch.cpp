// How many answers to one search arrive, and how fast, when 100, 500 and
// 2,000 simulated devices answer at once on loopback, and when 1,000 answer on
// each of two networks searched through every interface.
#include "netguard.h"
#include "networkinterfaces.h"
#include "scoutelclient.h"
#include "simulatorprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <QTimer>
#include <QUdpSocket>

#include <sys/socket.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
// Each network holds devices; an empty network name means loopback.
struct Setup
{
    QStringList networks;
    int devicesPerNetwork;
    int interfaceIndex;
};
const Setup Setups[] = {
    {{QString()}, 100, NetworkInterfaces::SystemChoice},
    {{QString()}, 500, NetworkInterfaces::SystemChoice},
    {{QString()}, 2000, NetworkInterfaces::SystemChoice},
    {{QStringLiteral("sctlnet1"), QStringLiteral("sctlnet2")}, 1000, NetworkInterfaces::All},
};
constexpr int RunsPerSize = 3;
constexpr int AnswerWaitMs = 5000;

int receiveBufferBytes(const ScoutelClient &client)
{
    const auto *socket = client.findChild<QUdpSocket *>();
    int bytes = 0;
    socklen_t size = sizeof bytes;
    if (!socket ||
        ::getsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &bytes, &size) != 0)
        return -1;
    return bytes;
}

struct Run
{
    int answers = 0;
    qint64 lastAnswerUs = 0;
};

Run searchOnce(ScoutelClient &client, int devices, int interfaceIndex)
{
    Run run;
    QSet<QByteArray> macs;
    QElapsedTimer clock;
    QEventLoop loop;
    const auto connection = QObject::connect(&client, &ScoutelClient::located,
                                             [&](int result, const ScoutelContainer &record) {
                                                 if (result != 0 || macs.contains(record->mac))
                                                     return;
                                                 macs.insert(record->mac);
                                                 run.lastAnswerUs = clock.nsecsElapsed() / 1000;
                                                 if (macs.size() == devices)
                                                     loop.quit();
                                             });
    QTimer::singleShot(AnswerWaitMs, &loop, &QEventLoop::quit);
    client.clearSequences();
    clock.start();
    if (client.search(interfaceIndex, nullptr) == 0)
        loop.exec();
    QObject::disconnect(connection);
    run.answers = int(macs.size());
    return run;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    NetGuard::requirePrivateNetwork(argv[0]);

    ScoutelClient client;
    if (client.lastError() != 0) {
        std::fprintf(stderr, "client: %s\n", qPrintable(client.errorString()));
        return 1;
    }
    std::printf("client receive buffer: %d KiB\n", receiveBufferBytes(client) / 1024);

    bool lost = false;
    for (const Setup &setup : Setups) {
        std::vector<std::unique_ptr<SimulatorProcess>> fleets;
        for (const QString &network : setup.networks) {
            QStringList options{
                QStringLiteral("--count"),    QString::number(setup.devicesPerNetwork),
                QStringLiteral("--log"),      QString(),
                QStringLiteral("--lifetime"), QStringLiteral("60000")};
            if (!network.isEmpty())
                options << QStringLiteral("--interface") << network;
            fleets.push_back(std::make_unique<SimulatorProcess>());
            if (!fleets.back()->start(options)) {
                std::fprintf(stderr, "%s\n", qPrintable(fleets.back()->errorString()));
                return 1;
            }
        }
        const int devices = setup.devicesPerNetwork * int(setup.networks.size());
        const QString where = setup.networks.first().isEmpty()
                                  ? QStringLiteral("loopback")
                                  : setup.networks.join(QLatin1Char('+'));
        for (int run = 1; run <= RunsPerSize; ++run) {
            const Run result = searchOnce(client, devices, setup.interfaceIndex);
            lost = lost || result.answers < devices;
            std::printf("%5d devices on %-17s run %d: %5d of %5d answers, last after %7.2f ms\n",
                        devices, qPrintable(where), run, result.answers, devices,
                        result.lastAnswerUs / 1000.0);
            std::fflush(stdout);
        }
    }
    return lost ? 1 : 0;
}
