// An encrypted configuration file. The raw bytes are decrypted as a hostile
// file; they are also taken as the plain text of a file this program wrote,
// encrypted with settings the first byte picks, which must read the same as
// the plain text; and they are handed to the bounded decompression alone.
#include "boundeduncompress.h"
#include "configcheck.h"
#include "configstorage.h"
#include "fuzzcheck.h"

namespace {
// Small enough that qUncompress may serve as the reference.
constexpr qsizetype ReferenceLimit = 1024 * 1024;

void checkDecrypt(const QByteArray &input)
{
    FileCipher cipher = ConfigStorage::cipher();
    const QByteArray plain = cipher.decrypt(input);
    FUZZ_CHECK(plain.size() <= FileCipher::MaxUncompressedSize);
    // An empty result that is not an error would be a silent failure.
    if (cipher.lastError() != FileCipher::ErrorNone)
        FUZZ_CHECK(plain.isEmpty());
    checkConfigRead(readConfigBytes(input, true), plain);
}

void checkWrittenFile(const QByteArray &input)
{
    if (input.isEmpty())
        return;
    const auto mode = quint8(input.at(0));
    const QByteArray plain = input.mid(1);
    FileCipher cipher = ConfigStorage::cipher();
    const int compression = mode % 3;
    const int protection = mode / 3 % 3;
    cipher.setCompressionMode(FileCipher::CompressionMode(compression));
    cipher.setProtectionMode(FileCipher::ProtectionMode(protection));
    cipher.seedRandom(mode);
    const QByteArray encrypted = cipher.encrypt(plain);
    FUZZ_CHECK(ConfigStorage::cipher().decrypt(encrypted) == plain);
    // The flags tell the protection, and automatic compression only when it saves bytes.
    const bool squeezed =
        compression == FileCipher::CompressAlways ||
        (compression == FileCipher::CompressAuto && qCompress(plain, 9).size() < plain.size());
    FUZZ_CHECK(int(encrypted.at(1)) == ((protection ? 1 << protection : 0) | int(squeezed)));

    const ConfigReadResult viaCipher = readConfigBytes(encrypted, true);
    const ConfigReadResult direct = readConfigBytes(plain, false);
    FUZZ_CHECK(viaCipher.error.text == direct.error.text);
    FUZZ_CHECK(viaCipher.safes.size() == direct.safes.size());
    for (qsizetype i = 0; i < direct.safes.size(); ++i)
        FUZZ_CHECK(viaCipher.safes.at(i).attributes == direct.safes.at(i).attributes);
}

void checkUncompress(const QByteArray &input)
{
    const QByteArray out = boundedUncompress(input, ReferenceLimit);
    FUZZ_CHECK(out.size() <= ReferenceLimit);
    if (!out.isEmpty())
        FUZZ_CHECK(out == qUncompress(input));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput::silenceQt();
    const QByteArray input = FuzzInput::bytes(data, size);
    checkDecrypt(input);
    checkWrittenFile(input);
    checkUncompress(input);
    return 0;
}
