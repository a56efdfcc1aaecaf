#pragma once

#include "site.h"

#include <QList>
#include <QString>

// What `tshark -T fields -E aggregator=' '` must print of well-formed frames
// under the dissector, as the program itself reads them: a line of field
// names, then one line per frame, tab-separated.
QString expectedFields(const QList<Frame> &frames);
