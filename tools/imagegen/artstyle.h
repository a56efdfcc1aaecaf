#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>

class QPainter;

// Mid-tone fills with darker outlines read on light and on dark palettes alike.
namespace Art {

const QColor steel(0x5f, 0x80, 0xa3);
const QColor steelLight(0x8f, 0xab, 0xc7);
const QColor steelDark(0x2a, 0x3d, 0x52);
const QColor signal(0xe8, 0x8a, 0x2e);
const QColor signalDark(0x7a, 0x42, 0x0c);
const QColor leaf(0x3c, 0xa0, 0x6a);
const QColor leafDark(0x1a, 0x4d, 0x31);
const QColor line(0x8c, 0x95, 0x9f);
const QColor slate(0x7d, 0x92, 0xab);
const QColor slateDark(0x33, 0x43, 0x56);

QImage canvas(const QSize &size);
void strokeOutlined(QPainter &painter, const QPainterPath &path, qreal width, const QColor &fill,
                    const QColor &outline);
void fillOutlined(QPainter &painter, const QPainterPath &path, const QBrush &fill,
                  const QColor &outline, qreal outlineWidth);

} // namespace Art
