#include "answercheck.h"

#include "fieldtable.h"
#include "fuzzcheck.h"

namespace {
bool isUnsigned(qint32 value, int bits)
{
    return value >= 0 && value < (1 << bits);
}

quint32 answerBits()
{
    quint32 bits = 0;
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (field.use & FieldTable::InAnswers)
            bits |= field.bit;
    }
    return bits;
}

void checkText(const QString &text)
{
    FUZZ_CHECK(text.size() <= Sctl::MaxTextLength);
    FUZZ_CHECK(!text.contains(QChar(0)));
}
} // namespace

int AnswerCheck::decodeAsAnswer(PacketCodec &codec, QByteArray datagram, ScoutelContainer &record)
{
    const QByteArray request = codec.buildRequest(Sctl::SearchRequest, nullptr);
    if (datagram.size() >= 6)
        datagram.replace(4, 2, request.mid(4, 2));
    return codec.decode(datagram, &record);
}

void AnswerCheck::checkDecoded(const PacketCodec &codec, int code, const ScoutelSharedData &r)
{
    FUZZ_CHECK(code == PacketCodec::DecodeOk || code == PacketCodec::ErrorInLength ||
               code == PacketCodec::ErrorInHead || code == PacketCodec::ErrorInFieldLength ||
               code == PacketCodec::ErrorInSequence);
    if (code != PacketCodec::DecodeOk)
        FUZZ_CHECK(!codec.errorString().isEmpty() &&
                   codec.errorString() == PacketCodec::decodeErrorName(code));
    if (code != PacketCodec::DecodeOk && code != PacketCodec::ErrorInFieldLength) {
        // Refused before the header was read: nothing of it may be kept.
        FUZZ_CHECK(r.presentFields == 0 && r.result == -1 && r.mac.isEmpty());
        return;
    }
    FUZZ_CHECK(r.mac.size() == Sctl::MacSize);
    FUZZ_CHECK(isUnsigned(r.command, 16));
    FUZZ_CHECK((r.presentFields & ~answerBits()) == 0 && r.sendFields == 0);
    FUZZ_CHECK(r.result >= -128 && r.result <= 127);
    for (const qint32 number : {r.dhcp, r.mainPort, r.auxPort, r.httpPort, r.sessionMinutes})
        FUZZ_CHECK(isUnsigned(number, 16));
    for (const qint32 part :
         {r.hwVersionMajor, r.hwVersionMinor, r.protocolVersionMajor, r.protocolVersionMinor})
        FUZZ_CHECK(isUnsigned(part, 8));
    for (const QString *text : {&r.name, &r.newPassword, &r.hwName})
        checkText(*text);
    FUZZ_CHECK(r.challenge.size() ==
               ((r.presentFields & FieldChallenge) ? Sctl::ChallengeSize : 0));
    FUZZ_CHECK(r.publicKey.isEmpty());
}
