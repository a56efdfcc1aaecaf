// A configuration request as a device receives it: the first byte gives the
// password's length (0-16), the password follows, then the encrypted datagram.
// What decodes is encoded again, decoded again and encoded once more: unchanged.
#include "answercheck.h"
#include "requestcipher.h"

#include <QtEndian>

namespace {
QByteArray ciphered(QByteArray datagram, const QByteArray &key, bool encrypt)
{
    if (datagram.size() > Sctl::HeaderSize)
        RequestCipher::encryptPayload(datagram.data() + Sctl::HeaderSize,
                                      int(datagram.size()) - Sctl::HeaderSize, key, encrypt);
    return datagram;
}

void checkRoundTrip(PacketCodec &codec, ScoutelContainer target, const QByteArray &password)
{
    target->password = QString::fromLatin1(password);
    if (target->challenge.isEmpty())
        target->challenge = QByteArray(Sctl::ChallengeSize, '\0');
    quint32 comparable = 0;
    for (const FieldTable::Field &field : FieldTable::Fields)
        comparable |= field.use == FieldTable::Both ? field.bit : 0;
    target->sendFields = (target->presentFields & comparable) | FieldApply;

    const QByteArray request = codec.buildRequest(Sctl::ConfigureRequest, &target);
    // Every field a request carries fits in one request: none may be lost.
    FUZZ_CHECK(!request.isEmpty() && request.size() <= Sctl::MaxRequestSize);
    QByteArray plain = ciphered(request, RequestCipher::keyFromPassword(password), false);
    // Read as an answer, without its zero fill that could end in half a field.
    int end = Sctl::HeaderSize;
    while (end + 1 < plain.size() && plain.at(end) != Tag::Fill)
        end += 2 + quint8(plain.at(end + 1));
    FUZZ_CHECK(end < plain.size());
    plain.truncate(end);
    qToBigEndian(quint16(end - Sctl::HeaderSize), plain.data() + 14);
    ScoutelContainer back;
    FUZZ_CHECK(codec.decode(plain, &back) == PacketCodec::DecodeOk);
    back->password = target->password;
    back->sendFields = target->sendFields;
    // All but the sequence number (bytes 4-5): command, MAC, length and fields.
    const QByteArray again = codec.buildRequest(Sctl::ConfigureRequest, &back);
    FUZZ_CHECK(again.mid(6) == request.mid(6));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    if (input.isEmpty())
        return 0;
    const QByteArray password = input.mid(1, quint8(input.at(0)) % 17);
    const QByteArray datagram = input.mid(1 + password.size());
    const QByteArray key = RequestCipher::keyFromPassword(password);
    const QByteArray plain = ciphered(datagram, key, false);
    // The cipher loses nothing: encrypting again gives the datagram back.
    FUZZ_CHECK(ciphered(plain, key, true) == datagram);
    PacketCodec codec;
    ScoutelContainer record;
    if (decodeAnswer(codec, plain, record) == PacketCodec::DecodeOk)
        checkRoundTrip(codec, record, password);
    return 0;
}
