// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace kelvarin {

// A pair of horizontal arrow buttons without a field: left steps down, right steps up, one at
// a time, without wrapping. positionChanged fires only when a step changed the position.
class ArrowSelector : public QWidget {
    Q_OBJECT
public:
    ArrowSelector(int minimum, int maximum, int position, QWidget* parent = nullptr);

    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // The user's step by one arrow.
    void step(int delta);

    QToolButton* downArrow() const { return down_; }
    QToolButton* upArrow() const { return up_; }

signals:
    void positionChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrowClicked(QToolButton* arrow, int delta);

    int minimum_;
    int maximum_;
    int position_;
    QToolButton* down_;
    QToolButton* up_;
};

}  // namespace kelvarin
