#pragma once

#include "fieldtable.h"
#include "fuzzcheck.h"
#include "packetcodec.h"

// Decodes datagram as the client would, with its sequence number (bytes 4-5)
// made one the codec waits for, and checks what any decoding leaves behind.
inline int decodeAnswer(PacketCodec &codec, QByteArray datagram, ScoutelContainer &record)
{
    const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
    if (datagram.size() >= 6)
        datagram.replace(4, 2, request.mid(4, 2));
    const int code = codec.decode(datagram, &record);
    const ScoutelSharedData &r = *record.constData();
    if (code != PacketCodec::DecodeOk && code != PacketCodec::ErrorInFieldLength) {
        // Refused before the header was read: nothing of it may be kept.
        FUZZ_CHECK(r.presentFields == 0 && r.result == -1 && r.mac.isEmpty());
        return code;
    }
    quint32 answerFields = 0;
    for (const FieldTable::Field &field : FieldTable::Fields)
        answerFields |= (field.use & FieldTable::InAnswers) ? field.bit : 0;
    FUZZ_CHECK((r.presentFields & ~answerFields) == 0 && r.sendFields == 0);
    FUZZ_CHECK(r.mac.size() == Sctl::MacSize && r.result >= -128 && r.result <= 127);
    for (const qint32 number :
         {r.command, r.dhcp, r.mainPort, r.auxPort, r.httpPort, r.sessionMinutes})
        FUZZ_CHECK(number >= 0 && number <= 0xFFFF);
    for (const qint32 part :
         {r.hwVersionMajor, r.hwVersionMinor, r.protocolVersionMajor, r.protocolVersionMinor})
        FUZZ_CHECK(part >= 0 && part <= 0xFF);
    for (const QString *text : {&r.name, &r.newPassword, &r.hwName})
        FUZZ_CHECK(text->size() <= Sctl::MaxTextLength && !text->contains(QChar(0)));
    FUZZ_CHECK(r.challenge.size() ==
               ((r.presentFields & FieldChallenge) ? Sctl::ChallengeSize : 0));
    return code;
}
