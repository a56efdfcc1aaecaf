#pragma once

#include <QByteArray>
#include <QRandomGenerator>

// Enciphers byte arrays with a 64-bit key, optional compression and an integrity
// check; the encrypted form of configuration files.
class FileCipher
{
public:
    enum CompressionMode { CompressAuto = 0, CompressAlways = 1, CompressNever = 2 };
    enum ProtectionMode { ProtectNone = 0, ProtectChecksum = 1, ProtectHash = 2 };
    enum Error { ErrorNone = 0, ErrorNoKey = 1, ErrorVersion = 2, ErrorIntegrity = 3 };

    // Largest plain text decrypt will unpack; larger compressed data counts as damaged.
    static constexpr qsizetype MaxUncompressedSize = 16 * 1024 * 1024;

    // No key yet. The random first byte of each body comes from a generator of
    // the cipher's own, so files never disturb the protocol's sequence numbers.
    FileCipher();
    // As above, then setKey(key).
    explicit FileCipher(quint64 key);

    // Stores the key and splits it into its eight bytes, least significant first.
    void setKey(quint64 key);
    void setCompressionMode(CompressionMode mode) { compressionMode = mode; }
    void setProtectionMode(ProtectionMode mode) { protectionMode = mode; }
    // Makes the random bytes, and so the output, repeatable.
    void seedRandom(quint32 seed) { random.seed(seed); }

    // Version byte, flags byte, then the enciphered body; empty without a key.
    QByteArray encrypt(const QByteArray &plain);
    // The plain text back; empty on any failure, with lastError() telling which.
    QByteArray decrypt(const QByteArray &cipher);
    // One of Error, set by every encrypt and decrypt.
    int lastError() const { return error; }

private:
    bool requireKey();
    QByteArray protect(const QByteArray &data, char &flags) const;
    bool verify(char flags, QByteArray &rest) const;
    void encipher(QByteArray &body) const;
    void decipher(QByteArray &body) const;

    QRandomGenerator random;
    QByteArray keyParts;
    CompressionMode compressionMode = CompressAuto;
    ProtectionMode protectionMode = ProtectChecksum;
    Error error = ErrorNone;
};
