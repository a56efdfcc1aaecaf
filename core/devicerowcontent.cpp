#include "devicerowcontent.h"

#include "hextext.h"

#include <algorithm>

namespace {
// The address a device answers from when DHCP failed or its address is in conflict.
const QHostAddress FallbackSender(QStringLiteral("169.255.255.254"));

enum StatusBit : quint32 {
    StatusMemoryLow = 0x002,
    StatusCableDisconnected = 0x004,
    StatusDhcpFailed = 0x010,
    StatusDhcpResolved = 0x020,
    StatusIpConflict = 0x040,
    StatusIpConflictResolved = 0x080,
    StatusTooManyConnections = 0x100,
    StatusOtherBits = 0xFFFFFE09,
};

QString busText(const quint32 (&values)[3])
{
    return QCoreApplication::translate("Scoutel", "%1 %2 %3")
        .arg(values[0])
        .arg(values[1])
        .arg(values[2]);
}

bool isUnsafeForRow(QChar c)
{
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}
} // namespace

DeviceRowContent::DeviceRowContent(const ScoutelContainer &record, CellUse use)
    : statusBits(statusWord(*record.constData())),
      outside(outsideArrivalNetwork(*record.constData()))
{
    const ScoutelSharedData &r = *record.constData();
    const auto fromDevice = [use](const QString &text) {
        return use == CellUse::Row ? cellText(text) : text;
    };
    addAddress(ColumnCurrentIp, r.sender);
    addAddress(ColumnIpAddress, r.ipAddress);
    addAddress(ColumnSubnetMask, r.subnetMask);
    addAddress(ColumnGateway, r.gateway);
    if (use == CellUse::Export)
        addAddress(ColumnDns, r.dns);
    add(ColumnDhcp, r.dhcp != 0 ? QCoreApplication::translate("Scoutel", "On")
                                : QCoreApplication::translate("Scoutel", "Off"));
    addNumber(ColumnMainPort, quint64(r.mainPort));
    addNumber(ColumnAuxPort, quint64(r.auxPort));
    if (r.presentFields & FieldHttpPort)
        addNumber(ColumnHttpPort, quint64(r.httpPort));
    add(ColumnName, fromDevice(r.name));
    add(ColumnHwName, fromDevice(r.hwName));
    // Both parts are single bytes on the wire.
    add(ColumnHwVersion, versionText(r.hwVersionMajor, r.hwVersionMinor),
        quint64(r.hwVersionMajor) << 8 | quint64(r.hwVersionMinor));
    if (r.presentFields & FieldUpTime) {
        addNumber(ColumnUpTime, r.upTime);
        add(ColumnBusOnewire, busText(r.busOnewire));
        add(ColumnBusRs485, busText(r.busRs485));
        add(ColumnBusTcp, busText(r.busTcp));
    }
    if (!r.interfaceName.isEmpty())
        add(ColumnInterface, r.interfaceName);
    const QStringList texts = warnings(r);
    for (const QString &text : texts)
        add(WarningColumn, text);
}

QByteArray DeviceRowContent::flaggedMac()
{
    return QByteArray::fromHex("00409D433597");
}

QString DeviceRowContent::macText(const QByteArray &mac)
{
    return hexText(mac).replace(QLatin1Char(' '), QLatin1Char('-'));
}

quint32 DeviceRowContent::statusWord(const ScoutelSharedData &record)
{
    quint32 status = record.statusFlags;
    if (record.sender == FallbackSender)
        status |= record.dhcp != 0 ? StatusDhcpFailed : StatusIpConflict;
    return status;
}

QStringList DeviceRowContent::warnings(const ScoutelSharedData &record)
{
    const quint32 status = statusWord(record);
    QStringList texts;
    if (status & StatusMemoryLow)
        texts << QCoreApplication::translate("Scoutel", "Memory was low");
    if (status & StatusCableDisconnected)
        texts << QCoreApplication::translate("Scoutel", "Cable was disconnected");
    if (status & StatusDhcpFailed)
        texts << (status & StatusDhcpResolved
                      ? QCoreApplication::translate("Scoutel", "DHCP error resolved")
                      : QCoreApplication::translate("Scoutel", "DHCP failed"));
    if (status & StatusIpConflict) {
        texts << (status & StatusIpConflictResolved
                      ? QCoreApplication::translate("Scoutel", "IP address conflict resolved")
                      : QCoreApplication::translate("Scoutel", "IP address in conflict"));
    }
    if (status & StatusTooManyConnections)
        texts << QCoreApplication::translate("Scoutel", "Too many TCP connections");
    if (status & StatusOtherBits)
        texts << QCoreApplication::translate("Scoutel", "Error 0x%1")
                     .arg(status & StatusOtherBits, 4, 16, QLatin1Char('0'));
    if (outsideArrivalNetwork(record))
        texts << QCoreApplication::translate("Scoutel", "Not in the network of %1")
                     .arg(record.interfaceName);
    return texts;
}

bool DeviceRowContent::outsideArrivalNetwork(const ScoutelSharedData &record)
{
    // An interface gone before its answer was read tells nothing.
    if (record.interfaceIndex <= 0 || record.interfaceName.isEmpty())
        return false;
    return std::none_of(
        record.interfaceSubnets.begin(), record.interfaceSubnets.end(),
        [&](const QPair<QHostAddress, int> &subnet) { return record.sender.isInSubnet(subnet); });
}

QString DeviceRowContent::versionText(qint32 major, qint32 minor)
{
    return QCoreApplication::translate("Scoutel", "v %1.%2")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'));
}

QString DeviceRowContent::warningLabel()
{
    return QCoreApplication::translate("Scoutel", "Warning:");
}

QString DeviceRowContent::cellText(const QString &fromDevice)
{
    QString text = fromDevice;
    for (QChar &c : text) {
        if (isUnsafeForRow(c))
            c = QChar::ReplacementCharacter;
    }
    return text;
}

QUrl DeviceRowContent::webPage(const ScoutelSharedData &record)
{
    if (!(record.presentFields & FieldHttpPort) || record.httpPort == 0)
        return QUrl();
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(record.sender.toString());
    url.setPort(record.httpPort);
    url.setPath(QStringLiteral("/"));
    return url;
}

void DeviceRowContent::add(int column, const QString &text, std::optional<quint64> order)
{
    cellList.append(DeviceCell{column, text, order});
}

void DeviceRowContent::addAddress(int column, const QHostAddress &address)
{
    add(column, address.toString(), address.toIPv4Address());
}

void DeviceRowContent::addNumber(int column, quint64 number)
{
    add(column, QString::number(number), number);
}
