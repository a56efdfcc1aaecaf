// A configuration request as a device receives it: the first byte gives the
// password's length (0-16), the password follows, then the encrypted datagram.
// Decrypted and decoded, its fields are encoded again by the packet writer and
// must come back unchanged.
#include "answercheck.h"
#include "fieldtable.h"
#include "fuzzcheck.h"
#include "requestcipher.h"

#include <QtEndian>

namespace {
constexpr int LongestPassword = 16;

bool sameValue(const FieldTable::Field &field, const ScoutelSharedData &a,
               const ScoutelSharedData &b)
{
    using FieldTable::Kind;
    switch (field.kind) {
    case Kind::Address:
        return a.*field.address == b.*field.address;
    case Kind::Number16:
    case Kind::Switch16:
        return a.*field.number == b.*field.number;
    case Kind::Text:
        return a.*field.text == b.*field.text;
    default:
        return false;
    }
}

QByteArray ciphered(QByteArray datagram, const QByteArray &key, bool encrypt)
{
    if (datagram.size() > Sctl::HeaderSize)
        RequestCipher::encryptPayload(datagram.data() + Sctl::HeaderSize,
                                      int(datagram.size()) - Sctl::HeaderSize, key, encrypt);
    return datagram;
}

// The request without its zero fill, as an answer would carry the same fields:
// an odd fill would end in half a field.
QByteArray withoutFill(QByteArray plain)
{
    int end = Sctl::HeaderSize;
    while (end + 1 < plain.size() && plain.at(end) != Tag::Fill)
        end += 2 + quint8(plain.at(end + 1));
    FUZZ_CHECK(end < plain.size());
    plain.truncate(end);
    qToBigEndian(quint16(end - Sctl::HeaderSize), plain.data() + 14);
    return plain;
}

// Encodes what was decoded, decrypts it as a device would and decodes it again.
void checkRoundTrip(PacketCodec &codec, ScoutelContainer target, const QString &password)
{
    ScoutelSharedData &t = *target.data();
    t.password = password;
    if (t.challenge.isEmpty())
        t.challenge = QByteArray(Sctl::ChallengeSize, '\0');
    quint32 comparable = 0;
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (field.use == FieldTable::Both)
            comparable |= field.bit;
    }
    t.sendFields = (t.presentFields & comparable) | FieldApply;

    const QByteArray request = codec.buildRequest(Sctl::ConfigureRequest, &target);
    // Every field a request carries fits in one request: none may be lost.
    FUZZ_CHECK(!request.isEmpty() && request.size() <= Sctl::MaxRequestSize);
    FUZZ_CHECK((request.size() - Sctl::HeaderSize) % Sctl::BlockSize == 0);
    FUZZ_CHECK(qFromBigEndian<quint16>(request.constData() + 14) + Sctl::HeaderSize ==
               request.size());

    const QByteArray plain =
        ciphered(request, RequestCipher::keyFromPassword(password.toLatin1()), false);
    FUZZ_CHECK(plain.mid(Sctl::HeaderSize, 2) == QByteArray("\x5A\x08", 2));
    ScoutelContainer back;
    FUZZ_CHECK(codec.decode(withoutFill(plain), &back) == PacketCodec::DecodeOk);
    FUZZ_CHECK(back->mac == t.mac && back->challenge == t.challenge);
    FUZZ_CHECK((back->presentFields & comparable) == (t.sendFields & comparable));
    for (const FieldTable::Field &field : FieldTable::Fields) {
        if (t.sendFields & comparable & field.bit)
            FUZZ_CHECK(sameValue(field, t, *back.constData()));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput::silenceQt();
    if (size < 1)
        return 0;
    const size_t passwordLength = qMin<size_t>(data[0] % (LongestPassword + 1), size - 1);
    const QByteArray passwordBytes = FuzzInput::bytes(data + 1, passwordLength);
    const QByteArray datagram =
        FuzzInput::bytes(data + 1 + passwordLength, size - 1 - passwordLength);

    const QByteArray key = RequestCipher::keyFromPassword(passwordBytes);
    FUZZ_CHECK(key.size() == Sctl::BlockSize);
    const QByteArray plain = ciphered(datagram, key, false);
    // The cipher loses nothing: encrypting again gives the datagram back.
    FUZZ_CHECK(ciphered(plain, key, true) == datagram);

    PacketCodec codec;
    ScoutelContainer record;
    const int code = AnswerCheck::decodeAsAnswer(codec, plain, record);
    AnswerCheck::checkDecoded(codec, code, *record.constData());
    if (code == PacketCodec::DecodeOk)
        checkRoundTrip(codec, record, QString::fromLatin1(passwordBytes));
    return 0;
}
