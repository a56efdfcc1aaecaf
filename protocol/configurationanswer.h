#pragma once

#include "scoutelcontainer.h"

// How a configuration request and its answer are judged, alike in the window
// and on the command line.
namespace ConfigurationAnswer {
// The apply bit is in every configuration: a target that carries nothing else
// would change nothing on its device.
bool hasSomethingToSend(const ScoutelSharedData &target);
bool succeeded(const ScoutelSharedData &answer);
// A device that refused for a reason other than its password may no longer be
// what the list shows (a restart, an expired session): the list is searched anew.
bool keepsDeviceList(const ScoutelSharedData &answer);
} // namespace ConfigurationAnswer
