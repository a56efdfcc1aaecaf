#include "buttonicons.h"

#include "artstyle.h"

#include <QPainter>
#include <QtMath>

namespace {

const QSize buttonSize(32, 32);

// Arc of a circle around the icon's centre with an arrow head at its end.
void paintArrowArc(QPainter &painter, qreal startDegrees, qreal spanDegrees)
{
    const QPointF centre(16, 16);
    const qreal radius = 10;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, startDegrees);
    arc.arcTo(circle, startDegrees, spanDegrees);
    Art::strokeOutlined(painter, arc, 3.2, Art::leaf, Art::leafDark);

    const qreal end = qDegreesToRadians(startDegrees + spanDegrees);
    const QPointF tip = centre + QPointF(qCos(end) * radius, -qSin(end) * radius);
    // Tangent of a counter-clockwise arc at angle a (y axis pointing down).
    const QPointF along(-qSin(end), -qCos(end));
    const QPointF across(-along.y(), along.x());
    QPainterPath head;
    head.moveTo(tip + along * 4.5);
    head.lineTo(tip - along * 1.5 + across * 5.0);
    head.lineTo(tip - along * 1.5 - across * 5.0);
    head.closeSubpath();
    Art::fillOutlined(painter, head, Art::leaf, Art::leafDark, 1.2);
}

} // namespace

QImage refreshIcon()
{
    QImage image = Art::canvas(buttonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintArrowArc(painter, 100, 130);
    paintArrowArc(painter, 280, 130);
    return image;
}

QImage editIcon()
{
    QImage image = Art::canvas(buttonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A pencil drawn upright, then turned to lie from bottom left to top right.
    painter.translate(16, 16);
    painter.rotate(45);
    const QColor woodDark(0x6d, 0x4a, 0x12);

    QPainterPath body;
    body.addRect(QRectF(-4, -11, 8, 17));
    Art::fillOutlined(painter, body, QColor(0xe8, 0xa9, 0x3a), woodDark, 1.3);
    painter.setPen(QPen(QColor(0xc4, 0x85, 0x1d), 1.0));
    painter.drawLine(QPointF(0, -10.5), QPointF(0, 5.5));

    QPainterPath eraser;
    eraser.addRoundedRect(QRectF(-4, -15.5, 8, 3.5), 1.2, 1.2);
    Art::fillOutlined(painter, eraser, QColor(0xd8, 0x6a, 0x7a), QColor(0x6b, 0x25, 0x30), 1.3);
    QPainterPath band;
    band.addRect(QRectF(-4, -12.5, 8, 2));
    Art::fillOutlined(painter, band, QColor(0xb8, 0xc0, 0xc8), QColor(0x4a, 0x52, 0x5a), 1.0);

    QPainterPath wood;
    wood.moveTo(-4, 6);
    wood.lineTo(4, 6);
    wood.lineTo(0, 14);
    wood.closeSubpath();
    Art::fillOutlined(painter, wood, QColor(0xf3, 0xd9, 0xa4), woodDark, 1.3);
    QPainterPath lead;
    lead.moveTo(-1.4, 11.2);
    lead.lineTo(1.4, 11.2);
    lead.lineTo(0, 14);
    lead.closeSubpath();
    painter.fillPath(lead, QColor(0x30, 0x30, 0x30));
    return image;
}

QImage menuIcon()
{
    QImage image = Art::canvas(buttonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int bar = 0; bar < 3; ++bar) {
        QPainterPath path;
        path.addRoundedRect(QRectF(5, 7.5 + bar * 7, 22, 4), 2, 2);
        Art::fillOutlined(painter, path, Art::slate, Art::slateDark, 1.2);
    }
    return image;
}
