#pragma once

// What the program is asked to do, read from its raw arguments before any
// application object exists.
enum class ProgramMode { Graphical, Console, Help, Version, History, Forget };

// --help, --version and --forget=MAC count only as the single argument;
// otherwise any argument beginning with "-x=", "-X" or "--plan=" selects the
// command-line mode; else --history anywhere prints the operation log.
ProgramMode chooseProgramMode(int argc, const char *const *argv);
