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

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pictureIsCentredUnscaled();
    void smallViewportShowsTheMiddle();
    void movieFrameWinsOverPicture();
    void animationReplacesPictureAtOnce();
    void nothingAfterAnimationStops();
    void unregisteredIndexPaintsNothing();
    void hideImageRemovesPicture();
    void rowsLieOverThePicture();
    void everyFrameRepaints();

private:
    QImage viewportImage() const;
    QRgb background() const;
    bool isBlank(const QImage &image) const;
    bool showsMovieFrame(const QImage &shot) const;

    QTemporaryDir folder;
    QString pictureFile;
    QString bigPictureFile;
    std::unique_ptr<SkTreeWidget> tree;
};

void TestSkTreeWidget::initTestCase()
{
    QVERIFY(folder.isValid());
    pictureFile = folder.filePath(QStringLiteral("picture.png"));
    bigPictureFile = folder.filePath(QStringLiteral("big.png"));
    QVERIFY(positionCoded(QSize(60, 40)).save(pictureFile));
    QVERIFY(positionCoded(QSize(120, 120)).save(bigPictureFile));
}

void TestSkTreeWidget::init()
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

void TestSkTreeWidget::cleanup()
{
    tree.reset();
}

QImage TestSkTreeWidget::viewportImage() const
{
    return tree->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

QRgb TestSkTreeWidget::background() const
{
    return tree->viewport()->palette().color(QPalette::Base).rgb();
}

bool TestSkTreeWidget::isBlank(const QImage &image) const
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background())
                return false;
        }
    }
    return true;
}

// The movie's first frame, centred, over the viewport's background.
bool TestSkTreeWidget::showsMovieFrame(const QImage &shot) const
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

void TestSkTreeWidget::pictureIsCentredUnscaled()
{
    tree->showImage(true, 0);
    const QImage shot = viewportImage();
    // 200 x 150 around 60 x 40: 70 columns free on each side, 55 rows above and below.
    QCOMPARE(shot.pixel(70, 55), qRgb(0, 0, 100));
    QCOMPARE(shot.pixel(129, 94), qRgb(118, 78, 100));
    QCOMPARE(shot.copy(70, 55, 60, 40),
             positionCoded(QSize(60, 40)).convertToFormat(QImage::Format_ARGB32));
    QCOMPARE(shot.pixel(69, 55), background());
    QCOMPARE(shot.pixel(130, 94), background());
    QCOMPARE(shot.pixel(70, 54), background());
    QCOMPARE(shot.pixel(129, 95), background());
}

void TestSkTreeWidget::smallViewportShowsTheMiddle()
{
    tree->resize(40, 30);
    QCOMPARE(tree->viewport()->size(), QSize(40, 30));
    tree->showImage(true, 1);
    // 120 x 120 in 40 x 30: columns 40 to 79 and rows 45 to 74 show.
    const QImage expected =
        positionCoded(QSize(120, 120)).copy(40, 45, 40, 30).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(viewportImage(), expected);
}

void TestSkTreeWidget::movieFrameWinsOverPicture()
{
    tree->showImage(true, 0);
    tree->startMovie();
    QVERIFY(showsMovieFrame(viewportImage()));
}

void TestSkTreeWidget::animationReplacesPictureAtOnce()
{
    tree->showImage(true, 0);
    tree->setAnimated(true, true);
    QVERIFY(showsMovieFrame(viewportImage()));
    // Back to the still picture while the movie keeps running.
    tree->showImage(true, 0);
    QCOMPARE(viewportImage().copy(70, 55, 60, 40),
             positionCoded(QSize(60, 40)).convertToFormat(QImage::Format_ARGB32));
}

void TestSkTreeWidget::nothingAfterAnimationStops()
{
    tree->setAnimated(true, true);
    tree->setAnimated(false, false);
    QVERIFY(isBlank(viewportImage()));
    tree->showImage(true, 0);
    QVERIFY(!isBlank(viewportImage()));
}

void TestSkTreeWidget::unregisteredIndexPaintsNothing()
{
    QTreeWidget plain;
    plain.setFrameShape(QFrame::NoFrame);
    plain.setHeaderHidden(true);
    plain.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    plain.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    plain.resize(200, 150);
    for (QTreeWidget *each : {static_cast<QTreeWidget *>(tree.get()), &plain})
        each->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("safe 1")}));
    plain.show();
    QVERIFY(QTest::qWaitForWindowExposed(&plain));

    tree->showImage(true, 5);
    const QImage shot = viewportImage();
    QVERIFY(!isBlank(shot));
    QCOMPARE(shot, plain.viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32));
}

void TestSkTreeWidget::hideImageRemovesPicture()
{
    tree->showImage(true, 0);
    QVERIFY(!isBlank(viewportImage()));
    tree->hideImage();
    QVERIFY(isBlank(viewportImage()));
}

void TestSkTreeWidget::rowsLieOverThePicture()
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

void TestSkTreeWidget::everyFrameRepaints()
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

QTEST_MAIN(TestSkTreeWidget)
#include "tst_sktreewidget.moc"
