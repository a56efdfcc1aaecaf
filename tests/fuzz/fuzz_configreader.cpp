// A plain configuration file as someone hands it over.
#include "configcheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray document = fuzzInput(data, size);
    checkConfigRead(readConfigBytes(document, false), document);
    return 0;
}
