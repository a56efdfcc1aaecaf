#pragma once

// The command-line mode reports through the debug channel. Qt may send that
// channel to the system journal when standard error is not a terminal, which
// would hide the report from a script reading a pipe or a file, so every
// message goes to standard error, flushed at once. Call before the
// application object exists.
void routeDebugOutputToStandardError();
