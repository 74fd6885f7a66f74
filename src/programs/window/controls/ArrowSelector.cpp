// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ArrowSelector.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <algorithm>

namespace kelvarin {

ArrowSelector::ArrowSelector(int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent),
      minimum_(minimum),
      maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)),
      down_(new QToolButton(this)),
      up_(new QToolButton(this)) {
    down_->setArrowType(Qt::LeftArrow);
    up_->setArrowType(Qt::RightArrow);
    for (QToolButton* arrow : {down_, up_}) {
        // Held down, an arrow keeps stepping, as a spin control's arrows do.
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(down_, &QToolButton::clicked, this, [this] { arrowClicked(down_, -1); });
    connect(up_, &QToolButton::clicked, this, [this] { arrowClicked(up_, +1); });
    setFocusPolicy(Qt::TabFocus);
}

void ArrowSelector::step(int delta) {
    const int next = std::clamp(position_ + delta, minimum_, maximum_);
    if (next == position_) {
        return;
    }
    position_ = next;
    emit positionChanged();
}

void ArrowSelector::arrowClicked(QToolButton* arrow, int delta) {
    // A modal window opened by a step (an error message) takes the mouse from the arrow, as it
    // takes the capture from a spin control: the held arrow stops instead of stepping on behind
    // the window and opening one message after another.
    if (QApplication::activeModalWidget() != nullptr) {
        arrow->setDown(false);
        return;
    }
    step(delta);
}

void ArrowSelector::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Left:
        case Qt::Key_Down:
            step(-1);
            break;
        case Qt::Key_Right:
        case Qt::Key_Up:
            step(+1);
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ArrowSelector::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = width() / 2;
    down_->setGeometry(0, 0, half, height());
    up_->setGeometry(half, 0, width() - half, height());
}

}  // namespace kelvarin
