#include "devicerows.h"

#include "devicerowcontent.h"
#include "memorynotes.h"

#include <QBrush>
#include <QCollator>
#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QItemSelection>
#include <QSet>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <array>
#include <optional>

// A device row: sorts by the numbers of the sort column where it has them,
// else by its text, and rows alike by MAC.
class DeviceRowItem : public QTreeWidgetItem
{
public:
    explicit DeviceRowItem(const QByteArray &deviceMac) : mac(deviceMac) {}

    bool operator<(const QTreeWidgetItem &other) const override;

    const QByteArray mac;
    std::array<std::optional<quint64>, DeviceColumnCount> order;
};

namespace {
constexpr qint64 RowSliceMs = 20;
const QColor FaultColour = QColor::fromRgba(DeviceRowContent::FaultRgb);

bool isFlagged(const QTreeWidgetItem *row)
{
    return DeviceRows::key(row) == DeviceRowContent::flaggedMac();
}

// Names read as people read them: "Safe 2" before "Safe 10", case aside.
const QCollator &textOrder()
{
    static const QCollator collator = [] {
        QCollator c;
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// Child rows keep the order they were written in, whatever the sort.
class ChildRow : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &) const override { return false; }
};

QTreeWidgetItem *childRow(const QString &label, const QString &value, bool warning)
{
    auto *child = new ChildRow(QStringList{label, value});
    child->setFlags(Qt::ItemIsEnabled);
    if (warning) {
        child->setBackground(ColumnMac, FaultColour);
        child->setBackground(ColumnLabel, FaultColour);
    }
    return child;
}
} // namespace

bool DeviceRowItem::operator<(const QTreeWidgetItem &other) const
{
    // The tree's top level holds device rows only.
    const auto &row = static_cast<const DeviceRowItem &>(other);
    const int column = treeWidget()->sortColumn();
    if (column > ColumnMac && column < DeviceColumnCount) {
        const std::optional<quint64> &mine = order[size_t(column)];
        const std::optional<quint64> &theirs = row.order[size_t(column)];
        if (mine && theirs && *mine != *theirs)
            return *mine < *theirs;
        if (!mine || !theirs) {
            if (const int byText = textOrder().compare(text(column), row.text(column)))
                return byText < 0;
        }
    }
    return mac < row.mac;
}

DeviceRows::DeviceRows(QTreeWidget *deviceTree, QObject *parent)
    : QObject(parent), tree(deviceTree), writer(new QTimer(this))
{
    writer->setInterval(0);
    connect(writer, &QTimer::timeout, this, [this] { writePending(RowSliceMs); });
}

void DeviceRows::show(const ScoutelContainer &record)
{
    if (!pending.contains(record->mac))
        pendingOrder.append(record->mac);
    pending.insert(record->mac, record);
    if (!writer->isActive())
        writer->start();
}

void DeviceRows::flush()
{
    writePending(-1);
}

void DeviceRows::writePending(qint64 budgetMs)
{
    QElapsedTimer slice;
    slice.start();
    const auto inBudget = [&] { return budgetMs < 0 || !slice.hasExpired(budgetMs); };
    while (!pendingOrder.isEmpty() && inBudget())
        write(pending.take(pendingOrder.takeFirst()));
    // Missing rows after the answers, also in slices: thousands at once stall the window.
    QList<QTreeWidgetItem *> added;
    while (!pendingMissing.isEmpty() && inBudget()) {
        const InventoryEntry entry = pendingMissing.takeLast();
        if (rowsByMac.contains(entry.mac) || missingRows.contains(entry.mac))
            continue;
        DeviceRowItem *row = missingRow(entry);
        missingRows.insert(entry.mac, row);
        added.append(row);
    }
    // One insertion for the view, not one per row.
    tree->addTopLevelItems(added);
    for (QTreeWidgetItem *row : std::as_const(added))
        applyFilter(row);
    keepSorted();
    if (pendingOrder.isEmpty() && pendingMissing.isEmpty())
        writer->stop();
    Q_EMIT written();
}

void DeviceRows::write(const ScoutelContainer &record)
{
    const QByteArray &mac = record->mac;
    DeviceRowItem *row = rowsByMac.value(mac);
    const bool isNew = !row;
    if (isNew)
        row = createRow(mac);
    else
        qDeleteAll(row->takeChildren());
    const DeviceRowContent content(record);
    applyColour(row, content);
    QList<QTreeWidgetItem *> children = writeCells(row, content);
    if (notes) {
        const QStringList remarks = notes(mac);
        for (const QString &remark : remarks)
            children.append(childRow(DeviceRowContent::warningLabel(), remark, false));
    }
    // All child rows go in at once: one insertion for the view, not one per row.
    row->addChildren(children);
    // A new row is complete before the view learns of it.
    if (isNew) {
        delete missingRows.take(mac); // its pending one, if any, is skipped
        tree->addTopLevelItem(row);
        rowsByMac.insert(mac, row);
    }
    if (applyFilter(row) && row->isSelected())
        row->setSelected(false);
}

void DeviceRows::removeStale(const QList<QByteArray> &stale)
{
    const QSet<QByteArray> gone(stale.cbegin(), stale.cend());
    for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) {
        const QByteArray mac = key(tree->topLevelItem(i));
        if (gone.contains(mac) && rowsByMac.value(mac) == tree->topLevelItem(i)) {
            rowsByMac.remove(mac);
            delete tree->takeTopLevelItem(i);
        }
    }
}

void DeviceRows::showMissing(const QList<InventoryEntry> &missing)
{
    QSet<QByteArray> wanted;
    for (const InventoryEntry &entry : missing) {
        if (!rowsByMac.contains(entry.mac))
            wanted.insert(entry.mac);
    }
    // Rows that stay are kept: each period would otherwise rebuild thousands.
    for (auto row = missingRows.begin(); row != missingRows.end();) {
        if (wanted.contains(row.key())) {
            ++row;
        } else {
            delete row.value();
            row = missingRows.erase(row);
        }
    }
    // Taken from the back: in the order given.
    pendingMissing.clear();
    for (auto entry = missing.crbegin(); entry != missing.crend(); ++entry) {
        if (wanted.contains(entry->mac) && !missingRows.contains(entry->mac))
            pendingMissing.append(*entry);
    }
    if (!pendingMissing.isEmpty() && !writer->isActive())
        writer->start();
}

DeviceRowItem *DeviceRows::missingRow(const InventoryEntry &entry) const
{
    DeviceRowItem *row = createRow(entry.mac);
    row->setFlags(Qt::ItemIsEnabled);
    const QString note = MemoryNotes::missing(entry.lastSeen);
    row->setData(ColumnMac, Qt::AccessibleDescriptionRole, note);
    QList<QTreeWidgetItem *> children{childRow(DeviceRowContent::warningLabel(), note, false)};
    const std::pair<int, const char *> cells[] = {{ColumnCurrentIp, "current_ip"},
                                                  {ColumnIpAddress, "ip_address"},
                                                  {ColumnName, "name"},
                                                  {ColumnInterface, "interface"}};
    const QTreeWidgetItem *header = tree->headerItem();
    for (const auto &[column, key] : cells) {
        const QString text = column == ColumnInterface
                                 ? entry.interfaceName
                                 : MemoryNotes::valueText(entry.values.value(QLatin1String(key)));
        row->setText(column, text);
        if (column != ColumnCurrentIp)
            children.append(childRow(header->text(column), text, false));
    }
    const QColor grey = tree->palette().color(QPalette::Disabled, QPalette::Text);
    for (int column = 0; column < DeviceColumnCount; ++column)
        row->setForeground(column, grey);
    row->addChildren(children);
    return row;
}

bool DeviceRows::isMissing(const QTreeWidgetItem *row) const
{
    return missingRows.value(key(row)) == row;
}

void DeviceRows::removeMissing(const QByteArray &mac)
{
    pendingMissing.removeIf([&mac](const InventoryEntry &entry) { return entry.mac == mac; });
    delete missingRows.take(mac);
}

void DeviceRows::clear()
{
    pendingMissing.clear();
    missingRows.clear();
    pending.clear();
    pendingOrder.clear();
    writer->stop();
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

int DeviceRows::shownCount() const
{
    return int(std::count_if(rowsByMac.begin(), rowsByMac.end(),
                             [](const QTreeWidgetItem *row) { return !row->isHidden(); }));
}

void DeviceRows::setFilter(const DeviceFilter &rowFilter)
{
    filter = rowFilter;
    // Hidden rows are unselected in runs: one by one, 2,000 of them would each
    // notify the view and the window.
    const QAbstractItemModel *model = tree->model();
    const int count = tree->topLevelItemCount();
    QItemSelection hidden;
    int runStart = -1;
    for (int i = 0; i <= count; ++i) {
        const bool hides = i < count && applyFilter(tree->topLevelItem(i));
        if (hides && runStart < 0)
            runStart = i;
        if (!hides && runStart >= 0) {
            hidden.select(model->index(runStart, 0), model->index(i - 1, DeviceColumnCount - 1));
            runStart = -1;
        }
    }
    tree->selectionModel()->select(hidden, QItemSelectionModel::Deselect);
}

bool DeviceRows::applyFilter(QTreeWidgetItem *row) const
{
    const bool hide = !filter.matches(row->text(ColumnName), key(row), row->text(ColumnCurrentIp),
                                      row->text(ColumnIpAddress));
    if (row->isHidden() != hide)
        row->setHidden(hide);
    return hide;
}

void DeviceRows::sortBy(int column, Qt::SortOrder order)
{
    sortColumn = column;
    sortOrder = order;
    tree->sortItems(column, order);
}

void DeviceRows::keepSorted()
{
    if (sortColumn < 0)
        return;
    // Checking the order costs one comparison a row; sorting is needed only
    // when a row came or its sort cell changed.
    for (int i = 1; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem &before = *tree->topLevelItem(i - 1);
        const QTreeWidgetItem &after = *tree->topLevelItem(i);
        if (sortOrder == Qt::AscendingOrder ? after < before : before < after) {
            tree->sortItems(sortColumn, sortOrder);
            return;
        }
    }
}

QByteArray DeviceRows::key(const QTreeWidgetItem *row)
{
    return row->data(ColumnMac, Qt::UserRole).toByteArray();
}

DeviceRowItem *DeviceRows::createRow(const QByteArray &mac) const
{
    auto *row = new DeviceRowItem(mac);
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

QList<QTreeWidgetItem *> DeviceRows::writeCells(DeviceRowItem *row,
                                                const DeviceRowContent &content) const
{
    const QTreeWidgetItem *header = tree->headerItem();
    QList<QTreeWidgetItem *> children;
    for (const DeviceCell &cell : content.cells()) {
        if (cell.column == WarningColumn) {
            children.append(childRow(DeviceRowContent::warningLabel(), cell.text, true));
            continue;
        }
        row->order[size_t(cell.column)] = cell.order;
        row->setText(cell.column, cell.text);
        if (cell.column != ColumnCurrentIp)
            children.append(childRow(header->text(cell.column), cell.text, false));
    }
    return children;
}
