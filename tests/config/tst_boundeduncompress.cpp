#include "boundeduncompress.h"
#include "randomsource.h"

#include <QTest>
#include <QtEndian>

namespace {
constexpr qsizetype Limit = 64 * 1024;

QByteArray withClaimedSize(QByteArray compressed, quint32 size)
{
    qToBigEndian(size, compressed.data());
    return compressed;
}

QByteArray sampleText(qsizetype size)
{
    QByteArray text;
    for (int i = 0; text.size() < size; ++i)
        text += "<safe name=\"vault " + QByteArray::number(i) + "\"/>\n";
    text.truncate(size);
    return text;
}
} // namespace

class TestBoundedUncompress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reversesQCompress_data()
    {
        QTest::addColumn<QByteArray>("plain");
        QTest::newRow("one byte") << QByteArray("x");
        QTest::newRow("text") << sampleText(3000);
        QTest::newRow("several chunks") << sampleText(Limit);
        QTest::newRow("zeros") << QByteArray(Limit, '\0');
    }

    void reversesQCompress()
    {
        QFETCH(QByteArray, plain);
        QCOMPARE(boundedUncompress(qCompress(plain, 9), Limit), plain);
    }

    void emptyForms_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("short size field") << QByteArray::fromHex("000000");
        QTest::newRow("compressed empty array") << qCompress(QByteArray(), 9);
        QTest::newRow("size only") << QByteArray::fromHex("00000010");
    }

    void emptyForms()
    {
        QFETCH(QByteArray, input);
        QVERIFY(boundedUncompress(input, Limit).isEmpty());
    }

    void refusesWrongOrExcessiveSizes_data()
    {
        QTest::addColumn<QByteArray>("input");
        const QByteArray text = sampleText(1000);
        const QByteArray compressed = qCompress(text, 9);
        QTest::newRow("claims 2 GiB") << withClaimedSize(compressed, 0x80000000u);
        QTest::newRow("claims 4 GiB - 1") << withClaimedSize(compressed, 0xFFFFFFFFu);
        QTest::newRow("claims more than it holds") << withClaimedSize(compressed, 1001);
        QTest::newRow("claims less than it holds") << withClaimedSize(compressed, 999);
        QTest::newRow("claims zero") << withClaimedSize(compressed, 0);
        // Expands past the limit while claiming a small size.
        QTest::newRow("bomb") << withClaimedSize(qCompress(QByteArray(Limit * 4, 'a'), 9),
                                                 quint32(Limit / 2));
        QTest::newRow("above limit, honestly") << qCompress(QByteArray(Limit + 1, 'a'), 9);
    }

    void refusesWrongOrExcessiveSizes()
    {
        QFETCH(QByteArray, input);
        QVERIFY(boundedUncompress(input, Limit).isEmpty());
    }

    void acceptsDataOfExactlyTheLimit()
    {
        const QByteArray plain(Limit, 'a');
        QCOMPARE(boundedUncompress(qCompress(plain, 9), Limit), plain);
    }

    void refusesDamagedStreams()
    {
        const QByteArray compressed = qCompress(sampleText(2000), 9);
        for (qsizetype keep = 4; keep < compressed.size(); ++keep) {
            const QByteArray truncated(compressed.constData(), keep);
            QVERIFY2(boundedUncompress(truncated, Limit).isEmpty(),
                     qPrintable(QString::number(keep)));
        }
        QByteArray badHeader = compressed;
        badHeader[4] = char(0x00);
        QVERIFY(boundedUncompress(badHeader, Limit).isEmpty());
    }

    // Whatever the damage, the result is empty or exactly as long as claimed.
    void mutatedStreamsStayBounded()
    {
        const QByteArray compressed = qCompress(sampleText(4000), 9);
        RandomSource::seed(31337);
        int decoded = 0;
        for (int round = 0; round < 4000; ++round) {
            QByteArray mutated = compressed;
            const int changes = 1 + int(RandomSource::next() % 4);
            for (int i = 0; i < changes; ++i)
                mutated[RandomSource::next() % mutated.size()] = char(RandomSource::next());
            const QByteArray out = boundedUncompress(mutated, Limit);
            if (out.isEmpty())
                continue;
            ++decoded;
            QCOMPARE(out.size(), qsizetype(qFromBigEndian<quint32>(mutated.constData())));
        }
        qInfo("%d of 4000 mutated streams still decoded", decoded);
    }
};

QTEST_GUILESS_MAIN(TestBoundedUncompress)
#include "tst_boundeduncompress.moc"
