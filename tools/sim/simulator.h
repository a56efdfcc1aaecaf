#pragma once

#include "outbox.h"
#include "simfleet.h"
#include "simlog.h"
#include "simoptions.h"
#include "simsocket.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>

#include <memory>

class QSocketNotifier;

// Runs the fleet on the socket: reads requests as they come, sends each answer
// when it is due.
class Simulator : public QObject
{
    Q_OBJECT

public:
    explicit Simulator(const SimOptions &fleetOptions, QObject *parent = nullptr);

    bool start(QString *error);

private:
    void readRequests();
    void sendDue();

    SimOptions options;
    QElapsedTimer clock;
    QRandomGenerator random;
    SimLog log;
    std::unique_ptr<SimFleet> fleet;
    SimSocket socket;
    Outbox outbox;
    QSocketNotifier *notifier = nullptr;
    QTimer sendTimer;
};
