#pragma once

#include <QImage>

// Decorations of the device tree's branch area, sized for rows of about 20 px.
// The lines are stretched over the whole branch cell; the arrows are drawn
// centred at their own size.
QImage verticalLineImage();
QImage branchMoreImage();
QImage branchEndImage();
QImage branchClosedImage();
QImage branchOpenImage();
