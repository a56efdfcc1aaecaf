#pragma once

#include <QtGlobal>

// The source of the protocol's sequence numbers, reseeded at start. Nothing
// else draws from it, so a run's numbers follow from its seed alone.
namespace RandomSource {
void seed(quint32 value);
quint32 next();
} // namespace RandomSource
