#pragma once

#include "fieldtable.h"
#include "scoutelcontainer.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

// A list of devices for files and scripts, declared once for the window's
// export and the command line's --json. Texts from devices go out as sent.
namespace DeviceList {

// A field's value as lists and logs write it; null for kinds they leave out.
QJsonValue fieldValue(const FieldTable::Field &field, const ScoutelSharedData &record);
// One device: keys as in configuration files; fields the device did not send
// are left out.
QJsonObject toJson(const ScoutelSharedData &record);
// An object on one line, for JSON Lines.
QByteArray jsonLine(const QJsonObject &object);
// A scalar of toJson as a cell holds it: texts as they are, whole numbers in
// decimal, true or false; empty for anything else.
QString cellOf(const QJsonValue &value);
// Every key an object of toJson may hold.
const QStringList &keys();
// The keys a plan may set; the list's other keys only inform.
bool isConfigurable(const QString &key);
// Each column of an exported list: its title as the window's header writes
// it (untranslated, context "Scoutel") and the key of the same field.
struct Column
{
    const char *title;
    QString key;
};
const QList<Column> &columns();
// A cell a spreadsheet would run as a formula, or one the plan reader would
// otherwise strip, gets an apostrophe in front; unguardedCell drops exactly it.
QString guardedCell(const QString &text);
QString unguardedCell(const QString &cell);
// Every device as one JSON array.
QByteArray json(const QList<ScoutelContainer> &records);
// RFC 4180 in UTF-8: a header row of the titles (one per DeviceColumn; the
// label column is left out) and Warnings, then the tree's texts for each
// device, each cell guarded against formulas.
QByteArray csv(const QList<ScoutelContainer> &records, const QStringList &titles);

// One RFC 4180 row in UTF-8, ending with CR LF.
QByteArray csvLine(const QStringList &fields);

// Writes the list atomically, as JSON when the name ends in .json, else as CSV.
// Returns why it failed, or an empty text.
QString save(const QString &fileName, const QList<ScoutelContainer> &records,
             const QStringList &titles);

// Writes content atomically; returns why it failed, or an empty text.
QString write(const QString &fileName, const QByteArray &content);

} // namespace DeviceList
