#include "programmode.h"

#include <cstring>

namespace {
bool startsWith(const char *argument, const char *prefix)
{
    return std::strncmp(argument, prefix, std::strlen(prefix)) == 0;
}
} // namespace

ProgramMode chooseProgramMode(int argc, const char *const *argv)
{
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        return ProgramMode::Help;
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        return ProgramMode::Version;
    if (argc == 2 && startsWith(argv[1], "--forget="))
        return ProgramMode::Forget;
    bool history = false;
    for (int i = 1; i < argc; ++i) {
        if (startsWith(argv[i], "-x=") || startsWith(argv[i], "-X") ||
            startsWith(argv[i], "--plan="))
            return ProgramMode::Console;
        history = history || std::strcmp(argv[i], "--history") == 0;
    }
    return history ? ProgramMode::History : ProgramMode::Graphical;
}
