#include "configstorage.h"

namespace {
// Two halves, so the key never sits in the binary as one constant.
constexpr quint32 KeyHigh = 0x5C07E1A9u;
constexpr quint32 KeyLow = 0x3D8B42F6u;

quint64 configFileKey()
{
    return (quint64(KeyHigh) << 32) | KeyLow;
}
} // namespace

bool ConfigStorage::isPlain(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".xml"), Qt::CaseSensitive);
}

FileCipher ConfigStorage::cipher()
{
    FileCipher cipher(configFileKey());
    cipher.setCompressionMode(FileCipher::CompressAlways);
    cipher.setProtectionMode(FileCipher::ProtectHash);
    return cipher;
}
