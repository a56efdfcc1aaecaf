#pragma once

#include <QString>

// scoutel --forget=MAC: removes one device from the memory file and tells so
// on standard error. Returns the exit status: 0 forgotten, 1 not remembered,
// 255 (-1) for a MAC that is none or a memory that cannot be written.
int forgetDevice(const QString &macText);
