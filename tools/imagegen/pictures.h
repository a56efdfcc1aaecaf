#pragma once

#include <QImage>
#include <QList>

// Also the launcher icon, drawn at each size of the icon theme.
QImage windowIcon(int side = 64);
// About box picture, 200 px wide.
QImage logoPicture();
// Shown behind an empty device list after a search that found nothing.
QImage nothingPicture();
// Frames of the waiting animation, one turn in all.
QList<QImage> loadingFrames();
