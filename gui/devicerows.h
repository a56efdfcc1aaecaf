#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>

class DeviceRowContent;
class QTreeWidget;
class QTreeWidgetItem;

// The device rows of the tree, found by MAC through a hash rather than by
// walking every row for each answer.
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

    // The MAC bytes a device row carries.
    static QByteArray key(const QTreeWidgetItem *row);

private:
    QTreeWidgetItem *createRow(const QByteArray &mac);
    void applyColour(QTreeWidgetItem *row, const DeviceRowContent &content) const;
    QList<QTreeWidgetItem *> writeCells(QTreeWidgetItem *row,
                                        const DeviceRowContent &content) const;

    QTreeWidget *tree;
    QHash<QByteArray, QTreeWidgetItem *> rowsByMac;
};
