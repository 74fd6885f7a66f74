// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

namespace kelvarin {

// A label that acts as a web link: blue until pressed, red while a button is held on it,
// purple once released, and that colour stays. A left click inside it asks for the link.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    QColor colour() const { return colour_; }

    static inline const QColor kBlue{0, 0, 255};
    static inline const QColor kRed{255, 0, 0};
    static inline const QColor kPurple{128, 0, 128};

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setColour(const QColor& colour);

    QColor colour_;
    bool leftPressed_ = false;
};

}  // namespace kelvarin
