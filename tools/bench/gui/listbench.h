#pragma once

#include "scoutel.h"

// The window, its Export List writing to a set file instead of asking.
class BenchWindow : public Scoutel
{
public:
    QString exportFile;

protected:
    QString askExportFileName() override { return exportFile; }
};

// With the rows of a search in place: how long Export List takes to write them
// as CSV and as JSON, typing into the find field until the tree is painted
// again, and a click on a column's title until the sorted tree is painted.
// False when an export failed.
bool benchList(BenchWindow &window);
