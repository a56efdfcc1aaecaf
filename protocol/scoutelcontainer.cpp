#include "scoutelcontainer.h"

#include "resultcodes.h"

QString ScoutelSharedData::resultText() const
{
    return ResultCodes::plainText(result);
}

ScoutelContainer::ScoutelContainer() : d(new ScoutelSharedData) {}
