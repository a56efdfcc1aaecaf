// The tree's background picture, rendered offscreen and read back pixel by pixel.
#include "sktreewidget.h"

#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString MovieFile = QStringLiteral(":/images/Loading1.gif");

// Every pixel a colour of its own, so any offset or scaling shows.
QImage positionCoded(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 2, y * 2, 100));
    }
    return image;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

class TestSkTreeWidget : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<SkTreeWidget> tree;

    QImage shot() const
    {
        return tree->viewport()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }
    // The viewport as it must look: the background with picture centred, unscaled.
    QImage centred(const QImage &picture) const
    {
        QImage expected(tree->viewport()->size(), QImage::Format_ARGB32);
        expected.fill(tree->viewport()->palette().color(QPalette::Base));
        QPainter painter(&expected);
        if (!picture.isNull())
            painter.drawImage((expected.width() - picture.width()) / 2,
                              (expected.height() - picture.height()) / 2, picture);
        return expected;
    }

private Q_SLOTS:
    void init()
    {
        tree = std::make_unique<SkTreeWidget>();
        tree->setFrameShape(QFrame::NoFrame);
        tree->setHeaderHidden(true);
        tree->resize(200, 150);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
        QVERIFY(tree->setMovie(MovieFile));
        for (const int size : {0, 1}) {
            const QString name = folder.filePath(QString::number(size) + ".png");
            QVERIFY(positionCoded(60 + 60 * size, 40 + 80 * size).save(name));
            tree->addImage(name, size);
        }
    }
    void cleanup() { tree.reset(); }

    // A picture larger than the viewport is cut, not scaled; rows and selection lie over it.
    void rowsLieOverThePicture()
    {
        tree->resize(100, 100);
        auto *item = new QTreeWidgetItem(QStringList{QString()});
        tree->addTopLevelItem(item);
        item->setSelected(true);
        tree->showImage(true, 1);
        const QRect row = tree->visualItemRect(item);
        const QImage image = shot();
        QCOMPARE(image.pixel(50, row.bottom() + 5), qRgb(60 * 2, (row.bottom() + 15) * 2, 100));
        QCOMPARE(image.pixel(row.center()),
                 tree->palette().color(QPalette::Active, QPalette::Highlight).rgb());
    }

    // The picture, the movie and neither take turns; the movie repaints on every
    // frame until it stops.
    void whatShowsWhen()
    {
        PaintCounter paints(tree->viewport());
        const QImage blank = centred(QImage());
        const QImage picture = centred(positionCoded(60, 40));
        const QImage frame = centred(QImageReader(MovieFile).read());
        tree->showImage(true, 0);
        QCOMPARE(shot(), picture);
        tree->startMovie(); // the movie's frame wins over the picture
        QCOMPARE(shot(), frame);
        tree->showImage(true, 0); // back to the picture while the movie runs
        QCOMPARE(shot(), picture);
        tree->setAnimated(true, true); // replaces the picture at once
        QCOMPARE(shot(), frame);
        const int shown = paints.count;
        QTRY_VERIFY_WITH_TIMEOUT(paints.count >= shown + 3, 5000);
        tree->setAnimated(false, false); // and leaves nothing when it stops
        QCOMPARE(shot(), blank);
        QCoreApplication::processEvents(); // the update it asked for
        const int stopped = paints.count;
        QTest::qWait(400);
        QCOMPARE(paints.count, stopped);
        tree->showImage(true, 0);
        tree->hideImage();
        QCOMPARE(shot(), blank);
        tree->showImage(true, 5); // no picture of that number
        QCOMPARE(shot(), blank);
    }
};

QTEST_MAIN(TestSkTreeWidget)
#include "tst_sktreewidget.moc"
