#include "artstyle.h"

#include <QPainter>

namespace Art {

QImage canvas(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void strokeOutlined(QPainter &painter, const QPainterPath &path, qreal width, const QColor &fill,
                    const QColor &outline)
{
    painter.strokePath(path,
                       QPen(outline, width + 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.strokePath(path, QPen(fill, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void fillOutlined(QPainter &painter, const QPainterPath &path, const QBrush &fill,
                  const QColor &outline, qreal outlineWidth)
{
    painter.fillPath(path, fill);
    painter.strokePath(path,
                       QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace Art
