#include "randomsource.h"

#include <QRandomGenerator>

namespace {
QRandomGenerator &generator()
{
    static QRandomGenerator instance(1u);
    return instance;
}
} // namespace

void RandomSource::seed(quint32 value)
{
    generator().seed(value);
}

quint32 RandomSource::next()
{
    return generator().generate();
}
