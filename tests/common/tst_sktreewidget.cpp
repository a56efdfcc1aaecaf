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
            image.setPixel(x, y, qRgb(x * 2, y, 100));
    }
    return image;
}
} // namespace

class TestSkTreeWidget : public QObject
{
    Q_OBJECT

    std::unique_ptr<SkTreeWidget> tree;
    int paints = 0; // of the viewport

    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }

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
        painter.drawImage((expected.width() - picture.width()) / 2,
                          (expected.height() - picture.height()) / 2, picture);
        return expected;
    }

private Q_SLOTS:
    // The picture, the movie and neither take turns; the movie repaints on every
    // frame until it stops.
    void whatShowsWhen()
    {
        tree = std::make_unique<SkTreeWidget>();
        tree->setFrameShape(QFrame::NoFrame);
        tree->setHeaderHidden(true);
        tree->resize(200, 150);
        tree->show();
        QVERIFY(QTest::qWaitForWindowExposed(tree.get()));
        QVERIFY(tree->setMovie(MovieFile));
        QTemporaryDir folder;
        QVERIFY(positionCoded(120, 160).save(folder.filePath("0.png")));
        tree->addImage(folder.filePath("0.png"), 0);
        tree->viewport()->installEventFilter(this);
        const QImage blank = centred(QImage());
        const QImage picture = centred(positionCoded(120, 160)); // cut, not scaled
        const QImage frame = centred(QImageReader(MovieFile).read());
        tree->showImage(true, 0);
        QCOMPARE(shot(), picture);
        tree->startMovie(); // the movie's frame wins over the picture
        QCOMPARE(shot(), frame);
        tree->showImage(true, 0); // back to the picture while the movie runs
        QCOMPARE(shot(), picture);
        tree->setAnimated(true, true); // replaces the picture at once
        QCOMPARE(shot(), frame);
        const int shown = paints;
        QTRY_VERIFY_WITH_TIMEOUT(paints >= shown + 3, 5000);
        tree->setAnimated(false, false); // and leaves nothing when it stops
        QCOMPARE(shot(), blank);
        QCoreApplication::processEvents(); // the update it asked for
        const int stopped = paints;
        QTest::qWait(400);
        QCOMPARE(paints, stopped);
        tree->showImage(true, 0);
        tree->hideImage();
        QCOMPARE(shot(), blank);
        // Rows and selection lie over the picture.
        auto *item = new QTreeWidgetItem(tree.get());
        item->setSelected(true);
        tree->showImage(true, 0);
        QCOMPARE(shot().pixel(tree->visualItemRect(item).center()),
                 tree->palette().color(QPalette::Active, QPalette::Highlight).rgb());
    }
};

QTEST_MAIN(TestSkTreeWidget)
#include "tst_sktreewidget.moc"
