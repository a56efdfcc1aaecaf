#include "devicerows.h"

#include "devicerowcontent.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QTreeWidget>

namespace {
const QColor FaultColour = QColor::fromRgba(DeviceRowContent::FaultRgb);

bool isFlagged(const QTreeWidgetItem *row)
{
    return DeviceRows::key(row) == DeviceRowContent::flaggedMac();
}

QTreeWidgetItem *childRow(const QString &label, const QString &value, bool warning)
{
    auto *child = new QTreeWidgetItem(QStringList{label, value});
    child->setFlags(Qt::ItemIsEnabled);
    if (warning) {
        child->setBackground(ColumnMac, FaultColour);
        child->setBackground(ColumnLabel, FaultColour);
    }
    return child;
}
} // namespace

DeviceRows::DeviceRows(QTreeWidget *deviceTree) : tree(deviceTree) {}

void DeviceRows::show(const ScoutelContainer &record)
{
    const QByteArray &mac = record->mac;
    QTreeWidgetItem *row = rowsByMac.value(mac);
    const bool isNew = !row;
    if (isNew)
        row = createRow(mac);
    else
        qDeleteAll(row->takeChildren());
    const DeviceRowContent content(record);
    applyColour(row, content);
    // All child rows go in at once: one insertion for the view, not one per row.
    row->addChildren(writeCells(row, content));
    // A new row is complete before the view learns of it.
    if (isNew) {
        tree->addTopLevelItem(row);
        rowsByMac.insert(mac, row);
    }
}

void DeviceRows::removeStale(const QHash<QByteArray, ScoutelContainer> &devices)
{
    for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) {
        const QByteArray mac = key(tree->topLevelItem(i));
        const auto found = devices.constFind(mac);
        if (found != devices.constEnd() && found.value()->result == -1) {
            rowsByMac.remove(mac);
            delete tree->takeTopLevelItem(i);
        }
    }
}

void DeviceRows::clear()
{
    rowsByMac.clear();
    tree->clear();
}

bool DeviceRows::anyExpanded() const
{
    for (QTreeWidgetItem *row : rowsByMac) {
        if (row->isExpanded())
            return true;
    }
    return false;
}

QByteArray DeviceRows::key(const QTreeWidgetItem *row)
{
    return row->data(ColumnMac, Qt::UserRole).toByteArray();
}

QTreeWidgetItem *DeviceRows::createRow(const QByteArray &mac)
{
    auto *row = new QTreeWidgetItem;
    row->setText(ColumnMac, DeviceRowContent::macText(mac));
    row->setData(ColumnMac, Qt::UserRole, mac);
    if (mac == DeviceRowContent::flaggedMac()) {
        QFont font(QStringLiteral("Courier New"), 20, QFont::Bold, false);
        row->setFont(ColumnMac, font);
        row->setForeground(ColumnMac, QBrush(Qt::white));
        row->setBackground(ColumnMac, QBrush(Qt::red));
    }
    return row;
}

void DeviceRows::applyColour(QTreeWidgetItem *row, const DeviceRowContent &content) const
{
    if (content.faulty())
        row->setBackground(ColumnMac, FaultColour);
    else if (isFlagged(row))
        row->setBackground(ColumnMac, QBrush(Qt::red));
    else
        row->setData(ColumnMac, Qt::BackgroundRole, QVariant());
}

QList<QTreeWidgetItem *> DeviceRows::writeCells(QTreeWidgetItem *row,
                                                const DeviceRowContent &content) const
{
    const QTreeWidgetItem *header = tree->headerItem();
    QList<QTreeWidgetItem *> children;
    for (const DeviceCell &cell : content.cells()) {
        if (cell.column == WarningColumn) {
            children.append(childRow(DeviceRowContent::warningLabel(), cell.text, true));
            continue;
        }
        row->setText(cell.column, cell.text);
        if (cell.column != ColumnCurrentIp)
            children.append(childRow(header->text(cell.column), cell.text, false));
    }
    return children;
}
