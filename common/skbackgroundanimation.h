#pragma once

#include <QHash>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <memory>

class QPaintEvent;
class SkMovie;

// Paints a centred, unscaled picture behind a widget's content: the current
// frame of a waiting movie, or a still picture chosen by index.
class SkBackgroundAnimation
{
public:
    explicit SkBackgroundAnimation(QWidget *paintTarget);
    virtual ~SkBackgroundAnimation();

    bool setMovie(const QString &fileName);
    void addImage(const QString &fileName, int index);
    void setAnimated(bool on, bool start);
    void showImage(bool show, int index);
    void hideImage();
    void startMovie();
    void stopMovie();
    void paint(QPaintEvent *event);

private:
    QPixmap currentPicture() const;
    void updateTarget();

    QPointer<QWidget> target;
    bool animating = false;
    std::unique_ptr<SkMovie> movie;
    qint32 imageIndex = -1;
    QHash<int, QPixmap> images;
};
