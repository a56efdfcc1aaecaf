#pragma once

#include "inventory.h"
#include "operationrecord.h"
#include "scoutelcontainer.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class ConfigurationOperation;
class DeviceSearch;

// The inventory beside a search and an operation, for both modes: every
// answer goes into it, every search's networks judge what is missing, a
// confirmed configuration is the program's own change, and the file is
// written at most once per search period and when the memory goes.
class DeviceMemory : public QObject
{
    Q_OBJECT

public:
    DeviceMemory(DeviceSearch *search, ConfigurationOperation *operation, const QString &path,
                 QObject *parent = nullptr);
    ~DeviceMemory() override;

    // The interface the searches go through: the networks of a chosen one
    // count as reached even when none of their devices answers.
    void setInterfaceChoice(std::function<int()> choice) { interfaceIndex = std::move(choice); }

    // Reads the file once; later calls do nothing.
    void load();
    // Writes the file when the memory changed since it was read or saved.
    void saveIfChanged();

    const Inventory &inventory();
    // What this memory saw of a device since it was created: new, changed.
    Sighting noted(const QByteArray &mac) const { return notes.value(mac); }
    bool forget(const QByteArray &mac);

Q_SIGNALS:
    // The file could not be read or written: told once for each failure.
    void fileProblem(const QString &text);

private:
    void searchStarted();
    void answered(const ScoutelContainer &record, bool first);
    void confirmed(const OperationRecord &record);
    // Saves when needed; returns a problem not told before.
    QString write();

    QString path;
    std::function<int()> interfaceIndex;
    Inventory memory;
    QHash<QByteArray, Sighting> notes;
    bool loaded = false;
    bool writable = true;
    bool saveFailed = false;
};
