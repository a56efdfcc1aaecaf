#include "branchimages.h"

#include "artstyle.h"

#include <QPainter>

namespace {

const QSize cellSize(20, 20);
const QSize arrowSize(16, 16);
const int middle = 9; // pixel column and row that carry the lines

enum Stroke { Up = 1, Down = 2, Right = 4 };

QImage linesImage(int strokes)
{
    QImage image = Art::canvas(cellSize);
    QPainter painter(&image);
    painter.setPen(QPen(Art::line, 1));
    if (strokes & Up)
        painter.drawLine(middle, 0, middle, middle);
    if (strokes & Down)
        painter.drawLine(middle, middle, middle, cellSize.height() - 1);
    if (strokes & Right)
        painter.drawLine(middle, middle, cellSize.width() - 1, middle);
    return image;
}

QImage arrowImage(qreal degrees)
{
    QImage image = Art::canvas(arrowSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(8, 8);
    painter.rotate(degrees);
    QPainterPath arrow;
    arrow.moveTo(-2.5, -4.5);
    arrow.lineTo(3.5, 0);
    arrow.lineTo(-2.5, 4.5);
    arrow.closeSubpath();
    Art::fillOutlined(painter, arrow, Art::steelLight, Art::slateDark, 1.2);
    return image;
}

} // namespace

QImage verticalLineImage()
{
    return linesImage(Up | Down);
}

QImage branchMoreImage()
{
    return linesImage(Up | Down | Right);
}

QImage branchEndImage()
{
    return linesImage(Up | Right);
}

QImage branchClosedImage()
{
    return arrowImage(0);
}

QImage branchOpenImage()
{
    return arrowImage(90);
}
