#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Encodes equally sized frames as a looping GIF89a animation. Pixels with
// alpha below one half become transparent; the rest keep their colour, of
// which there may be at most 255 distinct values over all frames.
class GifWriter
{
public:
    explicit GifWriter(int frameDelayMs);

    bool encode(const QList<QImage> &frames, QByteArray *out);
    QString errorString() const { return error; }

private:
    int delayMs;
    QString error;
};
