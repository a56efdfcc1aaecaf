#pragma once

#include <QMovie>

// A movie that announces each new frame without arguments, so the change can
// be connected straight to a widget's update().
class SkMovie : public QMovie
{
    Q_OBJECT

public:
    explicit SkMovie(const QString &fileName);

Q_SIGNALS:
    void frameChanged();

public Q_SLOTS:
    void convertFrameChanged(int frameNumber);
};
