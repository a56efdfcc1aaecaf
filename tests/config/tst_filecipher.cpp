// The cipher of configuration files and the bounded decompression behind it.
#include "boundeduncompress.h"
#include "filecipher.h"
#include "testfiles.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>

namespace {
constexpr quint64 SomeKey = 0x0123456789ABCDEFull;
constexpr qsizetype Limit = 64 * 1024;
const QByteArray Text = QByteArray("<regions><branches/></regions>\n").repeated(40);

FileCipher cipherWith(quint64 key, int compression, int protection)
{
    FileCipher cipher(key);
    cipher.setCompressionMode(FileCipher::CompressionMode(compression));
    cipher.setProtectionMode(FileCipher::ProtectionMode(protection));
    return cipher;
}

QByteArray withClaimedSize(QByteArray compressed, quint32 size)
{
    qToBigEndian(size, compressed.data());
    return compressed;
}
} // namespace

class TestFileCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every line of the known-answer file: decrypted, and without compression
    // (zlib output may vary by build) encrypted byte for byte.
    void knownAnswers_data()
    {
        QCOMPARE(addVectorRows(SCOUTEL_TEST_DATA "/vectors/file-cipher.txt"), 19);
    }

    void knownAnswers()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QList<QByteArray>, fields);
        QCOMPARE(fields.size(), kind == "checksum" ? 2 : 3);
        if (kind == "checksum") {
            // The framework's checksum that the cipher stores, as the decrypt lines expect it.
            QCOMPARE(QByteArray::number(qChecksum(QByteArray::fromHex(fields.at(0))), 16)
                         .rightJustified(4, '0'),
                     fields.at(1));
            return;
        }
        QCOMPARE(kind, QByteArray("decrypt"));
        const quint64 key = fields.at(0).toULongLong(nullptr, 16);
        const QByteArray cipherText = QByteArray::fromHex(fields.at(1));
        const QByteArray plain =
            fields.at(2) == "-" ? QByteArray() : QByteArray::fromHex(fields.at(2));
        FileCipher cipher(key);
        QCOMPARE(cipher.decrypt(cipherText), plain);
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
        if (cipherText.at(1) & 0x01)
            return;
        cipher = cipherWith(key, FileCipher::CompressNever,
                            cipherText.at(1) & 0x02 ? FileCipher::ProtectChecksum
                                                    : FileCipher::ProtectNone);
        // The seed whose first random byte is the one of this line.
        const auto firstByte = quint8(cipherText.at(2) ^ char(key));
        quint32 seed = 0;
        while ((QRandomGenerator(seed).generate() & 0xFF) != firstByte)
            ++seed;
        cipher.seedRandom(seed);
        QCOMPARE(cipher.encrypt(plain).toHex(), cipherText.toHex());
    }

    // Each row: what a writer made, how it was changed, what the reader gets.
    void damagedOrForeignInput_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<quint64>("readerKey");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<int>("error");
        const auto written = [](int protection, const QByteArray &plain) {
            return cipherWith(SomeKey, FileCipher::CompressAlways, protection).encrypt(plain);
        };
        const QByteArray small("<regions/>");
        const auto row = [](const char *name, const QByteArray &input, int error,
                            const QByteArray &plain = {}, quint64 key = SomeKey) {
            QTest::newRow(name) << input << key << plain << error;
        };
        const int integrity = FileCipher::ErrorIntegrity;
        const QByteArray hashed = written(FileCipher::ProtectHash, small);
        for (qsizetype i = 2; i < hashed.size(); ++i) {
            QByteArray changed = hashed;
            changed[i] = char(changed.at(i) ^ 0x10);
            QTest::addRow("byte %d changed", int(i))
                << changed << SomeKey << QByteArray() << integrity;
        }
        row("checksum, other key", written(FileCipher::ProtectChecksum, small), integrity, {},
            SomeKey ^ 0x100);
        row("hash cut to 19 bytes", hashed.left(22), integrity);
        row("no random byte", QByteArray::fromHex("0300"), integrity);
        QByteArray bothFlags = written(FileCipher::ProtectChecksum, small);
        bothFlags[1] = char(0x01 | 0x02 | 0x04); // the checksum flag wins
        row("both flags", bothFlags, FileCipher::ErrorNone, small);
        // The flags byte lies outside the digest: a forged compression flag over
        // data that claims 2 GiB.
        QByteArray huge = cipherWith(SomeKey, FileCipher::CompressNever, FileCipher::ProtectHash)
                              .encrypt(withClaimedSize(qCompress(small, 9), 0x80000000u));
        huge[1] = char(huge.at(1) | 0x01);
        row("claims 2 GiB", huge, FileCipher::ErrorNone);
        row("version 2", QByteArray::fromHex("0205f4a96b2837"), FileCipher::ErrorVersion);
        row("empty", QByteArray(), FileCipher::ErrorVersion);
        row("no key", hashed, FileCipher::ErrorNoKey);
    }

    void damagedOrForeignInput()
    {
        QFETCH(QByteArray, input);
        QFETCH(quint64, readerKey);
        QFETCH(QByteArray, plain);
        QFETCH(int, error);
        FileCipher reader;
        if (error == FileCipher::ErrorNoKey) {
            QTest::ignoreMessage(QtWarningMsg, "No key set.");
            QVERIFY(reader.encrypt(plain).isEmpty()); // nothing leaves without a key either
            QTest::ignoreMessage(QtWarningMsg, "No key set.");
        } else {
            reader.setKey(readerKey);
        }
        if (error == FileCipher::ErrorVersion)
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        // An exact copy, so that the sanitizer sees a read past the end.
        QCOMPARE(reader.decrypt(QByteArray(input.constData(), input.size())), plain);
        QCOMPARE(reader.lastError(), error);
    }

    void boundedUncompress_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("plain");
        const QByteArray compressed = qCompress(Text, 9);
        const auto size = quint32(Text.size());
        QTest::newRow("text") << compressed << Text;
        QTest::newRow("exactly the limit")
            << qCompress(QByteArray(Limit, 'a'), 9) << QByteArray(Limit, 'a');
        QTest::newRow("short size field") << QByteArray::fromHex("000000") << QByteArray();
        QTest::newRow("compressed empty") << qCompress(QByteArray(), 9) << QByteArray();
        QTest::newRow("claims one more") << withClaimedSize(compressed, size + 1) << QByteArray();
        QTest::newRow("claims one less") << withClaimedSize(compressed, size - 1) << QByteArray();
        // Expands past the limit while claiming a small size.
        QTest::newRow("bomb") << withClaimedSize(qCompress(QByteArray(Limit * 4, 'a'), 9),
                                                 quint32(Limit / 2))
                              << QByteArray();
        QTest::newRow("above limit, honestly")
            << qCompress(QByteArray(Limit + 1, 'a'), 9) << QByteArray();
        QByteArray badHeader = compressed;
        badHeader[4] = char(0x00);
        QTest::newRow("bad stream header") << badHeader << QByteArray();
        for (qsizetype keep = 4; keep < compressed.size(); ++keep)
            QTest::addRow("cut to %d", int(keep)) << compressed.left(keep) << QByteArray();
    }

    void boundedUncompress()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, plain);
        QCOMPARE(::boundedUncompress(input, Limit), plain);
    }
};

QTEST_GUILESS_MAIN(TestFileCipher)
#include "tst_filecipher.moc"
