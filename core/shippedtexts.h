#pragma once

#include <QStringList>

// The window's texts in every shipped language, read from the catalogues
// beside the program without installing them: a list exported in any of them
// reads back whatever language the program runs in now.
namespace ShippedTexts {

// The source text and each catalogue's translation of it in the window's context.
QStringList everyLanguage(const char *source);

} // namespace ShippedTexts
