#include "inventoryfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString setAside(const QString &path, const QString &why, InventoryFile::Loaded &loaded)
{
    const QString aside =
        path + QStringLiteral(".bad-") +
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddThhmmss"));
    if (QFile::rename(path, aside))
        return QCoreApplication::translate(
                   "Inventory",
                   "The device memory %1 could not be read (%2) and was moved to %3; a new one "
                   "is started.")
            .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(aside));
    loaded.writable = false;
    return QCoreApplication::translate(
               "Inventory",
               "The device memory %1 could not be read (%2) nor moved aside; it is left as it is "
               "and nothing is remembered this time.")
        .arg(QDir::toNativeSeparators(path), why);
}
QString write(const QString &path, const Inventory &inventory,
              const std::function<bool()> &beforeCommit)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, OwnerOnly | QFileDevice::ExeOwner))
        return QCoreApplication::translate("Inventory", "its folder could not be made private");
    const QByteArray content = inventory.toJson();
    QSaveFile file(path);
    // Flushed by hand: commit() does not notice a short write.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(OwnerOnly) ||
        file.write(content) != content.size() || !file.flush())
        return file.errorString();
    if (beforeCommit && !beforeCommit()) {
        file.cancelWriting();
        return QCoreApplication::translate("Inventory", "stopped before it was complete");
    }
    return file.commit() ? QString() : file.errorString();
}
} // namespace

QString InventoryFile::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/inventory.json");
}

InventoryFile::Loaded InventoryFile::load(const QString &path)
{
    Loaded loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    if (!file.open(QIODevice::ReadOnly)) {
        // Unreadable by permission is no damage: leave it for its owner to mend.
        loaded.writable = false;
        loaded.problem =
            QCoreApplication::translate("Inventory", "The device memory %1 could not be opened: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString());
        return loaded;
    }
    if (file.size() > MaxSize) {
        file.close();
        loaded.problem =
            setAside(path, QCoreApplication::translate("Inventory", "too large"), loaded);
        return loaded;
    }
    std::optional<Inventory> read = Inventory::fromJson(file.read(MaxSize + 1));
    file.close();
    if (read)
        loaded.inventory = std::move(*read);
    else
        loaded.problem = setAside(
            path, QCoreApplication::translate("Inventory", "damaged or of another version"),
            loaded);
    return loaded;
}

QString InventoryFile::save(const QString &path, const Inventory &inventory,
                            const std::function<bool()> &beforeCommit)
{
    const QString problem = write(path, inventory, beforeCommit);
    if (problem.isEmpty())
        return problem;
    return QCoreApplication::translate("Inventory", "The device memory %1 was not saved: %2")
        .arg(QDir::toNativeSeparators(path), problem);
}
