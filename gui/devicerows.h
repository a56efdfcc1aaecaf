#pragma once

#include "devicefilter.h"
#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>

class DeviceRowContent;
class DeviceRowItem;
class QTreeWidget;
class QTreeWidgetItem;

// The device rows of the tree, found by MAC through a hash rather than by
// walking every row for each answer. Rows keep the order they came in until a
// sort is asked for; child rows always keep theirs.
class DeviceRows
{
public:
    explicit DeviceRows(QTreeWidget *tree);

    // Creates the row of the record's device, or rebuilds its child rows.
    void show(const ScoutelContainer &record);
    // Removes the rows whose device has result -1 in devices.
    void removeStale(const QHash<QByteArray, ScoutelContainer> &devices);
    void clear();
    bool anyExpanded() const;
    // The device rows the filter shows.
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

private:
    DeviceRowItem *createRow(const QByteArray &mac);
    void applyColour(QTreeWidgetItem *row, const DeviceRowContent &content) const;
    // Hides or shows the row as the filter says; true when hidden.
    bool applyFilter(QTreeWidgetItem *row) const;
    QList<QTreeWidgetItem *> writeCells(DeviceRowItem *row, const DeviceRowContent &content) const;

    QTreeWidget *tree;
    QHash<QByteArray, DeviceRowItem *> rowsByMac;
    DeviceFilter filter;
    int sortColumn = -1; // none: the order rows came in
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};
