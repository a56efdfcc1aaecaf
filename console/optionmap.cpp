#include "optionmap.h"

OptionMap splitArguments(int argc, const char *const *argv)
{
    OptionMap options;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-')
            continue;
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.size() < 2)
            continue;
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        if (equals >= 0 && equals < argument.size() - 1)
            options.insert(argument.mid(1, equals - 1), argument.mid(equals + 1));
        else
            options.insert(argument.mid(1), QString());
    }
    return options;
}
