#pragma once

#include <QRectF>

class QPainter;

// The program's mark: a safe with a dial, sending out waves.
void paintEmblem(QPainter &painter, const QRectF &box);
