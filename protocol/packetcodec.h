#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QSet>
#include <QString>

// Builds SCTL requests and decodes answers into records.
class PacketCodec
{
public:
    enum DecodeResult : int {
        DecodeOk = 0,
        ErrorInDataNull = -200,
        ErrorInLength = -201,
        ErrorInHead = -202,
        ErrorInFieldLength = -203,
        ErrorInSequence = -204,
    };

    // Empty for an unsupported command, a configuration without a record, or a
    // record whose fields cannot be put on the wire as they are.
    QByteArray buildRequest(int command, const ScoutelContainer *target);
    int decode(const QByteArray &datagram, ScoutelContainer *record);
    void clearSequences();
    QString errorString() const { return lastErrorName; }

    // The value of the apply and restart fields that devices expect.
    static QByteArray confirmationValue();
    static QString decodeErrorName(int code);

private:
    quint16 nextSequence();
    int fail(int code);

    QString lastErrorName;
    QSet<quint16> outstanding;
};
