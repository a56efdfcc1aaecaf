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

// Makes the cipher's next random byte equal value.
void forceRandomByte(FileCipher &cipher, quint8 value)
{
    for (quint32 seed = 0;; ++seed) {
        if ((QRandomGenerator(seed).generate() & 0xFF) == value) {
            cipher.seedRandom(seed);
            return;
        }
    }
}

// Plain body bytes of a cipher text, undoing the chaining independently of the cipher.
QByteArray plainBody(const QByteArray &cipher, quint64 key)
{
    QByteArray body = cipher.mid(2);
    char last = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const char enciphered = body.at(i);
        body[i] = char(enciphered ^ char(key >> (8 * (i % 8))) ^ last);
        last = enciphered;
    }
    return body;
}

FileCipher cipherWith(quint64 key, int compression, int protection)
{
    FileCipher cipher(key);
    cipher.setCompressionMode(FileCipher::CompressionMode(compression));
    cipher.setProtectionMode(FileCipher::ProtectionMode(protection));
    return cipher;
}

QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
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
        if (kind == "checksum") {
            QCOMPARE(fields.size(), 2);
            FileCipher cipher =
                cipherWith(0, FileCipher::CompressNever, FileCipher::ProtectChecksum);
            const QByteArray encrypted = cipher.encrypt(QByteArray::fromHex(fields.at(0)));
            QCOMPARE(quint8(encrypted.at(1)), quint8(0x02));
            QCOMPARE(plainBody(encrypted, 0).mid(1, 2).toHex(), fields.at(1));
            return;
        }
        QCOMPARE(kind, QByteArray("decrypt"));
        QCOMPARE(fields.size(), 3);
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
        forceRandomByte(cipher, quint8(plainBody(cipherText, key).at(0)));
        QCOMPARE(cipher.encrypt(plain).toHex(), cipherText.toHex());
    }

    // Every mode, over empty, compressible and random input; auto compresses
    // only when that is shorter.
    void roundTrips_data()
    {
        QTest::addColumn<int>("compression");
        QTest::addColumn<int>("protection");
        for (int c = 0; c < 3; ++c) {
            for (int p = 0; p < 3; ++p)
                QTest::addRow("compression %d protection %d", c, p) << c << p;
        }
    }

    void roundTrips()
    {
        QFETCH(int, compression);
        QFETCH(int, protection);
        FileCipher cipher = cipherWith(SomeKey, compression, protection);
        const int protectionFlag = protection == 0 ? 0 : 1 << protection;
        for (const QByteArray &plain : {QByteArray(), Text, noise(5000, 7)}) {
            const bool squeezed = compression == FileCipher::CompressAlways ||
                                  (compression == FileCipher::CompressAuto && plain == Text);
            const QByteArray encrypted = cipher.encrypt(plain);
            QCOMPARE(encrypted.at(0), '\x03');
            QCOMPARE(int(encrypted.at(1)), protectionFlag | int(squeezed));
            QCOMPARE(cipher.decrypt(encrypted), plain);
            QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
        }
    }

    void anyChangedBodyByteFailsIntegrity()
    {
        FileCipher cipher =
            cipherWith(SomeKey, FileCipher::CompressAlways, FileCipher::ProtectHash);
        const QByteArray encrypted = cipher.encrypt("<regions><branches/></regions>");
        for (qsizetype i = 2; i < encrypted.size(); ++i) {
            QByteArray damaged = encrypted;
            damaged[i] = char(damaged.at(i) ^ 0x10);
            QVERIFY(cipher.decrypt(damaged).isEmpty());
            QCOMPARE(cipher.lastError(), int(FileCipher::ErrorIntegrity));
        }
    }

    // Each row: what a writer made, how it was changed, what the reader gets.
    void damagedOrForeignInput_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<quint64>("readerKey");
        QTest::addColumn<QByteArray>("plain");
        QTest::addColumn<int>("error");
        const auto written = [](int protection, const QByteArray &plain, int compression = 2) {
            return cipherWith(SomeKey, compression, protection).encrypt(plain);
        };
        const QByteArray small("<regions/>");
        QByteArray bothFlags = written(FileCipher::ProtectChecksum, small);
        bothFlags[1] = char(0x02 | 0x04); // the checksum flag wins
        // The flags byte lies outside the digest: a forged compression flag
        // over data that does not inflate, or that claims 2 GiB.
        QByteArray forged =
            written(FileCipher::ProtectHash, QByteArray::fromHex("00000010") + "no zlib");
        forged[1] = char(forged.at(1) | 0x01);
        QByteArray huge =
            written(FileCipher::ProtectHash, withClaimedSize(qCompress(small, 9), 0x80000000u));
        huge[1] = char(huge.at(1) | 0x01);
        const auto row = [](const char *name, const QByteArray &input, const QByteArray &plain,
                            int error, quint64 key = SomeKey) {
            QTest::newRow(name) << input << key << plain << error;
        };
        const int none = FileCipher::ErrorNone;
        const int integrity = FileCipher::ErrorIntegrity;
        const int version = FileCipher::ErrorVersion;
        const QByteArray nothing;
        row("checksum, other key", written(FileCipher::ProtectChecksum, small, 1), nothing,
            integrity, SomeKey ^ 0x100);
        row("hash, other key", written(FileCipher::ProtectHash, small, 1), nothing, integrity,
            SomeKey ^ 0x100);
        row("checksum cut to one byte", written(FileCipher::ProtectChecksum, small).left(4),
            nothing, integrity);
        row("hash cut to 19 bytes", written(FileCipher::ProtectHash, small).left(22), nothing,
            integrity);
        row("no random byte", QByteArray::fromHex("0300"), nothing, integrity);
        row("version only", QByteArray(1, '\x03'), nothing, integrity);
        row("both flags", bothFlags, small, none);
        row("does not inflate", forged, nothing, none);
        row("claims 2 GiB", huge, nothing, none);
        row("zero key", cipherWith(0, 0, 1).encrypt(small), small, none, 0);
        row("version 2", QByteArray::fromHex("0205f4a96b2837"), nothing, version);
        row("empty", nothing, nothing, version);
        row("xml", "<?xml version=\"1.0\"?>", nothing, version);
    }

    void damagedOrForeignInput()
    {
        QFETCH(QByteArray, input);
        QFETCH(quint64, readerKey);
        QFETCH(QByteArray, plain);
        QFETCH(int, error);
        FileCipher reader(readerKey);
        if (error == FileCipher::ErrorVersion)
            QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        // A copy without spare capacity, so a read past the end is caught by the sanitizer.
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
        QTest::newRow("nothing") << QByteArray() << QByteArray();
        QTest::newRow("short size field") << QByteArray::fromHex("000000") << QByteArray();
        QTest::newRow("compressed empty") << qCompress(QByteArray(), 9) << QByteArray();
        QTest::newRow("size only") << QByteArray::fromHex("00000010") << QByteArray();
        QTest::newRow("claims 2 GiB") << withClaimedSize(compressed, 0x80000000u) << QByteArray();
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
            QTest::addRow("cut to %d", int(keep))
                << QByteArray(compressed.constData(), keep) << QByteArray();
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
