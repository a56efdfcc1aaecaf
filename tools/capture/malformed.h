#pragma once

#include "pcapwriter.h"

#include <QList>

// One fault a datagram, made from a good search answer and a good
// configuration request, in this order: an empty field of an unknown tag at
// the end, an address of 3 bytes first, length field claiming more, a field
// running past the end, shorter than the header, no SCTL marker, fill that is
// not zero, payload not whole blocks.
QList<Datagram> malformedDatagrams(const Datagram &answer, const Datagram &request);
