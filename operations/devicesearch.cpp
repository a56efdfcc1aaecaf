#include "devicesearch.h"

#include "fieldtags.h"
#include "networkinterfaces.h"
#include "scoutelclient.h"

DeviceSearch::DeviceSearch(ScoutelClient *searchClient, int ticks, QObject *parent)
    : QObject(parent), client(searchClient), periodTicks(ticks),
      interfaceIndex([] { return int(NetworkInterfaces::SystemChoice); }),
      sequencesInUse([] { return false; })
{
    connect(client, &ScoutelClient::located, this, &DeviceSearch::located);
}

bool DeviceSearch::start()
{
    if (!sequencesInUse())
        client->clearSequences();
    session.begin();
    countdown = periodTicks;
    requestOut = client->search(interfaceIndex(), nullptr) == 0;
    if (requestOut) {
        Q_EMIT started();
    } else {
        // Repeating would fail again every period.
        continuous = false;
        Q_EMIT sendFailed(client->errorString());
    }
    return requestOut;
}

void DeviceSearch::tick()
{
    if (countdown <= 0 || --countdown > 0)
        return;
    // Answers that came within the period count, though a busy loop left them waiting.
    client->readArrived();
    requestOut = false;
    Q_EMIT finished(session.stale());
    if (continuous)
        start();
}

void DeviceSearch::located(int protocolResult, const ScoutelContainer &record)
{
    // A record without a MAC names no device.
    const ScoutelSharedData &answer = *record.constData();
    if (protocolResult != 0 || answer.command != Sctl::SearchAnswer || answer.mac.isEmpty())
        return;
    const bool first = session.receive(record);
    Q_EMIT answered(record, first);
}
