#include "emblem.h"

#include "artstyle.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

void paintEmblem(QPainter &painter, const QRectF &box)
{
    const qreal u = box.width() / 64.0; // drawn on a 64-unit grid
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(u, u);

    QPainterPath body;
    body.addRoundedRect(QRectF(4, 14, 46, 44), 6, 6);
    QLinearGradient metal(0, 14, 0, 58);
    metal.setColorAt(0, Art::steelLight);
    metal.setColorAt(1, Art::steel);
    Art::fillOutlined(painter, body, metal, Art::steelDark, 2.5);

    QPainterPath door;
    door.addRoundedRect(QRectF(10, 20, 34, 32), 3, 3);
    painter.strokePath(door, QPen(Art::steelDark, 1.5));

    QPainterPath feet;
    feet.addRect(QRectF(9, 58, 7, 3));
    feet.addRect(QRectF(38, 58, 7, 3));
    painter.fillPath(feet, Art::steelDark);

    const QPointF dial(27, 36);
    QPainterPath knob;
    knob.addEllipse(dial, 9, 9);
    Art::fillOutlined(painter, knob, QColor(0xe6, 0xec, 0xf2), Art::steelDark, 2);
    painter.setPen(QPen(Art::steelDark, 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick < 8; ++tick) {
        const qreal a = tick * M_PI / 4;
        painter.drawLine(dial + QPointF(qCos(a) * 5.5, qSin(a) * 5.5),
                         dial + QPointF(qCos(a) * 7.5, qSin(a) * 7.5));
    }
    QPainterPath hub;
    hub.addEllipse(dial, 2.6, 2.6);
    painter.fillPath(hub, Art::signal);

    // Waves rising from the top right corner: the safe answers on the network.
    const QPointF source(50, 14);
    for (int ring = 0; ring < 3; ++ring) {
        const qreal r = 5 + ring * 4.5;
        QPainterPath wave;
        wave.arcMoveTo(QRectF(source.x() - r, source.y() - r, 2 * r, 2 * r), 10);
        wave.arcTo(QRectF(source.x() - r, source.y() - r, 2 * r, 2 * r), 10, 70);
        Art::strokeOutlined(painter, wave, 2.4, Art::signal, Art::signalDark);
    }
    painter.restore();
}
