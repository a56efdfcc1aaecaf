// The device memory's file as it may be found: damaged, edited or hostile.
#include "fuzzcheck.h"
#include "inventory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<Inventory> read = Inventory::fromJson(fuzzInput(data, size));
    if (!read)
        return 0;
    // What was read is written back whole, and reads again as the same.
    const QByteArray written = read->toJson();
    const std::optional<Inventory> again = Inventory::fromJson(written);
    FUZZ_CHECK(again && again->size() == read->size() && again->toJson() == written);
    return 0;
}
