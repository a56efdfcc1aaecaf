#pragma once

#include "packetcodec.h"
#include "scoutelcontainer.h"

#include <QHash>
#include <QNetworkInterface>
#include <QObject>
#include <QStringList>

class QUdpSocket;

// The one object through which the tool talks to devices: sends requests to the
// devices' multicast group and announces every datagram that arrives.
class ScoutelClient : public QObject
{
    Q_OBJECT

public:
    enum ClientError : int {
        ErrorNotBound = -300,
        ErrorGenerate = -302,
        ErrorWrite = -303,
    };

    explicit ScoutelClient(QObject *parent = nullptr);

    // Both return 0 or a ClientError. A usable interfaceIndex chooses the
    // outgoing multicast interface; -1 leaves the socket's choice.
    // NetworkInterfaces::All sends through the interface the target last
    // answered on, else through every usable one (the socket's choice when
    // there is none); it fails only when no copy went out.
    int search(int interfaceIndex, const ScoutelContainer *target);
    int configure(int interfaceIndex, const ScoutelContainer *target);
    void clearSequences();

    int lastError() const { return lastErrorCode; }
    QString errorString() const { return lastErrorName; }
    // "index;name" of each interface a search can go through.
    QStringList interfaces() const;
    // Reads every datagram that has already arrived, beyond the batch one
    // wake-up takes: a phase that ends now counts the answers that came in it.
    void readArrived();

Q_SIGNALS:
    void located(int protocolResult, ScoutelContainer data);

public Q_SLOTS:
    void readPendingDatagrams();

private:
    // What an answer that came in through an interface is stamped with.
    // What an answer that came in through an interface is stamped with, and
    // what a request to its device goes out through.
    struct Arrival
    {
        QNetworkInterface interface;
        QList<QPair<QHostAddress, int>> subnets;
        bool usable = false;
    };

    int send(int command, int interfaceIndex, const ScoutelContainer *target);
    void readDatagrams(int limit);
    bool sendThroughEach(const QByteArray &request, const ScoutelContainer *target);
    const Arrival &arrivalThrough(int interfaceIndex);
    int recordError(int code);

    QUdpSocket *socket;
    PacketCodec codec;
    // Looked up once per interface and search, not for every answer.
    QHash<int, Arrival> arrivals;
    int lastErrorCode = 0;
    QString lastErrorName;
};
