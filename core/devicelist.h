#pragma once

#include "scoutelcontainer.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// A list of devices for files and scripts, declared once for the window's
// export and the command line's --json. Texts from devices go out as sent.
namespace DeviceList {

// One device: keys as in configuration files; fields the device did not send
// are left out.
QJsonObject toJson(const ScoutelSharedData &record);
// An object on one line, for JSON Lines.
QByteArray jsonLine(const QJsonObject &object);
// Every device as one JSON array.
QByteArray json(const QList<ScoutelContainer> &records);
// RFC 4180 in UTF-8: a header row of the titles (one per DeviceColumn; the
// label column is left out) and Warnings, then the tree's texts for each device.
QByteArray csv(const QList<ScoutelContainer> &records, const QStringList &titles);

// Writes the list atomically, as JSON when the name ends in .json, else as CSV.
// Returns why it failed, or an empty text.
QString save(const QString &fileName, const QList<ScoutelContainer> &records,
             const QStringList &titles);

} // namespace DeviceList
