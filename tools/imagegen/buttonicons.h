#pragma once

#include <QImage>

// 32 x 32 tool button icons.
QImage refreshIcon();
QImage editIcon();
QImage menuIcon();
