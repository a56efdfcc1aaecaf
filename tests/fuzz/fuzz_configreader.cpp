// A plain configuration file as someone hands it over.
#include "configcheck.h"
#include "fuzzcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput::silenceQt();
    const QByteArray document = FuzzInput::bytes(data, size);
    checkConfigRead(readConfigBytes(document, false), document);
    return 0;
}
