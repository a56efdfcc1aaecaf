#include "configcheck.h"

#include "fieldrules.h"
#include "fuzzcheck.h"
#include "safeattributes.h"

void checkConfigRead(const ConfigReadResult &result, const QByteArray &document)
{
    // A failure always has a message to show; its title is the import's or none.
    FUZZ_CHECK(result.failed() == !result.error.text.isEmpty());
    FUZZ_CHECK(result.error.title.isEmpty() || result.error.title == QLatin1String("XML import"));
    // Each safe needs an element of its own in the document.
    FUZZ_CHECK(result.safes.size() <= document.count("safe"));
    for (qsizetype i = 0; i < result.safes.size(); ++i) {
        const SafeEntry &safe = result.safes.at(i);
        FUZZ_CHECK(safe.mac ==
                   QByteArray::fromHex(safe.value(SafeAttribute::MacAddress).toLatin1()));
        // A first safe for any device is the only one read; a later one matches no device.
        FUZZ_CHECK(!safe.mac.isEmpty() || i > 0 || result.safes.size() == 1);
        for (const QString &name :
             {SafeAttribute::TcpPort, SafeAttribute::AuxPort, SafeAttribute::SessionMinutes})
            FUZZ_CHECK(!safe.has(name) || FieldRules::isNumberInRange(safe.value(name), 65535, 0));
    }
}
