#include "filecipher.h"

#include "boundeduncompress.h"

#include <QCryptographicHash>
#include <QtEndian>

namespace {
constexpr char Version = 0x03;
constexpr qsizetype HeaderLength = 2;
constexpr char FlagCompressed = 0x01;
constexpr char FlagChecksum = 0x02;
constexpr char FlagHash = 0x04;
constexpr qsizetype ChecksumLength = 2;
constexpr qsizetype HashLength = 20;
constexpr int CompressionLevel = 9;

QByteArray checksumBytes(const QByteArray &data)
{
    char bytes[ChecksumLength];
    qToBigEndian<quint16>(qChecksum(data), bytes);
    return QByteArray(bytes, ChecksumLength);
}

QByteArray hashBytes(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha1);
}

// Checks and strips the integrity bytes in front of rest.
bool stripIntegrity(QByteArray &rest, qsizetype length, QByteArray (*compute)(const QByteArray &))
{
    if (rest.size() < length)
        return false;
    const QByteArray stored = rest.left(length);
    rest.remove(0, length);
    return stored == compute(rest);
}
} // namespace

FileCipher::FileCipher() : random(QRandomGenerator::global()->generate()) {}

FileCipher::FileCipher(quint64 key) : FileCipher()
{
    setKey(key);
}

void FileCipher::setKey(quint64 key)
{
    keyParts.resize(8);
    for (int i = 0; i < 8; ++i)
        keyParts[i] = char((key >> (8 * i)) & 0xFF);
}

bool FileCipher::requireKey()
{
    if (!keyParts.isEmpty())
        return true;
    qWarning("No key set.");
    error = ErrorNoKey;
    return false;
}

QByteArray FileCipher::encrypt(const QByteArray &plain)
{
    if (!requireKey())
        return {};

    char flags = 0;
    QByteArray data = plain;
    if (compressionMode != CompressNever) {
        const QByteArray compressed = qCompress(plain, CompressionLevel);
        if (compressionMode == CompressAlways || compressed.size() < plain.size()) {
            data = compressed;
            flags |= FlagCompressed;
        }
    }

    QByteArray body(1, char(random.generate() & 0xFF));
    body += protect(data, flags);
    body += data;
    encipher(body);

    error = ErrorNone;
    return QByteArray(1, Version) + flags + body;
}

QByteArray FileCipher::decrypt(const QByteArray &cipher)
{
    if (!requireKey())
        return {};
    if (cipher.isEmpty() || cipher.at(0) != Version) {
        error = ErrorVersion;
        qWarning("Invalid version or not a cyphertext.");
        return {};
    }
    // A real cipher text has at least the flags byte and the random byte.
    if (cipher.size() < HeaderLength + 1) {
        error = ErrorIntegrity;
        return {};
    }

    const char flags = cipher.at(1);
    QByteArray rest = cipher.mid(HeaderLength);
    decipher(rest);
    rest.remove(0, 1);
    if (!verify(flags, rest)) {
        error = ErrorIntegrity;
        return {};
    }
    if (flags & FlagCompressed)
        rest = boundedUncompress(rest, MaxUncompressedSize);

    error = ErrorNone;
    return rest;
}

QByteArray FileCipher::protect(const QByteArray &data, char &flags) const
{
    switch (protectionMode) {
    case ProtectChecksum:
        flags |= FlagChecksum;
        return checksumBytes(data);
    case ProtectHash:
        flags |= FlagHash;
        return hashBytes(data);
    case ProtectNone:
        break;
    }
    return {};
}

bool FileCipher::verify(char flags, QByteArray &rest) const
{
    if (flags & FlagChecksum)
        return stripIntegrity(rest, ChecksumLength, checksumBytes);
    if (flags & FlagHash)
        return stripIntegrity(rest, HashLength, hashBytes);
    return true;
}

void FileCipher::encipher(QByteArray &body) const
{
    char last = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        body[i] = char(body.at(i) ^ keyParts.at(i % 8) ^ last);
        last = body.at(i);
    }
}

void FileCipher::decipher(QByteArray &body) const
{
    char last = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char enciphered = body.at(i);
        body[i] = char(enciphered ^ keyParts.at(i % 8) ^ last);
        last = enciphered;
    }
}
