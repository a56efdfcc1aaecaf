#include "sktreewidget.h"

SkTreeWidget::SkTreeWidget(QWidget *parent) : QTreeWidget(parent), SkBackgroundAnimation(viewport())
{}

void SkTreeWidget::paintEvent(QPaintEvent *event)
{
    // The picture goes first so rows, selection and grid lie over it.
    paint(event);
    QTreeWidget::paintEvent(event);
}
