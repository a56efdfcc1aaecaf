#include "flagicons.h"

#include "artstyle.h"

#include <QList>
#include <QPainter>

namespace {

const QRect flagArea(1, 6, 30, 20);
const QColor flagOutline(0x6a, 0x6a, 0x6a);

void drawOutline(QPainter &painter)
{
    painter.setPen(flagOutline);
    painter.drawRect(flagArea.adjusted(0, 0, -1, -1));
}

QImage stripedFlag(const QList<QColor> &stripes, Qt::Orientation orientation)
{
    QImage image = Art::canvas(QSize(32, 32));
    QPainter painter(&image);
    const int count = int(stripes.size());
    for (int i = 0; i < count; ++i) {
        QRect stripe = flagArea;
        if (orientation == Qt::Horizontal) {
            stripe.setTop(flagArea.top() + flagArea.height() * i / count);
            stripe.setBottom(flagArea.top() + flagArea.height() * (i + 1) / count - 1);
        } else {
            stripe.setLeft(flagArea.left() + flagArea.width() * i / count);
            stripe.setRight(flagArea.left() + flagArea.width() * (i + 1) / count - 1);
        }
        painter.fillRect(stripe, stripes.at(i));
    }
    drawOutline(painter);
    return image;
}

// Lines of the given width through the middle of the flag, and corner to corner.
void drawCross(QPainter &painter, const QColor &color, qreal straight, qreal diagonal)
{
    const QRectF area(flagArea);
    painter.setPen(QPen(color, diagonal, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topRight());
    painter.setPen(QPen(color, straight, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(area.center().x(), area.top()),
                     QPointF(area.center().x(), area.bottom()));
    painter.drawLine(QPointF(area.left(), area.center().y()),
                     QPointF(area.right(), area.center().y()));
}

} // namespace

QImage italianFlag()
{
    return stripedFlag(
        {QColor(0x00, 0x92, 0x46), QColor(0xf1, 0xf2, 0xf1), QColor(0xce, 0x2b, 0x37)},
        Qt::Vertical);
}

QImage germanFlag()
{
    return stripedFlag(
        {QColor(0x10, 0x10, 0x10), QColor(0xdd, 0x00, 0x00), QColor(0xff, 0xce, 0x00)},
        Qt::Horizontal);
}

QImage englishFlag()
{
    QImage image = Art::canvas(QSize(32, 32));
    QPainter painter(&image);
    painter.fillRect(flagArea, QColor(0x01, 0x21, 0x69));
    painter.save();
    painter.setClipRect(flagArea);
    painter.setRenderHint(QPainter::Antialiasing);
    drawCross(painter, QColor(0xf1, 0xf2, 0xf1), 6, 4);
    drawCross(painter, QColor(0xc8, 0x10, 0x2e), 3.5, 1.5);
    painter.restore();
    drawOutline(painter);
    return image;
}
