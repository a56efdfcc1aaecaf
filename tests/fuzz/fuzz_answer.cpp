// An answer as the client receives it from the network.
#include "answercheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray datagram = fuzzInput(data, size);
    PacketCodec codec;
    ScoutelContainer unasked;
    // Before any request, nothing is an answer.
    FUZZ_CHECK(codec.decode(datagram, &unasked) == PacketCodec::ErrorInSequence);
    ScoutelContainer record;
    decodeAnswer(codec, datagram, record);
    return 0;
}
