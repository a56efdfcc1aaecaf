#pragma once

#include "fieldlist.h"
#include "simnetwork.h"

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QString>

// What every device of the fleet shares.
struct FleetBehaviour
{
    quint32 statusFlags = 0;
    int searchResult = 0;   // nonzero: search answers carry it in tag 1
    bool withUpTime = true; // tag 60 and the bus counters
    int restartSilenceMs = 1000;
    int unknownFields = 0; // empty fields of unknown tags closing each search answer
    SimNetwork network;
    bool webPages = true; // false: HTTP port 0
};

// The device's view of one configuration request.
struct ConfigOutcome
{
    int verdict = 0;
    QByteArray payload;     // decrypted; empty when the length was refused
    QList<SimField> fields; // as far as the payload could be split
    bool applied = false;
    bool restarting = false;
};

// One simulated safe: its identity, settings and session, and the answers it
// gives. Knows nothing of sockets; times are milliseconds of one steady clock.
class SimDevice
{
public:
    // An empty hwVersion gives the fleet's usual 3.1.
    SimDevice(int number, const QString &initialPassword, const QString &namePrefix,
              const QByteArray &hwVersion, const FleetBehaviour &fleetBehaviour, qint64 nowMs);

    // Device i answers from 127.0.0.(i+1) up to i = 253, then from 127.0.x.y.
    static QHostAddress addressOf(int number);
    // 02 53 43, the fleet's byte (0 on loopback), then the number, big-endian:
    // locally administered.
    static QByteArray macOf(int number, quint8 fleetByte = 0);
    // The device number a MAC of the fleet belongs to, 0 for any other MAC.
    static int numberOf(const QByteArray &mac, quint8 fleetByte = 0);

    int number() const { return deviceNumber; }
    QByteArray mac() const { return macOf(deviceNumber, behaviour.network.macByte()); }
    QString name() const { return QString::fromLatin1(settings.name); }
    void rename(const QString &name);
    QByteArray latestChallenge() const { return challenge; }
    // A restarting device hears nothing.
    bool isSilent(qint64 nowMs) const { return nowMs < silentUntilMs; }

    // Issues the challenge and describes the device as it stands.
    QByteArray searchAnswer(quint16 sequence, const QByteArray &newChallenge, qint64 nowMs);
    // Checks a whole configuration request; applies it on verdict 0 when allowed.
    ConfigOutcome configure(const QByteArray &request, qint64 nowMs, bool mayApply);
    QByteArray configureAnswer(quint16 sequence, int verdict) const;

private:
    int verdictOn(const QByteArray &request, ConfigOutcome *outcome) const;
    void apply(const QList<SimField> &fields);

    struct Settings
    {
        QHostAddress ipAddress;
        QHostAddress subnetMask;
        QHostAddress gateway;
        QHostAddress dns;
        quint16 dhcp = 0;
        quint16 mainPort = 0;
        quint16 auxPort = 0;
        quint16 httpPort = 0;
        quint16 sessionMinutes = 15;
        QByteArray name;
    };

    int deviceNumber;
    QByteArray hardwareVersion; // major and minor byte
    QString password;
    FleetBehaviour behaviour;
    Settings settings;
    QByteArray challenge;
    qint64 startedAtMs;
    qint64 silentUntilMs = 0;
};
