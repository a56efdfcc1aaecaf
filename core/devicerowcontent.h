#pragma once

#include "scoutelcontainer.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The columns of the device tree.
enum DeviceColumn : int {
    ColumnMac,
    ColumnLabel,
    ColumnCurrentIp,
    ColumnIpAddress,
    ColumnSubnetMask,
    ColumnGateway,
    ColumnDns,
    ColumnDhcp,
    ColumnMainPort,
    ColumnAuxPort,
    ColumnHttpPort,
    ColumnName,
    ColumnHwName,
    ColumnHwVersion,
    ColumnUpTime,
    ColumnBusOnewire,
    ColumnBusRs485,
    ColumnBusTcp,
    ColumnInterface,
    DeviceColumnCount,
    // A cell with this column is a warning: it has no cell in the device row.
    WarningColumn = -1,
};

struct DeviceCell
{
    int column;
    QString text;
    // Rows sort by this number when the column has one (addresses, ports,
    // versions, up time), else by the text.
    std::optional<quint64> order = std::nullopt;

    bool operator==(const DeviceCell &other) const
    {
        return column == other.column && text == other.text && order == other.order;
    }
};

// Who reads the cells: a row of the tree, or an exported list.
enum class CellUse {
    Row,    // texts from a device kept on one line
    Export, // texts as the device sent them, and the DNS the rows leave out
};

// What the device tree shows for one device record, without any widget: the
// cells to write in order (warnings last), and whether the MAC cell carries
// the fault colour. Its texts belong to the window's translation context.
class DeviceRowContent
{
public:
    explicit DeviceRowContent(const ScoutelContainer &record, CellUse use = CellUse::Row);

    static constexpr quint32 FaultRgb = 0xFFB6FF00; // opaque RGB 182, 255, 0
    // The one device whose row stands out in red with a large white MAC.
    static QByteArray flaggedMac();
    // "00-11-22-33-44-AB".
    static QString macText(const QByteArray &mac);
    // The reported status bits, plus the DHCP or conflict bit a device implies
    // by answering from 169.255.255.254.
    static quint32 statusWord(const ScoutelSharedData &record);
    // Every warning of a device: those of its status word, then the network
    // it answered from outside of.
    static QStringList warnings(const ScoutelSharedData &record);
    // The device answered through an interface whose networks do not hold
    // its address: it answers multicast, but TCP cannot reach it without a route.
    static bool outsideArrivalNetwork(const ScoutelSharedData &record);
    static QString versionText(qint32 major, qint32 minor);
    static QString warningLabel();
    // Control, format and line-breaking characters become U+FFFD, so a text
    // field from a device cannot break a row's layout or its direction.
    static QString cellText(const QString &fromDevice);
    // http://ADDRESS:PORT/ of the address the device answered from; empty
    // when the device has no HTTP port.
    static QUrl webPage(const ScoutelSharedData &record);

    quint32 status() const { return statusBits; }
    bool faulty() const { return statusBits != 0 || outside; }
    const QList<DeviceCell> &cells() const { return cellList; }

private:
    void add(int column, const QString &text, std::optional<quint64> order = std::nullopt);
    void addAddress(int column, const QHostAddress &address);
    void addNumber(int column, quint64 number);

    quint32 statusBits;
    bool outside;
    QList<DeviceCell> cellList;
};
