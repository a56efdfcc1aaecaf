#include "skbackgroundanimation.h"

#include "skmovie.h"

#include <QPaintEvent>
#include <QPainter>

SkBackgroundAnimation::SkBackgroundAnimation(QWidget *paintTarget) : target(paintTarget) {}

SkBackgroundAnimation::~SkBackgroundAnimation() = default;

bool SkBackgroundAnimation::setMovie(const QString &fileName)
{
    movie = std::make_unique<SkMovie>(fileName);
    if (!target)
        return false;
    return bool(QObject::connect(movie.get(), &SkMovie::frameChanged, target.data(),
                                 qOverload<>(&QWidget::update)));
}

void SkBackgroundAnimation::addImage(const QString &fileName, int index)
{
    images.insert(index, QPixmap(fileName));
}

void SkBackgroundAnimation::setAnimated(bool on, bool start)
{
    if (on) {
        imageIndex = -1;
        if (start && movie)
            movie->start();
    } else if (movie) {
        movie->stop();
    }
    animating = on;
    updateTarget();
}

void SkBackgroundAnimation::showImage(bool show, int index)
{
    if (show) {
        animating = false;
        imageIndex = index;
    } else {
        imageIndex = -1;
    }
    updateTarget();
}

void SkBackgroundAnimation::hideImage()
{
    imageIndex = -1;
    updateTarget();
}

void SkBackgroundAnimation::startMovie()
{
    if (!movie)
        return;
    movie->start();
    animating = true;
}

void SkBackgroundAnimation::stopMovie()
{
    if (movie)
        movie->stop();
}

void SkBackgroundAnimation::paint(QPaintEvent *event)
{
    const QPixmap picture = currentPicture();
    if (picture.isNull() || !target)
        return;
    QRect area = picture.rect();
    area.moveCenter(target->rect().center());
    if (!area.intersects(event->rect()))
        return;
    QPainter painter(target);
    painter.drawPixmap(area.topLeft(), picture);
}

QPixmap SkBackgroundAnimation::currentPicture() const
{
    if (animating && movie)
        return movie->currentPixmap();
    if (imageIndex >= 0)
        return images.value(imageIndex);
    return QPixmap();
}

void SkBackgroundAnimation::updateTarget()
{
    if (target)
        target->update();
}
