#pragma once

#include <QByteArray>

// Reverses qCompress: a 4-byte big-endian size, then a zlib stream. The output
// grows only as the stream really delivers data. Gives an empty array when the
// claimed or real size exceeds limit, when the two differ, or when the stream is
// damaged or incomplete.
QByteArray boundedUncompress(const QByteArray &compressed, qsizetype limit);
