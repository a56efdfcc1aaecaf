#include "requestcipher.h"

#include <QFile>
#include <QTest>

namespace {
QByteArray hexOrEmpty(const QByteArray &field)
{
    return field == "-" ? QByteArray() : QByteArray::fromHex(field);
}

const quint8 *bytes(const QByteArray &a)
{
    return reinterpret_cast<const quint8 *>(a.constData());
}
} // namespace

class TestRequestCipher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void knownAnswers_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QList<QByteArray>>("fields");
        QFile file(QStringLiteral(SCOUTEL_TEST_DATA "/vectors/request-cipher.txt"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "known-answer file missing");
        int number = 0;
        while (!file.atEnd()) {
            ++number;
            const QByteArray line = file.readLine().trimmed();
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            QList<QByteArray> fields = line.split(' ');
            const QByteArray kind = fields.takeFirst();
            QTest::addRow("line %d %s", number, kind.constData()) << kind << fields;
        }
    }

    void knownAnswers()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QList<QByteArray>, fields);
        if (kind == "crc8") {
            QCOMPARE(fields.size(), 2);
            QCOMPARE(RequestCipher::passwordChecksum(hexOrEmpty(fields[0])),
                     quint8(fields[1].toUInt(nullptr, 16)));
        } else if (kind == "key") {
            QCOMPARE(fields.size(), 2);
            QCOMPARE(RequestCipher::keyFromPassword(hexOrEmpty(fields[0])).toHex(), fields[1]);
        } else if (kind == "block") {
            QCOMPARE(fields.size(), 3);
            const QByteArray key = RequestCipher::keyFromPassword(hexOrEmpty(fields[0]));
            const QByteArray keyBefore = key;
            QByteArray block = QByteArray::fromHex(fields[1]);
            RequestCipher::cipherBlock(reinterpret_cast<quint8 *>(block.data()), bytes(key), true);
            QCOMPARE(block.toHex(), fields[2]);
            RequestCipher::cipherBlock(reinterpret_cast<quint8 *>(block.data()), bytes(key), false);
            QCOMPARE(block.toHex(), fields[1]);
            QCOMPARE(key, keyBefore);
        } else if (kind == "payload") {
            QCOMPARE(fields.size(), 3);
            const QByteArray key = RequestCipher::keyFromPassword(hexOrEmpty(fields[0]));
            QByteArray payload = QByteArray::fromHex(fields[1]);
            RequestCipher::encryptPayload(payload.data(), int(payload.size()), key);
            QCOMPARE(payload.toHex(), fields[2]);
            RequestCipher::encryptPayload(payload.data(), int(payload.size()), key, false);
            QCOMPARE(payload.toHex(), fields[1]);
        } else {
            QFAIL("unknown line kind");
        }
    }

    void mixTripleByHand()
    {
        // t = (q & r) ^ p, u = (t & r) ^ q, w = (t | u) ^ r; then t >>> 1 and w <<< 1.
        quint8 p = 0x01, q = 0x80, r = 0x81;
        RequestCipher::mixTriple(p, q, r);
        // t = 0x80 ^ 0x01 = 0x81, u = (0x81 & 0x81) ^ 0x80 = 0x01, w = (0x81 | 0x01) ^ 0x81 = 0x00
        QCOMPARE(p, quint8(0xC0));
        QCOMPARE(q, quint8(0x01));
        QCOMPARE(r, quint8(0x00));
    }

    void partialBlockIsLeftAlone()
    {
        const QByteArray key = RequestCipher::keyFromPassword("abc");
        QByteArray data = QByteArray::fromHex("000102030405060708090a0b0c0d");
        RequestCipher::encryptPayload(data.data(), int(data.size()), key);
        QCOMPARE(data.right(2).toHex(), QByteArray("0c0d"));
        QVERIFY(data.left(12).toHex() != QByteArray("000102030405060708090a0b"));
    }
};

QTEST_GUILESS_MAIN(TestRequestCipher)
#include "tst_requestcipher.moc"
