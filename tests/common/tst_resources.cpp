// The images the program names under ":/images/" are compiled in and usable.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMovie>
#include <QTest>

namespace {

// Something shows: at least one pixel is more opaque than not.
bool hasVisiblePixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(argb.pixel(x, y)) >= 128)
                return true;
        }
    }
    return false;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void exactlyTheNamedImages();
    void pictureFitsItsPlace_data();
    void pictureFitsItsPlace();
    void waitingAnimationLoops();
};

void TestResources::exactlyTheNamedImages()
{
    QStringList names = QDir(QStringLiteral(":/images")).entryList();
    names.sort();
    QStringList expected{"Scoutel.png",    "Refresh.png",       "Edit.png",
                         "Menu.png",       "logo.png",          "Nothing.png",
                         "Loading1.gif",   "vline.png",         "branch-more.png",
                         "branch-end.png", "branch-closed.png", "branch-open.png"};
    expected.sort();
    QCOMPARE(names, expected);
}

void TestResources::pictureFitsItsPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("smallest");
    QTest::addColumn<QSize>("largest");
    const QSize button(32, 32);
    const QSize branchCell(20, 20);
    QTest::newRow("window icon") << QStringLiteral("Scoutel.png") << QSize(32, 32)
                                 << QSize(256, 256);
    QTest::newRow("refresh") << QStringLiteral("Refresh.png") << button << button;
    QTest::newRow("edit") << QStringLiteral("Edit.png") << button << button;
    QTest::newRow("menu") << QStringLiteral("Menu.png") << button << button;
    QTest::newRow("logo") << QStringLiteral("logo.png") << QSize(200, 32) << QSize(200, 200);
    QTest::newRow("nothing") << QStringLiteral("Nothing.png") << QSize(48, 48) << QSize(200, 200);
    QTest::newRow("vline") << QStringLiteral("vline.png") << QSize(8, 8) << branchCell;
    QTest::newRow("branch-more") << QStringLiteral("branch-more.png") << QSize(8, 8) << branchCell;
    QTest::newRow("branch-end") << QStringLiteral("branch-end.png") << QSize(8, 8) << branchCell;
    QTest::newRow("branch-closed")
        << QStringLiteral("branch-closed.png") << QSize(8, 8) << branchCell;
    QTest::newRow("branch-open") << QStringLiteral("branch-open.png") << QSize(8, 8) << branchCell;
}

void TestResources::pictureFitsItsPlace()
{
    QFETCH(QString, name);
    QFETCH(QSize, smallest);
    QFETCH(QSize, largest);
    const QImage image(QStringLiteral(":/images/") + name);
    QVERIFY2(!image.isNull(), qPrintable(name));
    QVERIFY2(image.width() >= smallest.width() && image.height() >= smallest.height(),
             qPrintable(name));
    QVERIFY2(image.width() <= largest.width() && image.height() <= largest.height(),
             qPrintable(name));
    QVERIFY(image.hasAlphaChannel());
    QVERIFY(hasVisiblePixels(image));
}

void TestResources::waitingAnimationLoops()
{
    QImageReader reader(QStringLiteral(":/images/Loading1.gif"));
    QVERIFY(reader.supportsAnimation());
    QVERIFY(reader.imageCount() > 1);
    QCOMPARE(reader.loopCount(), -1);
    const QImage first = reader.read();
    QVERIFY(!first.isNull());
    QVERIFY(first.hasAlphaChannel());
    QCOMPARE(qAlpha(first.pixel(0, 0)), 0);
    QVERIFY(hasVisiblePixels(first));

    QMovie movie(QStringLiteral(":/images/Loading1.gif"));
    QVERIFY(movie.isValid());
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
