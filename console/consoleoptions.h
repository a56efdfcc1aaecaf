#pragma once

#include "networkinterfaces.h"
#include "optionmap.h"
#include "scoutelcontainer.h"

// Settings of one command-line run taken from the options.
struct ConsoleSettings
{
    static constexpr int DefaultTimeout = 500;

    // Milliseconds: the search window, and again the wait for the configuration answer.
    int timeout = DefaultTimeout;
    // Print every device that answers and send nothing.
    bool listOnly = false;
    // List mode prints one JSON object per device on standard output.
    bool json = false;
    // List mode prints the remembered devices that did not answer instead.
    bool missing = false;
    // The interface index searches and the configuration go through.
    int interfaceIndex = NetworkInterfaces::SystemChoice;
    // --plan=FILE: preview the plan against the devices that answer, and
    // with --apply configure them by it.
    QString planFile;
    bool applyPlan = false;
};

// Prepares record as a fresh configuration and applies the options in their
// fixed order (X --json --interface t x n d i m g p1 p2 ph s p k r). Stops at the first invalid
// value and returns its message; empty when every value was valid.
// Option f is the caller's: it needs the finished record.
QString applyConsoleOptions(const OptionMap &options, ConsoleSettings &settings,
                            ScoutelContainer &record);
