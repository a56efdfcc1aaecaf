#pragma once

#include <QMap>
#include <QString>

// Option key to value; a later occurrence of a key replaces the earlier value.
using OptionMap = QMap<QString, QString>;

// Splits "-key=value" and "-key" arguments from index 1 on. Arguments not
// beginning with "-" are skipped; "-key=" keeps the "=" in the key.
OptionMap splitArguments(int argc, const char *const *argv);
