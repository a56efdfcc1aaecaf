#include "benchfleets.h"

#include "networkinterfaces.h"

const QList<BenchFleet> &BenchFleet::all()
{
    static const QList<BenchFleet> fleets{
        {{QString()}, 100, NetworkInterfaces::SystemChoice},
        {{QString()}, 500, NetworkInterfaces::SystemChoice},
        {{QString()}, 2000, NetworkInterfaces::SystemChoice},
        {{QStringLiteral("sctlnet1"), QStringLiteral("sctlnet2")}, 1000, NetworkInterfaces::All},
    };
    return fleets;
}

QString BenchFleet::where() const
{
    return networks.first().isEmpty() ? QString()
                                      : QStringLiteral(" on ") + networks.join(QLatin1Char('+'));
}

bool BenchFleet::start(std::vector<std::unique_ptr<SimulatorProcess>> *simulators,
                       QString *error) const
{
    for (const QString &network : networks) {
        QStringList options{QStringLiteral("--count"),    QString::number(devicesPerNetwork),
                            QStringLiteral("--log"),      QString(),
                            QStringLiteral("--lifetime"), QStringLiteral("60000")};
        if (!network.isEmpty())
            options << QStringLiteral("--interface") << network;
        simulators->push_back(std::make_unique<SimulatorProcess>());
        if (!simulators->back()->start(options)) {
            *error = simulators->back()->errorString();
            return false;
        }
    }
    return true;
}
