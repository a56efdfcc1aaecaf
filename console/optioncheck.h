#pragma once

#include "configurationrules.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The command line's wording of a refused option value. Messages name the
// option, never a password's value.
class OptionCheck
{
    Q_DECLARE_TR_FUNCTIONS(ScoutelConsole)

public:
    static QString message(const ConfigurationRules::Problem &problem);
    // Empty when the timeout can be waited for.
    static QString checkTimeout(int milliseconds);
    // A name --interface does not know, with the names it knows.
    static QString unknownInterface(const QString &name, const QStringList &usableNames);
};
