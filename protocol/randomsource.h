#pragma once

#include <QtGlobal>

// The process-wide pseudo-random source: sequence numbers, file stamps and the
// cipher's random byte all draw from it, and the program reseeds it at start.
namespace RandomSource {
void seed(quint32 value);
quint32 next();
} // namespace RandomSource
