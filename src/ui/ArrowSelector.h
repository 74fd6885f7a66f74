// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QToolButton;

namespace kelvarin {

// A pair of horizontal arrow buttons without a field: left steps down, right steps up, one at
// a time, without wrapping. Clicked fires only when an arrow changed the position.
class ArrowSelector : public QWidget {
    Q_OBJECT
public:
    ArrowSelector(int minimum, int maximum, int position, QWidget* parent = nullptr);

    int Position() const { return position_; }
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }

    // The user's step by one arrow.
    void Step(int delta);

    QToolButton* DownArrow() const { return down_; }
    QToolButton* UpArrow() const { return up_; }

signals:
    void Clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ArrowClicked(QToolButton* arrow, int delta);

    int minimum_;
    int maximum_;
    int position_;
    QToolButton* down_;
    QToolButton* up_;
};

}  // namespace kelvarin
