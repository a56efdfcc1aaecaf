#include "filecipher.h"
#include "randomsource.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

namespace {
constexpr quint64 SomeKey = 0x0123456789ABCDEFull;

struct KnownAnswer
{
    QByteArray kind; // "decrypt" or "checksum"
    QList<QByteArray> fields;
    int line = 0;
};

QList<KnownAnswer> knownAnswers()
{
    QList<KnownAnswer> answers;
    QFile file(QStringLiteral(SCOUTEL_TEST_DATA "/vectors/file-cipher.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return answers;
    int line = 0;
    while (!file.atEnd()) {
        const QByteArray text = file.readLine().trimmed();
        ++line;
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        QList<QByteArray> fields = text.split(' ');
        const QByteArray kind = fields.takeFirst();
        answers.append({kind, fields, line});
    }
    return answers;
}

QByteArray fromHexOrEmpty(const QByteArray &text)
{
    return text == "-" ? QByteArray() : QByteArray::fromHex(text);
}

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

FileCipher cipherWith(quint64 key, FileCipher::CompressionMode compression,
                      FileCipher::ProtectionMode protection)
{
    FileCipher cipher(key);
    cipher.setCompressionMode(compression);
    cipher.setProtectionMode(protection);
    return cipher;
}
} // namespace

class TestFileCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownAnswerFileIsComplete()
    {
        const QList<KnownAnswer> answers = knownAnswers();
        int decrypts = 0;
        int checksums = 0;
        for (const KnownAnswer &answer : answers) {
            if (answer.kind == "decrypt" && answer.fields.size() == 3)
                ++decrypts;
            else if (answer.kind == "checksum" && answer.fields.size() == 2)
                ++checksums;
            else
                QFAIL(qPrintable(QStringLiteral("unreadable line %1").arg(answer.line)));
        }
        QCOMPARE(decrypts, 18);
        QCOMPARE(checksums, 1);
    }

    void decryptsKnownAnswers_data() { addKnownAnswerRows(false); }

    void decryptsKnownAnswers()
    {
        QFETCH(quint64, key);
        QFETCH(QByteArray, cipher);
        QFETCH(QByteArray, plain);
        FileCipher fileCipher(key);
        QCOMPARE(fileCipher.decrypt(cipher), plain);
        QCOMPARE(fileCipher.lastError(), int(FileCipher::ErrorNone));
    }

    // Without compression the output is fixed once the random byte is: it must
    // reproduce the known cipher text byte for byte (zlib output may vary by build).
    void encryptsKnownAnswers_data() { addKnownAnswerRows(true); }

    void encryptsKnownAnswers()
    {
        QFETCH(quint64, key);
        QFETCH(QByteArray, cipher);
        QFETCH(QByteArray, plain);
        const char flags = cipher.at(1);
        FileCipher fileCipher =
            cipherWith(key, FileCipher::CompressNever,
                       flags & 0x02 ? FileCipher::ProtectChecksum : FileCipher::ProtectNone);
        forceRandomByte(fileCipher, quint8(plainBody(cipher, key).at(0)));
        QCOMPARE(fileCipher.encrypt(plain).toHex(), cipher.toHex());
    }

    void checksumIsIso3309MostSignificantFirst()
    {
        for (const KnownAnswer &answer : knownAnswers()) {
            if (answer.kind != "checksum")
                continue;
            FileCipher cipher =
                cipherWith(0, FileCipher::CompressNever, FileCipher::ProtectChecksum);
            const QByteArray encrypted = cipher.encrypt(QByteArray::fromHex(answer.fields.at(0)));
            QCOMPARE(quint8(encrypted.at(1)), quint8(0x02));
            QCOMPARE(plainBody(encrypted, 0).mid(1, 2).toHex(), answer.fields.at(1));
        }
    }

    void emptyPlainWithCompressionAndHash()
    {
        FileCipher cipher =
            cipherWith(SomeKey, FileCipher::CompressAlways, FileCipher::ProtectHash);
        const QByteArray encrypted = cipher.encrypt(QByteArray());
        QCOMPARE(encrypted.left(2), QByteArray::fromHex("0305"));
        QCOMPARE(encrypted.size(), 2 + 1 + 20 + qCompress(QByteArray(), 9).size());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));

        const QByteArray decrypted = cipher.decrypt(encrypted);
        QVERIFY(decrypted.isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
    }

    void roundTrips_data()
    {
        QTest::addColumn<int>("compression");
        QTest::addColumn<int>("protection");
        QTest::addColumn<QByteArray>("plain");
        const QByteArray text = QByteArray("<regions><branches/></regions>\n").repeated(40);
        QByteArray noise(5000, '\0');
        RandomSource::seed(7);
        for (char &byte : noise)
            byte = char(RandomSource::next());
        const char *compressions[] = {"auto", "always", "never"};
        const char *protections[] = {"none", "checksum", "hash"};
        for (int c = 0; c < 3; ++c) {
            for (int p = 0; p < 3; ++p) {
                QTest::addRow("%s %s empty", compressions[c], protections[p])
                    << c << p << QByteArray();
                QTest::addRow("%s %s text", compressions[c], protections[p]) << c << p << text;
                QTest::addRow("%s %s noise", compressions[c], protections[p]) << c << p << noise;
            }
        }
    }

    void roundTrips()
    {
        QFETCH(int, compression);
        QFETCH(int, protection);
        QFETCH(QByteArray, plain);
        FileCipher cipher = cipherWith(SomeKey, FileCipher::CompressionMode(compression),
                                       FileCipher::ProtectionMode(protection));
        const QByteArray encrypted = cipher.encrypt(plain);
        QCOMPARE(quint8(encrypted.at(0)), quint8(0x03));
        QCOMPARE(cipher.decrypt(encrypted), plain);
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
    }

    void autoCompressionOnlyWhenShorter()
    {
        FileCipher cipher = cipherWith(SomeKey, FileCipher::CompressAuto, FileCipher::ProtectNone);
        QByteArray noise(64, '\0');
        RandomSource::seed(11);
        for (char &byte : noise)
            byte = char(RandomSource::next());
        const QByteArray stored = cipher.encrypt(noise);
        QCOMPARE(quint8(stored.at(1)), quint8(0x00));
        QCOMPARE(stored.size(), 2 + 1 + noise.size());

        const QByteArray squeezed = cipher.encrypt(QByteArray(1000, 'a'));
        QCOMPARE(quint8(squeezed.at(1)), quint8(0x01));
        QVERIFY(squeezed.size() < 1000);
    }

    void differentRandomBytesChangeEveryByte()
    {
        FileCipher cipher =
            cipherWith(SomeKey, FileCipher::CompressAlways, FileCipher::ProtectHash);
        RandomSource::seed(2024);
        const QByteArray plain("<regions/>");
        QList<QByteArray> outputs;
        for (int i = 0; i < 8; ++i)
            outputs.append(cipher.encrypt(plain));

        int differingPairs = 0;
        for (const QByteArray &a : outputs) {
            QCOMPARE(cipher.decrypt(a), plain);
            for (const QByteArray &b : outputs) {
                if (a.at(2) == b.at(2))
                    continue;
                ++differingPairs;
                QCOMPARE(a.size(), b.size());
                for (qsizetype i = 2; i < a.size(); ++i)
                    QVERIFY2(a.at(i) != b.at(i), qPrintable(QString::number(i)));
            }
        }
        QVERIFY(differingPairs > 0);
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

    void otherKeyFailsIntegrity_data()
    {
        QTest::addColumn<int>("protection");
        QTest::newRow("checksum") << int(FileCipher::ProtectChecksum);
        QTest::newRow("hash") << int(FileCipher::ProtectHash);
    }

    void otherKeyFailsIntegrity()
    {
        QFETCH(int, protection);
        FileCipher writer =
            cipherWith(SomeKey, FileCipher::CompressAlways, FileCipher::ProtectionMode(protection));
        FileCipher reader(SomeKey ^ 0x0100);
        QVERIFY(reader.decrypt(writer.encrypt("<regions/>")).isEmpty());
        QCOMPARE(reader.lastError(), int(FileCipher::ErrorIntegrity));
    }

    void truncatedIntegrityBytesFail_data()
    {
        QTest::addColumn<int>("protection");
        QTest::addColumn<int>("keep");
        QTest::newRow("checksum, one byte") << int(FileCipher::ProtectChecksum) << 2 + 1 + 1;
        QTest::newRow("hash, nineteen bytes") << int(FileCipher::ProtectHash) << 2 + 1 + 19;
        QTest::newRow("random byte only") << int(FileCipher::ProtectHash) << 2 + 1;
    }

    void truncatedIntegrityBytesFail()
    {
        QFETCH(int, protection);
        QFETCH(int, keep);
        FileCipher cipher =
            cipherWith(SomeKey, FileCipher::CompressNever, FileCipher::ProtectionMode(protection));
        const QByteArray encrypted = cipher.encrypt("<regions/>").left(keep);
        QVERIFY(cipher.decrypt(encrypted).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorIntegrity));
    }

    void checksumFlagOverridesHashFlag()
    {
        FileCipher cipher =
            cipherWith(SomeKey, FileCipher::CompressNever, FileCipher::ProtectChecksum);
        QByteArray encrypted = cipher.encrypt("<regions/>");
        encrypted[1] = char(0x02 | 0x04);
        QCOMPARE(cipher.decrypt(encrypted), QByteArray("<regions/>"));
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
    }

    void withoutKeyBothDirectionsFail()
    {
        FileCipher cipher;
        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QVERIFY(cipher.encrypt("<regions/>").isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNoKey));

        QTest::ignoreMessage(QtWarningMsg, "No key set.");
        QVERIFY(cipher.decrypt(QByteArray::fromHex("0300f6")).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNoKey));

        cipher.setKey(0);
        QVERIFY(cipher.decrypt(QByteArray::fromHex("0300f6")).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
        QCOMPARE(cipher.decrypt(cipher.encrypt("<regions/>")), QByteArray("<regions/>"));
    }

    void zeroKeyIsAKey()
    {
        FileCipher cipher(0);
        const QByteArray encrypted = cipher.encrypt("<regions/>");
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
        QCOMPARE(cipher.decrypt(encrypted), QByteArray("<regions/>"));
    }

    void wrongFirstByteIsNoCipherText_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("version 2") << QByteArray::fromHex("0205f4a96b2837");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("xml") << QByteArray("<?xml version=\"1.0\"?>");
    }

    void wrongFirstByteIsNoCipherText()
    {
        QFETCH(QByteArray, input);
        FileCipher cipher(SomeKey);
        QTest::ignoreMessage(QtWarningMsg, "Invalid version or not a cyphertext.");
        QVERIFY(cipher.decrypt(input).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorVersion));
    }

    // Too short to hold the flags and the random byte: empty, never a read past the input.
    void truncatedHeaderGivesEmpty_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("version only") << QByteArray(1, '\x03');
        QTest::newRow("no random byte") << QByteArray::fromHex("0300");
    }

    void truncatedHeaderGivesEmpty()
    {
        QFETCH(QByteArray, input);
        FileCipher cipher(SomeKey);
        // A copy without spare capacity, so a read past the end is caught by the sanitizer.
        const QByteArray exact(input.constData(), input.size());
        QVERIFY(cipher.decrypt(exact).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorIntegrity));
    }

    // The flags byte lies outside the digest: a forged compression flag must not let
    // damaged data through, and gives an empty result without an integrity error.
    void undecompressibleDataGivesEmpty()
    {
        FileCipher cipher = cipherWith(SomeKey, FileCipher::CompressNever, FileCipher::ProtectHash);
        QByteArray encrypted = cipher.encrypt(QByteArray::fromHex("00000010") + "no zlib stream");
        encrypted[1] = char(encrypted.at(1) | 0x01);
        QVERIFY(cipher.decrypt(encrypted).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
    }

    void claimedHugeSizeIsRefused()
    {
        QByteArray crafted = qCompress(QByteArray("<regions/>"), 9);
        crafted[0] = char(0x80); // claims 2 GiB and more
        FileCipher cipher = cipherWith(SomeKey, FileCipher::CompressNever, FileCipher::ProtectHash);
        QByteArray encrypted = cipher.encrypt(crafted);
        encrypted[1] = char(encrypted.at(1) | 0x01);
        QVERIFY(cipher.decrypt(encrypted).isEmpty());
        QCOMPARE(cipher.lastError(), int(FileCipher::ErrorNone));
    }

private:
    static void addKnownAnswerRows(bool uncompressedOnly)
    {
        QTest::addColumn<quint64>("key");
        QTest::addColumn<QByteArray>("cipher");
        QTest::addColumn<QByteArray>("plain");
        for (const KnownAnswer &answer : knownAnswers()) {
            if (answer.kind != "decrypt")
                continue;
            const QByteArray cipher = QByteArray::fromHex(answer.fields.at(1));
            if (uncompressedOnly && (cipher.at(1) & 0x01))
                continue;
            QTest::addRow("line %d", answer.line) << answer.fields.at(0).toULongLong(nullptr, 16)
                                                  << cipher << fromHexOrEmpty(answer.fields.at(2));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileCipher)
#include "tst_filecipher.moc"
