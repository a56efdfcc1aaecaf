#pragma once

#include "pcapwriter.h"

#include <QList>

// One fault a datagram, made from a good search answer and a good
// configuration request, in this order: unknown tag, address of 3 bytes,
// length field claiming more, field running past the end, shorter than the
// header, no SCTL marker, fill that is not zero, payload not whole blocks.
QList<Datagram> malformedDatagrams(const Datagram &answer, const Datagram &request);
