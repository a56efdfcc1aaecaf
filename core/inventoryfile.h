#pragma once

#include "inventory.h"

#include <QString>

#include <functional>

// inventory.json in the program's data folder, shared by both modes. Private
// to its user; replaced whole or not at all. A file that cannot be read is
// moved aside, never written over.
namespace InventoryFile {

// Larger than any site's memory; a larger file is not read.
constexpr qint64 MaxSize = 64 * 1024 * 1024;

QString defaultPath();

struct Loaded
{
    Inventory inventory;
    // Why the file was set aside, once; empty when it was read or absent.
    QString problem;
    // False when an unreadable file could not be moved aside: it stays as it is.
    bool writable = true;
};

Loaded load(const QString &path);

// Writes the whole inventory through a temporary file; beforeCommit, when
// given, may stop the save between the write and the rename. Returns why the
// save failed, or an empty text.
QString save(const QString &path, const Inventory &inventory,
             const std::function<bool()> &beforeCommit = {});

} // namespace InventoryFile
