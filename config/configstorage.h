#pragma once

#include "filecipher.h"

#include <QString>

// How configuration files are kept on disk: plain or encrypted, chosen by the name.
namespace ConfigStorage {
// True for names ending in ".xml" (case-sensitive); every other name means encrypted.
bool isPlain(const QString &fileName);
// A cipher set up for configuration files: their fixed key, CompressAlways, ProtectHash.
FileCipher cipher();
} // namespace ConfigStorage
