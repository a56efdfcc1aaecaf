#pragma once

#include "scoutelcontainer.h"
#include "searchsession.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class ScoutelClient;

// Search periods over the client: one request, then every answer until the
// period's ticks have passed; in continuous search the next period follows at
// once. Each device counts once per period, and the latest record of every
// device seen is kept.
class DeviceSearch : public QObject
{
    Q_OBJECT

public:
    // The owner calls tick(); a period ends at its periodTicks-th tick.
    DeviceSearch(ScoutelClient *client, int periodTicks, QObject *parent = nullptr);

    // The interface each request goes through, asked at every request.
    void setInterfaceChoice(std::function<int()> choice) { interfaceIndex = std::move(choice); }
    // While it holds, a new period keeps earlier requests' sequence numbers:
    // a running configuration still waits for their answers.
    void setSequencesInUse(std::function<bool()> inUse) { sequencesInUse = std::move(inUse); }

    // Starts a period; false when the request could not be sent (sendFailed
    // tells why). The period then runs all the same, and at its end every
    // device is stale.
    bool start();
    void setContinuous(bool on) { continuous = on; }
    bool isContinuous() const { return continuous; }
    void tick();

    // A request of the running period went out.
    bool isSearching() const { return requestOut; }
    // Devices that answered this period.
    int found() const { return session.found(); }
    // The latest record by MAC; a stale device's record has result -1.
    const QHash<QByteArray, ScoutelContainer> &devices() const { return session.devices(); }

Q_SIGNALS:
    // A period's request went out.
    void started();
    // Every search answer, also outside a period; first is its device's first
    // answer in the period.
    void answered(const ScoutelContainer &record, bool first);
    // Ends continuous search.
    void sendFailed(const QString &errorText);
    // The period ended; stale lists the devices that did not answer it.
    void finished(const QList<QByteArray> &stale);

private:
    void located(int protocolResult, const ScoutelContainer &record);

    ScoutelClient *client;
    int periodTicks;
    std::function<int()> interfaceIndex;
    std::function<bool()> sequencesInUse;
    SearchSession session;
    int countdown = 0;
    bool requestOut = false;
    bool continuous = false;
};
