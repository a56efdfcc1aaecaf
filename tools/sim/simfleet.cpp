#include "simfleet.h"

#include "fieldtags.h"
#include "hextext.h"

#include <QJsonArray>
#include <QRandomGenerator>
#include <QtEndian>

namespace {
const char ForeignDatagram[] = "HELLO";
const char OddSender[] = "169.255.255.254";

bool isBroadcastMac(const QByteArray &mac)
{
    return mac == QByteArray(Sctl::MacSize, '\xFF');
}

// Passwords stay out of the log: each byte of a new password shows as XX.
QString maskedHex(qsizetype count)
{
    return QStringList(QList<QString>(count, QStringLiteral("XX"))).join(QLatin1Char(' '));
}

QString redactedHex(const QByteArray &payload, const QList<SimField> &fields)
{
    QString hex = hexText(payload);
    for (const SimField &field : fields) {
        if (field.tag == Tag::NewPassword && !field.value.isEmpty())
            hex.replace(field.offset * 3, field.value.size() * 3 - 1,
                        maskedHex(field.value.size()));
    }
    return hex;
}

QJsonArray fieldList(const QList<SimField> &fields)
{
    QJsonArray list;
    for (const SimField &field : fields) {
        const QString value =
            field.tag == Tag::NewPassword ? maskedHex(field.value.size()) : hexText(field.value);
        list.append(QJsonObject{{QStringLiteral("tag"), field.tag},
                                {QStringLiteral("len"), int(field.value.size())},
                                {QStringLiteral("value"), value}});
    }
    return list;
}

QJsonArray tagList(const QList<SimField> &fields)
{
    QJsonArray tags;
    for (const SimField &field : fields)
        tags.append(field.tag);
    return tags;
}
} // namespace

struct SimFleet::Request
{
    explicit Request(const ReceivedDatagram &received) : datagram(received)
    {
        const QByteArray &bytes = datagram.bytes;
        hasHeader = bytes.size() >= Sctl::HeaderSize && bytes.startsWith("SCTL");
        if (!hasHeader)
            return;
        sequence = qFromBigEndian<quint16>(bytes.constData() + 4);
        command = qFromBigEndian<quint16>(bytes.constData() + 6);
        mac = bytes.mid(8, Sctl::MacSize);
    }

    // The part of a log line that describes the request as received.
    QJsonObject line(int number) const
    {
        QJsonObject o{{QStringLiteral("event"), QStringLiteral("request")},
                      {QStringLiteral("device"), number},
                      {QStringLiteral("sender"), datagram.sender.toString()},
                      {QStringLiteral("port"), datagram.port},
                      {QStringLiteral("ttl"), datagram.ttl},
                      {QStringLiteral("interface"), datagram.interfaceName},
                      {QStringLiteral("bytes"), hexText(datagram.bytes)}};
        if (hasHeader) {
            o.insert(QStringLiteral("command"), command);
            o.insert(QStringLiteral("sequence"), sequence);
            o.insert(QStringLiteral("mac"), hexText(mac));
        }
        return o;
    }

    const ReceivedDatagram &datagram;
    bool hasHeader = false;
    quint16 sequence = 0;
    quint16 command = 0;
    QByteArray mac;
};

SimFleet::SimFleet(const SimOptions &fleetOptions, QRandomGenerator *generator, LogSink sink,
                   qint64 nowMs)
    : options(fleetOptions), random(generator), log(std::move(sink))
{
    const FleetBehaviour behaviour{
        options.statusFlags,   options.searchResult, options.withUpTime, options.restartSilenceMs,
        options.unknownFields, options.network,      options.webPages};
    devices.reserve(size_t(options.count));
    for (int number = 1; number <= options.count; ++number) {
        devices.emplace_back(number, options.passwords.value(number - 1), options.namePrefix,
                             options.hwVersions.value(number - 1), behaviour, nowMs);
        if (options.names.contains(number))
            devices.back().rename(options.names.value(number));
    }
}

QHostAddress SimFleet::sourceOf(int number) const
{
    if (options.oddSender && number == 1)
        return QHostAddress(QString::fromLatin1(OddSender));
    return options.network.addressOf(number);
}

QList<OutgoingDatagram> SimFleet::handle(const ReceivedDatagram &datagram, qint64 nowMs)
{
    const Request request(datagram);
    QList<OutgoingDatagram> out;
    if (!request.hasHeader) {
        logUnanswered(request, 0, "not-sctl");
        return out;
    }

    const int number = SimDevice::numberOf(request.mac, options.network.macByte());
    const bool known = number >= 1 && number <= count();
    if (request.command == Sctl::SearchRequest) {
        if (datagram.bytes.size() != Sctl::HeaderSize)
            logUnanswered(request, 0, "malformed");
        else if (isBroadcastMac(request.mac))
            for (int each = 1; each <= count(); ++each)
                search(request, each, nowMs, &out);
        else if (known)
            search(request, number, nowMs, &out);
        else
            logUnanswered(request, 0, "no-device");
    } else if (request.command == Sctl::ConfigureRequest) {
        if (known)
            configure(request, number, nowMs, &out);
        else
            logUnanswered(request, 0, "no-device");
    } else {
        logUnanswered(request, 0, "not-a-request");
        return out;
    }
    strayAnswers(request, nowMs, &out);
    return out;
}

void SimFleet::strayAnswers(const Request &request, qint64 nowMs, QList<OutgoingDatagram> *out)
{
    for (const int number : std::as_const(options.strayConfig)) {
        if (log)
            log(QJsonObject{{QStringLiteral("event"), QStringLiteral("stray")},
                            {QStringLiteral("device"), number}});
        post(request, number, device(number).configureAnswer(request.sequence, 0), nowMs, out);
    }
}

void SimFleet::search(const Request &request, int number, qint64 nowMs,
                      QList<OutgoingDatagram> *out)
{
    SimDevice &device = devices[size_t(number - 1)];
    if (device.isSilent(nowMs))
        return logUnanswered(request, number, "restarting");
    if (options.ignoreSearch.contains(number))
        return logUnanswered(request, number, "ignore-search");

    QByteArray challenge(Sctl::ChallengeSize, '\0');
    const auto answerWithNewChallenge = [&] {
        for (char &byte : challenge)
            byte = char(random->bounded(256));
        return device.searchAnswer(request.sequence, challenge, nowMs);
    };
    // The first of two answers carries a challenge the second replaces.
    if (options.answerTwice)
        post(request, number, answerWithNewChallenge(), nowMs, out);
    const QByteArray answer = answerWithNewChallenge();
    if (log) {
        QJsonObject line = request.line(number);
        line.insert(QStringLiteral("answered"), true);
        line.insert(QStringLiteral("challenge"), hexText(challenge));
        log(line);
    }
    post(request, number, answer, nowMs, out);
}

void SimFleet::configure(const Request &request, int number, qint64 nowMs,
                         QList<OutgoingDatagram> *out)
{
    SimDevice &device = devices[size_t(number - 1)];
    if (device.isSilent(nowMs))
        return logUnanswered(request, number, "restarting");
    if (options.muteConfig.contains(number))
        return logUnanswered(request, number, "mute-config");

    const ConfigOutcome outcome =
        device.configure(request.datagram.bytes, nowMs, !options.forcedVerdict.has_value());
    const int verdict = options.forcedVerdict.value_or(outcome.verdict);
    if (log) {
        QJsonObject line = request.line(number);
        line.insert(QStringLiteral("answered"), true);
        line.insert(QStringLiteral("payload"), redactedHex(outcome.payload, outcome.fields));
        line.insert(QStringLiteral("fields"), fieldList(outcome.fields));
        line.insert(QStringLiteral("verdict"), verdict);
        line.insert(QStringLiteral("checked"), outcome.verdict);
        log(line);
        if (outcome.applied)
            log(QJsonObject{{QStringLiteral("event"), QStringLiteral("apply")},
                            {QStringLiteral("device"), number},
                            {QStringLiteral("tags"), tagList(outcome.fields)}});
        if (outcome.restarting)
            log(QJsonObject{{QStringLiteral("event"), QStringLiteral("restart")},
                            {QStringLiteral("device"), number},
                            {QStringLiteral("silentMs"), options.restartSilenceMs}});
    }
    post(request, number, device.configureAnswer(request.sequence, verdict), nowMs, out);
}

void SimFleet::post(const Request &request, int number, const QByteArray &answer, qint64 nowMs,
                    QList<OutgoingDatagram> *out)
{
    const qint64 jitter = options.jitterMs > 0 ? random->bounded(options.jitterMs + 1) : 0;
    OutgoingDatagram datagram{number,
                              sourceOf(number),
                              request.datagram.sender,
                              request.datagram.port,
                              answer,
                              nowMs + options.delayMs + jitter};
    out->append(datagram);
    if (options.foreign) {
        datagram.bytes = QByteArray(ForeignDatagram);
        out->append(datagram);
    }
}

void SimFleet::logUnanswered(const Request &request, int number, const char *why) const
{
    if (!log)
        return;
    QJsonObject line = request.line(number);
    line.insert(QStringLiteral("answered"), false);
    line.insert(QStringLiteral("why"), QLatin1String(why));
    log(line);
}
