#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A site plan: one row per device, keyed by its MAC, with the values it is to
// take. Read from a CSV in the dialects spreadsheets write or from JSON Lines;
// the columns are the device list's keys or the window's column titles in any
// shipped language. Only the list's configurable columns count; a column the
// list does not write is refused by name, and a password never gets in.
namespace PlanReader {

struct Row
{
    int number; // as a spreadsheet numbers it (the header is row 1), or the JSON line
    QByteArray mac;
    // Configurable key -> value; an empty cell is left out (unchanged). DHCP
    // reads as "true" or "false".
    QMap<QString, QString> values;
};

struct Plan
{
    QList<Row> rows;
    // Every problem of the file, in order; values of password columns never appear.
    QStringList problems;
    // Key -> the column as the file names it, for messages.
    QMap<QString, QString> columns;

    QString columnName(const QString &key) const { return columns.value(key, key); }
    // "row 14 (02-53-43-00-00-0E)"
    static QString rowLabel(const Row &row);
};

// Larger files and more rows are refused before anything is read.
inline constexpr qint64 MaxBytes = 8 * 1024 * 1024;
inline constexpr int MaxRows = 20000;

Plan read(const QByteArray &bytes);
Plan readFile(const QString &fileName);

} // namespace PlanReader
