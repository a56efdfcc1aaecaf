#pragma once

#include "skbackgroundanimation.h"

#include <QTreeWidget>

// A tree that shows a waiting animation or a still picture behind its rows.
class SkTreeWidget : public QTreeWidget, public SkBackgroundAnimation
{
    Q_OBJECT

public:
    explicit SkTreeWidget(QWidget *parent = nullptr);

    // Both bases name a setAnimated: the view's expand animation takes one
    // argument, the background's two.
    using QTreeView::setAnimated;
    using SkBackgroundAnimation::setAnimated;

protected:
    void paintEvent(QPaintEvent *event) override;
};
