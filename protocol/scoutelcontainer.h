#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QSharedData>
#include <QSharedDataPointer>
#include <QString>

// Bits of presentFields and sendFields: one layout for both masks.
enum FieldBit : quint32 {
    FieldResult = 0x1,
    FieldIpAddress = 0x2,
    FieldSubnetMask = 0x4,
    FieldGateway = 0x8,
    FieldDns = 0x10,
    FieldDhcp = 0x20,
    FieldMainPort = 0x40,
    FieldAuxPort = 0x80,
    FieldHttpPort = 0x100,
    FieldSessionMinutes = 0x200,
    FieldName = 0x400,
    FieldNewPassword = 0x800,
    FieldPublicKey = 0x1000,
    FieldHwName = 0x2000,
    FieldHwVersion = 0x4000,
    FieldProtocolVersion = 0x8000,
    FieldUpTime = 0x10000,
    FieldChallenge = 0x20000,
    FieldApply = 0x100000,
    FieldRestart = 0x200000,
};

// Device result codes carried in tag 1 of an answer.
enum DeviceResult : int {
    ResultOk = 0,
    ResultGeneric = -2,
    ResultFieldLength = -100,
    ResultFieldUnknown = -101,
    ResultFieldDeny = -102,
    ResultBufferLength = -103,
    ResultChallengeSize = -104,
    ResultSessionExpired = -105,
    ResultWrongPassword = -106,
};

class ScoutelSharedData : public QSharedData
{
    Q_DECLARE_TR_FUNCTIONS(ScoutelSharedData)

public:
    QString resultText() const;

    qint32 result = 0;
    QHostAddress sender;
    QByteArray mac;
    QHostAddress ipAddress;
    QHostAddress subnetMask;
    QHostAddress gateway;
    QHostAddress dns;
    qint32 dhcp = 0;
    qint32 mainPort = 0;
    qint32 auxPort = 0;
    qint32 httpPort = 0;
    qint32 sessionMinutes = 0;
    QString name;
    QString newPassword;
    QByteArray publicKey;
    QString hwName;
    qint32 hwVersionMajor = 0;
    qint32 hwVersionMinor = 0;
    qint32 protocolVersionMajor = 0;
    qint32 protocolVersionMinor = 0;
    quint32 upTime = 0;
    quint32 statusFlags = 0;
    quint32 busOnewire[3] = {0, 0, 0};
    quint32 busRs485[3] = {0, 0, 0};
    quint32 busTcp[3] = {0, 0, 0};
    QByteArray challenge;
    qint32 command = 0;
    quint32 presentFields = 0;
    quint32 sendFields = 0;
    QString password;
    // Where an answer arrived, as it was then: the interface's index (0 when
    // not known), its name and the networks of its addresses.
    int interfaceIndex = 0;
    QString interfaceName;
    QList<QPair<QHostAddress, int>> interfaceSubnets;
};

// Handle over a shared record: copies share one payload until one of them writes.
class ScoutelContainer
{
public:
    ScoutelContainer();

    // Writing access: detaches from every other handle first.
    ScoutelSharedData *data() { return d.data(); }
    ScoutelSharedData *operator->() { return d.data(); }
    // Reading access: never detaches.
    const ScoutelSharedData *constData() const { return d.constData(); }
    const ScoutelSharedData *operator->() const { return d.constData(); }

private:
    QSharedDataPointer<ScoutelSharedData> d;
};
