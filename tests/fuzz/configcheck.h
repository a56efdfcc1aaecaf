#pragma once

#include "configreader.h"

// What every reading of a configuration file must give, whatever the file held.
void checkConfigRead(const ConfigReadResult &result, const QByteArray &document);
