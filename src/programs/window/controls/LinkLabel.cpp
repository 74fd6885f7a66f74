// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/LinkLabel.h"

#include <QMouseEvent>

namespace kelvarin {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setColour(kBlue);
}

void LinkLabel::setColour(const QColor& colour) {
    colour_ = colour;
    QPalette look = palette();
    look.setColor(QPalette::WindowText, colour);
    setPalette(look);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        leftPressed_ = true;
    }
    setColour(kRed);
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        // The label holds the mouse while its left button is down, so this release always
        // comes here; only one inside the label opens the link, and the link stays red
        // while the desktop is asked.
        const bool click = leftPressed_ && inside;
        leftPressed_ = false;
        if (click) {
            emit clicked();
        }
        setColour(kPurple);
    } else if (inside) {
        setColour(kPurple);
    }
    event->accept();
}

}  // namespace kelvarin
