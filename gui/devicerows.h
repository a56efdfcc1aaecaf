#pragma once

#include "devicefilter.h"
#include "inventory.h"
#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class DeviceRowContent;
class DeviceRowItem;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// The device rows of the tree, found by MAC through a hash rather than by
// walking every row for each answer. Rows keep the order they came in until a
// sort is asked for; child rows always keep theirs.
class DeviceRows : public QObject
{
    Q_OBJECT

public:
    explicit DeviceRows(QTreeWidget *tree, QObject *parent = nullptr);

    // Creates the row of the record's device, or rebuilds its child rows, in
    // slices between which the window repaints and stays responsive; a device
    // answering twice before its turn is written once.
    void show(const ScoutelContainer &record);
    // Writes the rows still waiting now.
    void flush();
    // Removes the rows of these devices.
    void removeStale(const QList<QByteArray> &stale);
    void clear();
    // Remarks a device row carries beside its warnings, without their colour.
    void setNotes(std::function<QStringList(const QByteArray &)> notesOf)
    {
        notes = std::move(notesOf);
    }
    // Greyed rows that cannot be selected, for remembered devices that did not
    // answer; they replace the earlier ones and are written in slices.
    void showMissing(const QList<InventoryEntry> &missing);
    bool isMissing(const QTreeWidgetItem *row) const;
    int missingCount() const { return int(missingRows.size()); }
    // Removes the device's missing row, if it has one.
    void removeMissing(const QByteArray &mac);
    bool anyExpanded() const;
    // The rows of answering devices the filter shows.
    int shownCount() const;

    // Shows only the rows the filter matches, now and as rows come; a hidden
    // row is never selected.
    void setFilter(const DeviceFilter &rowFilter);
    // Orders the rows by this column from now on.
    void sortBy(int column, Qt::SortOrder order);
    // Puts rows that came or changed since in their place.
    void keepSorted();

    // The MAC bytes a device row carries.
    static QByteArray key(const QTreeWidgetItem *row);

Q_SIGNALS:
    // Waiting rows were written.
    void written();

private:
    // Writes waiting rows for at most budgetMs, or all of them when negative.
    void writePending(qint64 budgetMs);
    void write(const ScoutelContainer &record);
    DeviceRowItem *createRow(const QByteArray &mac) const;
    // A greyed row of a remembered device, with its last values.
    DeviceRowItem *missingRow(const InventoryEntry &entry) const;
    void applyColour(QTreeWidgetItem *row, const DeviceRowContent &content) const;
    // Hides or shows the row as the filter says; true when hidden.
    bool applyFilter(QTreeWidgetItem *row) const;
    QList<QTreeWidgetItem *> writeCells(DeviceRowItem *row, const DeviceRowContent &content) const;

    QTreeWidget *tree;
    QHash<QByteArray, DeviceRowItem *> rowsByMac;
    QHash<QByteArray, DeviceRowItem *> missingRows;
    QList<InventoryEntry> pendingMissing; // the next one last
    std::function<QStringList(const QByteArray &)> notes;
    QHash<QByteArray, ScoutelContainer> pending;
    QList<QByteArray> pendingOrder;
    QTimer *writer;
    DeviceFilter filter;
    int sortColumn = -1; // none: the order rows came in
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};
