#include "site.h"

#include "fieldtags.h"
#include "randomsource.h"
#include "requestcipher.h"

namespace {
constexpr quint32 Seed = 2462;
constexpr qint64 FirstRequestMs = 3723000; // an hour and a bit of up time
constexpr qint64 AnswerDelayMs = 2;
constexpr qint64 NextRequestMs = 1000;
constexpr quint32 StatusBits = 0x104; // cable was disconnected, too many connections

SimOptions fleetOptions()
{
    SimOptions options;
    options.count = Site::Devices;
    options.passwords = QStringList(Site::Devices, Site::Password);
    options.statusFlags = StatusBits;
    return options;
}

Frame requestFrame(const QByteArray &bytes, qint64 nowMs)
{
    Frame frame;
    frame.datagram = {Site::client(),
                      Sctl::ClientPort,
                      QHostAddress(QString::fromLatin1(Sctl::MulticastGroup)),
                      Sctl::DevicePort,
                      bytes,
                      nowMs};
    frame.fields = bytes.mid(Sctl::HeaderSize);
    return frame;
}
} // namespace

const QString Site::Password = QStringLiteral("secret");

Site::Site() : random(Seed), fleet(fleetOptions(), &random, nullptr, 0), nowMs(FirstRequestMs)
{
    RandomSource::seed(Seed);
}

QHostAddress Site::client()
{
    return QHostAddress(QStringLiteral("127.0.0.1"));
}

QList<Frame> Site::search(const QByteArray &mac)
{
    ScoutelContainer target;
    target->mac = mac;
    return exchange(requestFrame(
        codec.buildRequest(Sctl::SearchRequest, mac.isEmpty() ? nullptr : &target), nowMs));
}

QList<Frame> Site::configure(const ScoutelContainer &record)
{
    Frame request = requestFrame(codec.buildRequest(Sctl::ConfigureRequest, &record), nowMs);
    RequestCipher::encryptPayload(request.fields.data(), int(request.fields.size()),
                                  RequestCipher::keyFromPassword(record->password.toLatin1()),
                                  false);
    request.record = record;
    return exchange(request);
}

QList<Frame> Site::exchange(const Frame &request)
{
    QList<Frame> frames{request};
    const QByteArray &bytes = request.datagram.payload;
    const QList<OutgoingDatagram> answers =
        fleet.handle({bytes, request.datagram.source, Sctl::ClientPort, -1, QString()}, nowMs);
    for (const OutgoingDatagram &answer : answers) {
        Frame frame;
        frame.datagram = {answer.source, Sctl::DevicePort, answer.destination,
                          answer.port,   answer.bytes,     nowMs + AnswerDelayMs * answer.device};
        frame.fields = answer.bytes.mid(Sctl::HeaderSize);
        codec.decode(answer.bytes, &frame.record);
        frames.append(frame);
    }
    nowMs += NextRequestMs;
    return frames;
}
