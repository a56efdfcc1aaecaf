#include "scoutelclient.h"

#include "fieldtags.h"
#include "networkinterfaces.h"
#include "resultcodes.h"

#include <QHostAddress>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QUdpSocket>

#include <netinet/in.h>
#include <sys/socket.h>

namespace {
constexpr unsigned char MulticastTtl = 2;
// Room for a few thousand answers to one search arriving at once; the kernel
// caps a plain request at its rmem_max, a privileged one may go beyond.
constexpr int ReceiveBufferBytes = 8 * 1024 * 1024;
// A UDP datagram never exceeds this; a larger claimed size is not believed.
constexpr qint64 MaxDatagramSize = 65536;
// Datagrams handled per readyRead; the rest wakes the slot again. Small batches
// let timers and painting run between them when hundreds of devices answer at once.
constexpr int MaxDatagramsPerWakeUp = 256;
// More than a full receive buffer of the smallest answers: a flood cannot hold
// the end of a phase for ever.
constexpr int MaxDatagramsArrived = 65536;

const QHostAddress &multicastGroup()
{
    static const QHostAddress group(QString::fromLatin1(Sctl::MulticastGroup));
    return group;
}

bool setMulticastTtl(qintptr descriptor)
{
    const unsigned char ttl = MulticastTtl;
    return ::setsockopt(int(descriptor), IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl) == 0;
}

void enlargeReceiveBuffer(qintptr descriptor)
{
    const int bytes = ReceiveBufferBytes;
    if (::setsockopt(int(descriptor), SOL_SOCKET, SO_RCVBUFFORCE, &bytes, sizeof bytes) != 0)
        ::setsockopt(int(descriptor), SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
}

} // namespace

ScoutelClient::ScoutelClient(QObject *parent) : QObject(parent), socket(new QUdpSocket(this))
{
    if (!socket->bind(QHostAddress::AnyIPv4, Sctl::ClientPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint))
        recordError(ErrorNotBound);
    const qintptr descriptor = socket->socketDescriptor();
    if (descriptor != -1) {
        if (!setMulticastTtl(descriptor))
            recordError(ErrorNotBound);
        enlargeReceiveBuffer(descriptor);
    }
    connect(socket, &QUdpSocket::readyRead, this, &ScoutelClient::readPendingDatagrams);
}

int ScoutelClient::search(int interfaceIndex, const ScoutelContainer *target)
{
    return send(Sctl::SearchRequest, interfaceIndex, target);
}

int ScoutelClient::configure(int interfaceIndex, const ScoutelContainer *target)
{
    return send(Sctl::ConfigureRequest, interfaceIndex, target);
}

void ScoutelClient::clearSequences()
{
    codec.clearSequences();
}

QStringList ScoutelClient::interfaces() const
{
    QStringList entries;
    const auto usable = NetworkInterfaces::usable();
    for (const QNetworkInterface &interface : usable)
        entries
            << QStringLiteral("%1;%2").arg(interface.index()).arg(interface.humanReadableName());
    return entries;
}

int ScoutelClient::send(int command, int interfaceIndex, const ScoutelContainer *target)
{
    if (socket->state() != QAbstractSocket::BoundState)
        return recordError(ErrorNotBound);
    const QByteArray request = codec.buildRequest(command, target);
    if (request.isEmpty())
        return recordError(ErrorGenerate);

    // A new search may follow a change of the interfaces.
    if (!target)
        arrivals.clear();

    if (interfaceIndex == NetworkInterfaces::All) {
        if (!sendThroughEach(request, target))
            return recordError(ErrorWrite);
    } else {
        const QNetworkInterface interface = QNetworkInterface::interfaceFromIndex(interfaceIndex);
        if (NetworkInterfaces::isUsable(interface))
            socket->setMulticastInterface(interface);
        if (socket->writeDatagram(request, multicastGroup(), Sctl::DevicePort) != request.size())
            return recordError(ErrorWrite);
    }
    lastErrorCode = 0;
    lastErrorName.clear();
    return 0;
}

bool ScoutelClient::sendThroughEach(const QByteArray &request, const ScoutelContainer *target)
{
    QList<QNetworkInterface> through;
    const Arrival *answered = target && (*target)->interfaceIndex > 0
                                  ? &arrivalThrough((*target)->interfaceIndex)
                                  : nullptr;
    if (answered && answered->usable)
        through.append(answered->interface);
    else
        through = NetworkInterfaces::usable();
    if (through.isEmpty())
        return socket->writeDatagram(request, multicastGroup(), Sctl::DevicePort) == request.size();
    // The socket's choice gives each copy its interface and that interface's
    // own source address, to which the answers come. One interface that
    // refuses does not keep the devices of the others from being found.
    bool anySent = false;
    for (const QNetworkInterface &interface : std::as_const(through)) {
        socket->setMulticastInterface(interface);
        anySent =
            socket->writeDatagram(request, multicastGroup(), Sctl::DevicePort) == request.size() ||
            anySent;
    }
    return anySent;
}

const ScoutelClient::Arrival &ScoutelClient::arrivalThrough(int interfaceIndex)
{
    auto found = arrivals.find(interfaceIndex);
    if (found == arrivals.end()) {
        const QNetworkInterface interface = QNetworkInterface::interfaceFromIndex(interfaceIndex);
        found = arrivals.insert(interfaceIndex,
                                Arrival{interface, NetworkInterfaces::subnetsOf(interface),
                                        NetworkInterfaces::isUsable(interface)});
    }
    return *found;
}

int ScoutelClient::recordError(int code)
{
    lastErrorCode = code;
    lastErrorName = ResultCodes::name(code);
    return code;
}

void ScoutelClient::readPendingDatagrams()
{
    readDatagrams(MaxDatagramsPerWakeUp);
}

void ScoutelClient::readArrived()
{
    readDatagrams(MaxDatagramsArrived);
}

void ScoutelClient::readDatagrams(int limit)
{
    for (int handled = 0; handled < limit && socket->hasPendingDatagrams(); ++handled) {
        const qint64 size = qBound<qint64>(0, socket->pendingDatagramSize(), MaxDatagramSize);
        const QNetworkDatagram datagram = socket->receiveDatagram(size);

        ScoutelContainer record;
        record->sender = datagram.senderAddress();
        if (const int index = int(datagram.interfaceIndex()); index > 0) {
            const Arrival &arrival = arrivalThrough(index);
            record->interfaceIndex = index;
            record->interfaceName = arrival.interface.humanReadableName();
            record->interfaceSubnets = arrival.subnets;
        }
        const int result = codec.decode(datagram.data(), &record);
        lastErrorName = codec.errorString();
        Q_EMIT located(result, record);
    }
}
