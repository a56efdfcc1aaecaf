#pragma once

#include <QImage>

// Flag icons of the shipped languages for the language menu, 32 x 32 with the
// flag centred and outlined so a white stripe shows on a light menu.
QImage italianFlag();
QImage germanFlag();
QImage englishFlag();
