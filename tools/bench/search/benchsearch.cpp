// How many answers to one search arrive, and how fast, when 100, 500 and
// 2,000 simulated devices answer at once on loopback, and when 1,000 answer on
// each of two networks searched through every interface.
#include "benchfleets.h"
#include "netguard.h"
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
    for (const BenchFleet &fleet : BenchFleet::all()) {
        std::vector<std::unique_ptr<SimulatorProcess>> simulators;
        QString error;
        if (!fleet.start(&simulators, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const int devices = fleet.devices();
        const QString where =
            fleet.where().isEmpty() ? QStringLiteral(" on loopback") : fleet.where();
        for (int run = 1; run <= RunsPerSize; ++run) {
            const Run result = searchOnce(client, devices, fleet.interfaceIndex);
            lost = lost || result.answers < devices;
            std::printf("%5d devices%-21s run %d: %5d of %5d answers, last after %7.2f ms\n",
                        devices, qPrintable(where), run, result.answers, devices,
                        result.lastAnswerUs / 1000.0);
            std::fflush(stdout);
        }
    }
    return lost ? 1 : 0;
}
