#pragma once

#include "scoutelclient.h"

#include <QSignalSpy>
#include <QTest>

// Records every located(int, ScoutelContainer) a client emits.
class LocatedSpy : public QSignalSpy
{
public:
    explicit LocatedSpy(ScoutelClient *client) : QSignalSpy(client, &ScoutelClient::located) {}

    int result(int index) const { return at(index).at(0).toInt(); }
    ScoutelContainer record(int index) const { return at(index).at(1).value<ScoutelContainer>(); }
    // Serves the event loop until at least count datagrams were announced.
    bool waitForCount(int count, int timeoutMs = 10000)
    {
        return QTest::qWaitFor([&] { return size() >= count; }, timeoutMs);
    }
};
