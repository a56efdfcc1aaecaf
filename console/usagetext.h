#pragma once

#include <QCoreApplication>
#include <QString>

// What --help and --version print.
class UsageText
{
    Q_DECLARE_TR_FUNCTIONS(ScoutelConsole)

public:
    static QString help();
    static QString version();

private:
    // The device memory's file and options.
    static QString memoryHelp();
};
