#include "skmovie.h"

SkMovie::SkMovie(const QString &fileName) : QMovie(fileName)
{
    connect(this, &QMovie::frameChanged, this, &SkMovie::convertFrameChanged);
}

void SkMovie::convertFrameChanged(int frameNumber)
{
    Q_UNUSED(frameNumber)
    Q_EMIT frameChanged();
}
