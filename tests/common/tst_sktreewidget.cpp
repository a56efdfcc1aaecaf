// The tree's background picture, rendered offscreen and read back pixel by pixel.
#include "skbackgroundanimation.h"
#include "sktreewidget.h"

#include <QApplication>
#include <QHeaderView>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString movieFile = QStringLiteral(":/images/Loading1.gif");

// Every pixel a colour of its own, so any offset or scaling shows.
QImage positionCoded(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 2, 100));
    }
    return image;
}

QImage firstMovieFrame()
{
    QImageReader reader(movieFile);
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestSkTreeWidget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        pictureFile = folder.filePath(QStringLiteral("picture.png"));
        bigPictureFile = folder.filePath(QStringLiteral("big.png"));
        QVERIFY(positionCoded(QSize(60, 40)).save(pictureFile));
        QVERIFY(positionCoded(QSize(120, 120)).save(bigPictureFile));
    }

    void init()
    {
        tree = std::make_unique<SkTreeWidget>();
        tree->setFrameShape(QFrame::NoFrame);
        tree->setHeaderHidden(true);
        tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        tree->resize(200, 150);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
        QCOMPARE(tree->viewport()->size(), QSize(200, 150));
        QVERIFY(tree->setMovie(movieFile));
        tree->addImage(pictureFile, 0);
        tree->addImage(bigPictureFile, 1);
    }

    void cleanup() { tree.reset(); }

    void pictureIsCentredUnscaled()
    {
        tree->showImage(true, 0);
        const QImage shot = viewportImage();
        // 200 x 150 around 60 x 40: 70 columns free on each side, 55 rows above and below.
        QCOMPARE(shot.copy(70, 55, 60, 40),
                 positionCoded(QSize(60, 40)).convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(shot.pixel(69, 55), background());
        QCOMPARE(shot.pixel(130, 94), background());
        QCOMPARE(shot.pixel(70, 54), background());
        QCOMPARE(shot.pixel(129, 95), background());
    }

    void smallViewportShowsTheMiddle()
    {
        tree->resize(40, 30);
        QCOMPARE(tree->viewport()->size(), QSize(40, 30));
        tree->showImage(true, 1);
        // 120 x 120 in 40 x 30: columns 40 to 79 and rows 45 to 74 show.
        const QImage expected = positionCoded(QSize(120, 120))
                                    .copy(40, 45, 40, 30)
                                    .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(viewportImage(), expected);
    }

    void rowsLieOverThePicture()
    {
        // The 120 x 120 picture fills a 100 x 100 viewport; the selected row still covers it.
        tree->resize(100, 100);
        auto *item = new QTreeWidgetItem(QStringList{QString()});
        tree->addTopLevelItem(item);
        item->setSelected(true);
        tree->showImage(true, 1);
        const QRect row = tree->visualItemRect(item);
        QVERIFY(row.isValid());
        const QRgb highlight = tree->palette().color(QPalette::Active, QPalette::Highlight).rgb();
        const QImage shot = viewportImage();
        QCOMPARE(shot.pixel(50, row.bottom() + 5), qRgb(60 * 2, (row.bottom() + 15) * 2, 100));
        QCOMPARE(shot.pixel(row.center().x(), row.center().y()), highlight);
    }

    void everyFrameRepaints()
    {
        PaintCounter paints(tree->viewport());
        tree->setAnimated(true, true);
        QTRY_VERIFY_WITH_TIMEOUT(paints.count >= 4, 5000);

        // The picture takes over, but frames still arrive until the movie stops.
        tree->showImage(true, 0);
        const int shown = paints.count;
        QTRY_VERIFY_WITH_TIMEOUT(paints.count >= shown + 2, 5000);

        tree->setAnimated(false, false);
        const int stopped = paints.count;
        QTest::qWait(400);
        QCOMPARE(paints.count, stopped);
    }

    // What shows as the picture, the movie and neither take turns.
    void whatShowsWhen()
    {
        const QImage picture = positionCoded(QSize(60, 40)).convertToFormat(QImage::Format_ARGB32);
        tree->setAnimated(true, true);
        tree->setAnimated(false, false);
        QVERIFY(isBlank(viewportImage()));
        tree->showImage(true, 0);
        tree->startMovie(); // the movie's frame wins over the picture
        QVERIFY(showsMovieFrame(viewportImage()));
        tree->showImage(true, 0); // back to the picture while the movie runs
        QCOMPARE(viewportImage().copy(70, 55, 60, 40), picture);
        tree->setAnimated(true, true); // replaces the picture at once
        QVERIFY(showsMovieFrame(viewportImage()));
        tree->setAnimated(false, false);
        tree->hideImage();
        QVERIFY(isBlank(viewportImage()));
        tree->showImage(true, 5); // no picture of that number
        QVERIFY(isBlank(viewportImage()));
    }

    // The pictures the program names are compiled in, sized for their place.
    void picturesFitTheirPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("smallest");
        QTest::addColumn<QSize>("largest");
        const QSize button(32, 32);
        const QSize cell(20, 20);
        QTest::newRow("window icon") << "Scoutel.png" << QSize(32, 32) << QSize(256, 256);
        QTest::newRow("refresh") << "Refresh.png" << button << button;
        QTest::newRow("edit") << "Edit.png" << button << button;
        QTest::newRow("menu") << "Menu.png" << button << button;
        QTest::newRow("logo") << "logo.png" << QSize(200, 32) << QSize(200, 200);
        QTest::newRow("nothing") << "Nothing.png" << QSize(48, 48) << QSize(200, 200);
        for (const char *branch :
             {"vline", "branch-more", "branch-end", "branch-closed", "branch-open"})
            QTest::newRow(branch) << QString::fromLatin1(branch) + ".png" << QSize(8, 8) << cell;
        QTest::newRow("waiting animation") << "Loading1.gif" << QSize(16, 16) << QSize(200, 200);
    }

    void picturesFitTheirPlace()
    {
        QFETCH(QString, name);
        QFETCH(QSize, smallest);
        QFETCH(QSize, largest);
        QImageReader reader(QStringLiteral(":/images/") + name);
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!image.isNull(), qPrintable(name));
        QVERIFY(image.width() >= smallest.width() && image.height() >= smallest.height());
        QVERIFY(image.width() <= largest.width() && image.height() <= largest.height());
        bool visible = false;
        for (int y = 0; y < image.height() && !visible; ++y) {
            for (int x = 0; x < image.width() && !visible; ++x)
                visible = qAlpha(image.pixel(x, y)) >= 128;
        }
        QVERIFY(visible);
        QVERIFY(image.hasAlphaChannel());
        if (name.endsWith(QLatin1String(".gif"))) {
            QVERIFY(reader.imageCount() > 1);
            QCOMPARE(reader.loopCount(), -1);
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        }
    }

private:
    QImage viewportImage() const
    {
        return tree->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    QRgb background() const { return tree->viewport()->palette().color(QPalette::Base).rgb(); }

    bool isBlank(const QImage &image) const
    {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != background())
                    return false;
            }
        }
        return true;
    }

    bool showsMovieFrame(const QImage &shot) const
    {
        const QImage frame = firstMovieFrame();
        QImage expected(shot.size(), QImage::Format_ARGB32);
        expected.fill(background());
        QPainter painter(&expected);
        painter.drawImage((shot.width() - frame.width()) / 2, (shot.height() - frame.height()) / 2,
                          frame);
        painter.end();
        return shot == expected;
    }

    QTemporaryDir folder;
    QString pictureFile;
    QString bigPictureFile;
    std::unique_ptr<SkTreeWidget> tree;
};

QTEST_MAIN(TestSkTreeWidget)
#include "tst_sktreewidget.moc"
