// The cipher of configuration files and the bounded decompression behind it.
#include "boundeduncompress.h"
#include "filecipher.h"
#include "randomsource.h"

#include <QFile>
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
    RandomSource::seed(seed);
    for (char &byte : bytes)
        byte = char(RandomSource::next());
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
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QList<QByteArray>>("fields");
        QFile file(QStringLiteral(SCOUTEL_TEST_DATA "/vectors/file-cipher.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        int line = 0;
        int rows = 0;
        while (!file.atEnd()) {
            const QByteArray text = file.readLine().trimmed();
            ++line;
            if (text.isEmpty() || text.startsWith('#'))
                continue;
            QList<QByteArray> fields = text.split(' ');
            const QByteArray kind = fields.takeFirst();
            QTest::addRow("line %d", line) << kind << fields;
            ++rows;
        }
        QCOMPARE(rows, 19);
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
        const int none = FileCipher::ErrorNone;
        const int integrity = FileCipher::ErrorIntegrity;
        const int version = FileCipher::ErrorVersion;
        QTest::newRow("checksum, other key") << written(FileCipher::ProtectChecksum, small, 1)
                                             << (SomeKey ^ 0x100) << QByteArray() << integrity;
        QTest::newRow("hash, other key") << written(FileCipher::ProtectHash, small, 1)
                                         << (SomeKey ^ 0x100) << QByteArray() << integrity;
        QTest::newRow("checksum cut to one byte")
            << written(FileCipher::ProtectChecksum, small).left(4) << SomeKey << QByteArray()
            << integrity;
        QTest::newRow("hash cut to 19 bytes") << written(FileCipher::ProtectHash, small).left(22)
                                              << SomeKey << QByteArray() << integrity;
        QTest::newRow("no random byte")
            << QByteArray::fromHex("0300") << SomeKey << QByteArray() << integrity;
        QTest::newRow("version only")
            << QByteArray(1, '\x03') << SomeKey << QByteArray() << integrity;
        QTest::newRow("both flags") << bothFlags << SomeKey << small << none;
        QTest::newRow("does not inflate") << forged << SomeKey << QByteArray() << none;
        QTest::newRow("claims 2 GiB") << huge << SomeKey << QByteArray() << none;
        QTest::newRow("zero key") << cipherWith(0, 0, 1).encrypt(small) << quint64(0) << small
                                  << none;
        QTest::newRow("version 2")
            << QByteArray::fromHex("0205f4a96b2837") << SomeKey << QByteArray() << version;
        QTest::newRow("empty") << QByteArray() << SomeKey << QByteArray() << version;
        QTest::newRow("xml") << QByteArray("<?xml version=\"1.0\"?>") << SomeKey << QByteArray()
                             << version;
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
    }

    void boundedUncompress()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, plain);
        QCOMPARE(::boundedUncompress(input, Limit), plain);
    }

    // Cut streams give nothing.
    void damagedStreamsStayBounded()
    {
        const QByteArray compressed = qCompress(Text, 9);
        for (qsizetype keep = 4; keep < compressed.size(); ++keep)
            QVERIFY(::boundedUncompress(QByteArray(compressed.constData(), keep), Limit).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFileCipher)
#include "tst_filecipher.moc"
