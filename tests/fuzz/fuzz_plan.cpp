// A site plan as someone hands it over, CSV or JSON Lines, previewed against
// three devices that the dialect fixtures name.
#include "devicelist.h"
#include "fuzzcheck.h"
#include "planfleet.h"
#include "planpreview.h"
#include "safeattributes.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const PlanReader::Plan plan = PlanReader::read(fuzzInput(data, size));
    FUZZ_CHECK(plan.rows.size() <= PlanReader::MaxRows);
    QSet<QByteArray> macs;
    for (const PlanReader::Row &row : plan.rows) {
        FUZZ_CHECK(row.mac.size() == 6 && !macs.contains(row.mac));
        macs.insert(row.mac);
        for (auto value = row.values.cbegin(); value != row.values.cend(); ++value) {
            FUZZ_CHECK(DeviceList::isConfigurable(value.key()) && !value->isEmpty());
            FUZZ_CHECK(value.key() != SafeAttribute::Dhcp || *value == SafeAttribute::True ||
                       *value == SafeAttribute::False);
        }
    }
    const QList<ScoutelContainer> devices = planFleet(3);
    const PlanPreview preview(plan, devices);
    const QList<ScoutelContainer> targets = preview.targets(QString(), preview.changing());
    if (!preview.problems().isEmpty())
        return 0;
    // An accepted plan never leaves two devices with one static address.
    QHash<QByteArray, quint32> address;
    for (const ScoutelContainer &device : devices)
        address.insert(device->mac, device->ipAddress.toIPv4Address());
    for (const ScoutelContainer &target : targets) {
        if (target->sendFields & FieldIpAddress)
            address.insert(target->mac, target->dhcp ? 0 : target->ipAddress.toIPv4Address());
    }
    QList<quint32> held = address.values();
    held.removeAll(0);
    FUZZ_CHECK(QSet<quint32>(held.begin(), held.end()).size() == held.size());
    return 0;
}
