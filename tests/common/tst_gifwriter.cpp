// The image generator's GIF encoder, checked by decoding its output with the
// framework's own GIF reader.
#include "gifwriter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

namespace {

QImage solid(const QSize &size, QRgb colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Many colours in no order: long code streams that fill the LZW table.
QImage noise(const QSize &size, int colours, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int c = random.bounded(colours);
            image.setPixel(x, y, qRgb(c, 255 - c, (c * 7) & 0xFF));
        }
    }
    return image;
}

QImage withTransparentHole(QImage image)
{
    for (int y = image.height() / 4; y < image.height() / 2; ++y) {
        for (int x = 0; x < image.width() / 3; ++x)
            image.setPixel(x, y, qRgba(10, 20, 30, 40));
    }
    return image;
}

} // namespace

class TestGifWriter : public QObject
{
    Q_OBJECT

private slots:
    void framesComeBackUnchanged_data();
    void framesComeBackUnchanged();
    void tooManyColoursIsRefused();
    void framesOfDifferentSizesAreRefused();
};

void TestGifWriter::framesComeBackUnchanged_data()
{
    QTest::addColumn<QList<QImage>>("frames");
    QTest::newRow("one pixel") << QList<QImage>{solid(QSize(1, 1), qRgb(200, 10, 10))};
    QTest::newRow("two colours") << QList<QImage>{noise(QSize(7, 5), 2, 1),
                                                  noise(QSize(7, 5), 2, 2)};
    QTest::newRow("one colour, long runs") << QList<QImage>{solid(QSize(300, 200), qRgb(1, 2, 3))};
    QTest::newRow("transparency") << QList<QImage>{
        withTransparentHole(noise(QSize(40, 40), 5, 3)),
        withTransparentHole(solid(QSize(40, 40), qRgb(9, 9, 9)))};
    QTest::newRow("full palette, table resets")
        << QList<QImage>{noise(QSize(256, 256), 255, 4), noise(QSize(256, 256), 200, 5)};
}

void TestGifWriter::framesComeBackUnchanged()
{
    QFETCH(QList<QImage>, frames);
    GifWriter writer(80);
    QByteArray bytes;
    QVERIFY2(writer.encode(frames, &bytes), qPrintable(writer.errorString()));

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.imageCount(), int(frames.size()));
    for (const QImage &frame : std::as_const(frames)) {
        const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(reader.nextImageDelay(), 80);
        QCOMPARE(decoded.size(), frame.size());
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                const QRgb want = frame.pixel(x, y);
                const QRgb got = decoded.pixel(x, y);
                if (qAlpha(want) < 128)
                    QCOMPARE(qAlpha(got), 0);
                else
                    QCOMPARE(got, want | 0xFF000000u);
            }
        }
    }
}

void TestGifWriter::tooManyColoursIsRefused()
{
    GifWriter writer(80);
    QByteArray bytes;
    QVERIFY(!writer.encode({noise(QSize(64, 64), 256, 6)}, &bytes));
    QVERIFY(!writer.errorString().isEmpty());
}

void TestGifWriter::framesOfDifferentSizesAreRefused()
{
    GifWriter writer(80);
    QByteArray bytes;
    QVERIFY(!writer.encode({solid(QSize(4, 4), qRgb(1, 1, 1)), solid(QSize(5, 4), qRgb(1, 1, 1))},
                           &bytes));
}

QTEST_MAIN(TestGifWriter)
#include "tst_gifwriter.moc"
