// An encrypted configuration file: decrypted as a hostile file; taken as the
// plain text of a file this program wrote, encrypted with settings the first
// byte picks, which must decrypt to it; and handed to the bounded decompression.
#include "boundeduncompress.h"
#include "configcheck.h"
#include "configstorage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = fuzzInput(data, size);
    FileCipher cipher = ConfigStorage::cipher();
    const QByteArray plain = cipher.decrypt(input);
    // A failed decryption gives nothing that could be read on.
    FUZZ_CHECK(plain.size() <= FileCipher::MaxUncompressedSize &&
               (cipher.lastError() == FileCipher::ErrorNone || plain.isEmpty()));
    checkConfigRead(readConfigBytes(input, true), plain);

    if (!input.isEmpty()) {
        const auto mode = quint8(input.at(0));
        FileCipher writer = ConfigStorage::cipher();
        writer.setCompressionMode(FileCipher::CompressionMode(mode % 3));
        writer.setProtectionMode(FileCipher::ProtectionMode(mode / 3 % 3));
        writer.seedRandom(mode);
        FUZZ_CHECK(ConfigStorage::cipher().decrypt(writer.encrypt(input.mid(1))) == input.mid(1));
    }
    // Small enough a limit that qUncompress may serve as the reference.
    const QByteArray out = boundedUncompress(input, 1024 * 1024);
    FUZZ_CHECK(out.size() <= 1024 * 1024 && (out.isEmpty() || out == qUncompress(input)));
    return 0;
}
