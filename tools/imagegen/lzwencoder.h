#pragma once

#include <QByteArray>

// The variable-length LZW code stream of GIF image data, without the
// sub-block framing.
QByteArray lzwEncode(const QByteArray &indices, int minimumCodeSize);
