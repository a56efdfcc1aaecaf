#pragma once

#include "configreader.h"
#include "fieldrules.h"
#include "fuzzcheck.h"
#include "safeattributes.h"

// What every reading of a configuration file must give, whatever the file held.
inline void checkConfigRead(const ConfigReadResult &result, const QByteArray &document)
{
    // A failure always has a message to show.
    FUZZ_CHECK(result.failed() == !result.error.text.isEmpty());
    // Each safe needs an element of its own in the document.
    FUZZ_CHECK(result.safes.size() <= document.count("safe"));
    for (const SafeEntry &safe : result.safes) {
        FUZZ_CHECK(safe.mac ==
                   QByteArray::fromHex(safe.value(SafeAttribute::MacAddress).toLatin1()));
        for (const QString &name :
             {SafeAttribute::TcpPort, SafeAttribute::AuxPort, SafeAttribute::SessionMinutes})
            FUZZ_CHECK(!safe.has(name) || FieldRules::isNumberInRange(safe.value(name), 65535, 0));
    }
}
