#pragma once

#include "scoutel.h"

#include <functional>

// One search by the window: when its last row was painted (µs after the
// request, -1 when not within the period) and the longest stall meanwhile.
struct Search
{
    qint64 shownUs = -1;
    qint64 longestStallUs = 0;
};
using SearchOnce = std::function<Search(Scoutel &, int devices)>;

// A device memory of 10,000 devices, 2,000 of them the loopback fleet: how
// long saving and loading it take; how soon the window is shown without the
// file and with it; then a search of the 2,000 against it, without and with
// the greyed rows of the 8,000 missing. False when a step failed.
bool benchMemory(const SearchOnce &searchOnce);
