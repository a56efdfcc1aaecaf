#include "devicememory.h"

#include "configurationoperation.h"
#include "devicesearch.h"
#include "inventoryfile.h"
#include "networkinterfaces.h"

#include <QDateTime>
#include <QDebug>
#include <QTimer>

DeviceMemory::DeviceMemory(DeviceSearch *search, ConfigurationOperation *configuration,
                           const QString &file, QObject *parent)
    : QObject(parent), path(file),
      interfaceIndex([] { return int(NetworkInterfaces::SystemChoice); })
{
    connect(search, &DeviceSearch::started, this, &DeviceMemory::searchStarted);
    connect(search, &DeviceSearch::answered, this, &DeviceMemory::answered);
    // Saved in an event of its own: the rows of the period's end come first.
    connect(search, &DeviceSearch::finished, this,
            [this] { QTimer::singleShot(0, this, &DeviceMemory::saveIfChanged); });
    connect(configuration, &ConfigurationOperation::finished, this, &DeviceMemory::confirmed);
    // A late confirmation is the program's own change too.
    connect(configuration, &ConfigurationOperation::recordUpdated, this, &DeviceMemory::confirmed);
}

DeviceMemory::~DeviceMemory()
{
    // No one is left to tell but the debug output.
    if (const QString problem = write(); !problem.isEmpty())
        qDebug().noquote() << problem;
}

void DeviceMemory::load()
{
    if (std::exchange(loaded, true))
        return;
    InventoryFile::Loaded file = InventoryFile::load(path);
    memory = std::move(file.inventory);
    writable = file.writable;
    if (!file.problem.isEmpty())
        Q_EMIT fileProblem(file.problem);
}

void DeviceMemory::saveIfChanged()
{
    if (const QString problem = write(); !problem.isEmpty())
        Q_EMIT fileProblem(problem);
}

QString DeviceMemory::write()
{
    if (!loaded || !writable || !memory.isDirty())
        return QString();
    const QString problem = InventoryFile::save(path, memory);
    if (problem.isEmpty())
        memory.markSaved();
    // Told once: a search every period would tell it again and again.
    if (problem.isEmpty() || std::exchange(saveFailed, true))
        return QString();
    return problem;
}

const Inventory &DeviceMemory::inventory()
{
    load();
    return memory;
}

bool DeviceMemory::forget(const QByteArray &mac)
{
    load();
    notes.remove(mac);
    return memory.forget(mac);
}

void DeviceMemory::searchStarted()
{
    load();
    memory.beginSearch();
    const int index = interfaceIndex();
    for (const QNetworkInterface &interface : NetworkInterfaces::usable()) {
        if (index != NetworkInterfaces::All && interface.index() != index)
            continue;
        for (const QPair<QHostAddress, int> &subnet : NetworkInterfaces::subnetsOf(interface)) {
            if (subnet.first.protocol() == QAbstractSocket::IPv4Protocol)
                memory.addReached(Inventory::networkText(subnet.first, subnet.second));
        }
    }
}

void DeviceMemory::answered(const ScoutelContainer &record, bool first)
{
    // A device heard on two interfaces would seem to move back and forth.
    if (!first)
        return;
    load();
    const Sighting seen = memory.see(*record.constData(), QDateTime::currentMSecsSinceEpoch());
    Sighting &note = notes[record->mac];
    note.firstSeen = note.firstSeen || seen.firstSeen;
    note.markedNew = note.markedNew || seen.markedNew;
    if (!seen.changes.isEmpty()) {
        note.changes = seen.changes;
        note.since = seen.since;
    }
}

void DeviceMemory::confirmed(const OperationRecord &record)
{
    // The one place that reads the outcome of an operation for the memory.
    for (const TargetOutcome &outcome : record.outcomes) {
        if (outcome.confirmed())
            memory.noteOwnChange(outcome.mac(), Inventory::valuesSent(*outcome.target.constData()));
    }
}
