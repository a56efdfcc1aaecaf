// An answer as the client receives it from the network.
#include "answercheck.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput::silenceQt();
    const QByteArray datagram = FuzzInput::bytes(data, size);

    // Before any request, nothing is an answer.
    PacketCodec codec;
    ScoutelContainer unasked;
    FUZZ_CHECK(codec.decode(datagram, &unasked) == PacketCodec::ErrorInSequence);
    AnswerCheck::checkDecoded(codec, PacketCodec::ErrorInSequence, *unasked.constData());

    ScoutelContainer record;
    const int code = AnswerCheck::decodeAsAnswer(codec, datagram, record);
    AnswerCheck::checkDecoded(codec, code, *record.constData());

    return 0;
}
