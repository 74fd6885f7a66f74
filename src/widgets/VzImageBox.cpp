// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/VzImageBox.h"

#include "widgets/FlagScope.h"
#include "widgets/ImageLayout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cstdlib>
#include <stdexcept>

namespace kelvarin {

namespace {

// One notch of an ordinary mouse wheel; finer wheels add up to it.
constexpr int kWheelNotch = 120;

}  // namespace

TVzImageBox::TVzImageBox(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);

    // What the picture does not cover stays black.
    QPalette palette = viewport()->palette();
    palette.setColor(viewport()->backgroundRole(), Qt::black);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);

    image_ = new TVzImage(viewport());
    image_->SetIncrementalDisplay(true);
    image_->installEventFilter(this);
    connect(image_, &TVzImage::OnProgress, this, [this] { viewport()->repaint(); });

    // The scroll bar moves first; the notification follows once the view has moved.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setTracking(true);
        bar->installEventFilter(this);
        bar->setSingleStep(kScrollStep);
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] {
            QMetaObject::invokeMethod(this, &TVzImageBox::OnScroll, Qt::QueuedConnection);
        });
    }
}

TVzImageBox::~TVzImageBox() {
    RestoreScreenCursor();
}

void TVzImageBox::SetImageFitToWindow(bool value) {
    if (fitToWindow_ == value) {
        return;
    }
    fitToWindow_ = value;
    if (!fitToWindow_) {
        imageScale_ = 100;
    }
    LayoutImage(true);
}

void TVzImageBox::SetImageFitOnlyBig(bool value) {
    if (fitOnlyBig_ != value) {
        fitOnlyBig_ = value;
        LayoutImage(true);
    }
}

void TVzImageBox::SetImageCenter(bool value) {
    if (center_ != value) {
        center_ = value;
        LayoutImage(true);
    }
}

void TVzImageBox::SetFocusable(bool value) {
    focusable_ = value;
    setFocusPolicy(focusable_ ? Qt::StrongFocus : Qt::TabFocus);
}

void TVzImageBox::SetImageScale(int value) {
    if (value < kMinImageScale || value > kMaxImageScale) {
        throw std::invalid_argument("Invalid scale value");
    }
    if (value == imageScale_) {
        return;
    }
    imageScale_ = value;
    fitToWindow_ = false;
    LayoutImage(false);
    emit OnOptionsChange();
}

void TVzImageBox::StepImageScale(bool up) {
    if (const auto step = NextScaleStep(imageScale_, up)) {
        SetImageScale(*step);
    }
}

void TVzImageBox::ResetImageView() {
    imageWidth_ = 0;
    imageHeight_ = 0;
    imageScale_ = 100;
    if (!image_->HasGraphic()) {
        return;
    }
    imageWidth_ = image_->Picture().width();
    imageHeight_ = image_->Picture().height();
    LayoutImage(true);
}

void TVzImageBox::LayoutImage(bool reset) {
    LayoutAbout(reset, ClientSize(horizontalBar_, verticalBar_));
}

void TVzImageBox::LayoutAbout(bool reset, QSize viewClient) {
    LayoutInput in;
    in.client = viewClient;
    in.fullClient = ClientSize(false, false);
    in.barExtent = BarExtent();
    in.control = image_->geometry();
    in.scrollPos = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    in.reset = reset;
    in.keepPosition = keepPosition_;
    in.fitToWindow = fitToWindow_;
    in.fitOnlyBig = fitOnlyBig_;
    in.center = center_;
    in.imageWidth = imageWidth_;
    in.imageHeight = imageHeight_;
    in.imageScale = imageScale_;
    const LayoutResult out = ComputeLayout(in);

    FlagScope layout(inLayout_);
    image_->SetAutoSize(!fitToWindow_ && imageScale_ == 100);
    image_->SetStretch(!image_->AutoSize());
    imageScale_ = out.imageScale;
    autoScroll_ = out.autoScroll;
    content_ = out.content;
    ShowBars(out.horizontalBar, out.verticalBar, out.maxScroll, out.client);
    horizontalScrollBar()->setValue(out.scrollPos.x());
    verticalScrollBar()->setValue(out.scrollPos.y());
    PlaceImage();
}

QSize TVzImageBox::ClientSize(bool horizontalBar, bool verticalBar) const {
    const QMargins margins = viewportMargins();
    const QSize extent = BarExtent();
    const QRect inner = contentsRect();
    const int w =
        inner.width() - margins.left() - margins.right() - (verticalBar ? extent.width() : 0);
    const int h =
        inner.height() - margins.top() - margins.bottom() - (horizontalBar ? extent.height() : 0);
    return QSize(std::max(w, 0), std::max(h, 0));
}

QSize TVzImageBox::BarExtent() const {
    return QSize(verticalScrollBar()->sizeHint().width(),
                 horizontalScrollBar()->sizeHint().height());
}

void TVzImageBox::ShowBars(bool horizontal, bool vertical, QPoint maxScroll, QSize client) {
    horizontalBar_ = horizontal;
    verticalBar_ = vertical;
    laidClient_ = client;
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    horizontalScrollBar()->setRange(0, maxScroll.x());
    verticalScrollBar()->setRange(0, maxScroll.y());
    horizontalScrollBar()->setPageStep(std::max(client.width(), 1));
    verticalScrollBar()->setPageStep(std::max(client.height(), 1));
}

void TVzImageBox::FollowImageResize() {
    // The control resized itself to a new picture: the scroll range follows its extent.
    FlagScope layout(inLayout_);
    content_.setSize(image_->size());
    bool horizontal = false;
    bool vertical = false;
    const QSize full = ClientSize(false, false);
    const QSize extent(content_.x() + content_.width(), content_.y() + content_.height());
    if (autoScroll_) {
        ScrollBarsFor(extent, full, BarExtent(), horizontal, vertical);
    }
    const QSize client = ClientSize(horizontal, vertical);
    QPoint maxScroll;
    if (autoScroll_) {
        maxScroll = QPoint(std::max(extent.width() - client.width(), 0),
                           std::max(extent.height() - client.height(), 0));
    }
    ShowBars(horizontal, vertical, maxScroll, client);
    PlaceImage();
}

void TVzImageBox::PlaceImage() {
    image_->setGeometry(
        content_.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

void TVzImageBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // Bars shown or hidden by the layout itself resize the viewport too; that is no new size.
    if (!inLayout_) {
        // The point to keep is the middle of the view as it was before the resize: measured
        // against the new size it would sit half the change off, and the view would stay
        // pinned at its top-left corner instead of around its centre.
        LayoutAbout(false,
                    laidClient_.isValid() ? laidClient_ : ClientSize(horizontalBar_, verticalBar_));
    }
}

void TVzImageBox::scrollContentsBy(int, int) {
    // The picture control moves with the scroll; the viewport itself is not scrolled.
    if (!inLayout_) {
        PlaceImage();
    }
}

void TVzImageBox::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const bool plain = modifiers == Qt::NoModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    const QSize client = ClientSize(horizontalBar_, verticalBar_);

    // An arrow steps by kScrollStep without modifiers and jumps to the end it points at with
    // Ctrl; any other modifier lets the key pass.
    const auto arrow = [&](QScrollBar* bar, int direction) {
        if (plain) {
            bar->setValue(bar->value() + direction * kScrollStep);
        } else if (ctrl) {
            bar->setValue(direction < 0 ? 0 : bar->maximum());
        }
        return plain || ctrl;
    };

    bool acted = true;
    switch (event->key()) {
        case Qt::Key_Left:
            acted = arrow(horizontal, -1);
            break;
        case Qt::Key_Right:
            acted = arrow(horizontal, +1);
            break;
        case Qt::Key_Up:
            acted = arrow(vertical, -1);
            break;
        case Qt::Key_Down:
            acted = arrow(vertical, +1);
            break;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            acted = plain;
            if (plain) {
                const int step = PageStep(client.height());
                vertical->setValue(vertical->value() +
                                   (event->key() == Qt::Key_PageUp ? -step : step));
            }
            break;
        case Qt::Key_Home:
        case Qt::Key_End:
            acted = plain;
            if (plain) {
                const int step = PageStep(client.width());
                horizontal->setValue(horizontal->value() +
                                     (event->key() == Qt::Key_Home ? -step : step));
            }
            break;
        default:
            acted = false;
            break;
    }
    if (!acted) {
        // Not the scroll area's own key handling: that would scroll on any modifier.
        QFrame::keyPressEvent(event);
        return;
    }
    event->accept();
    emit OnScroll();
}

void TVzImageBox::wheelEvent(QWheelEvent* event) {
    event->accept();
    // Some systems turn Shift and the wheel into a sideways turn.
    const QPoint angle = event->angleDelta();
    const bool sideways = angle.y() == 0 && (event->modifiers() & Qt::ShiftModifier);
    wheelAccumulator_ += sideways ? angle.x() : angle.y();
    while (std::abs(wheelAccumulator_) >= kWheelNotch) {
        const bool up = wheelAccumulator_ > 0;
        wheelAccumulator_ += up ? -kWheelNotch : kWheelNotch;
        WheelStep(up, event->modifiers(), event->buttons());
    }
}

void TVzImageBox::WheelStep(bool up, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    // The state counts as a whole: keys and mouse buttons alike.
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    buttons &= Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
    const bool noButtons = buttons == Qt::NoButton;
    const int delta = up ? -kScrollStep : kScrollStep;

    if (modifiers == Qt::NoModifier && noButtons) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
        emit OnScroll();
    } else if (modifiers == Qt::ShiftModifier && noButtons) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta);
        emit OnScroll();
    } else if ((modifiers == Qt::ControlModifier && noButtons) || leftButtonHeld_) {
        StepImageScale(up);
        // A zoom ends the pan; the pointer no longer moves the picture until a new press.
        dragActive_ = false;
        if (leftButtonHeld_) {
            SetScreenCursor(scaleCursor_);
        }
    }
}

void TVzImageBox::mousePressEvent(QMouseEvent* event) {
    QAbstractScrollArea::mousePressEvent(event);
    if (focusable_) {
        setFocus(Qt::MouseFocusReason);
    }
}

void TVzImageBox::hideEvent(QHideEvent* event) {
    // A hidden box gets no release: do not leave the application's cursor changed.
    EndLeftHold();
    QAbstractScrollArea::hideEvent(event);
}

bool TVzImageBox::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over a scroll bar acts as anywhere else on the box.
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == image_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                ImageMousePress(static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseMove:
                ImageMouseMove(static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    EndLeftHold();
                }
                return true;
            case QEvent::Resize:
                if (!inLayout_) {
                    FollowImageResize();
                }
                break;
            default:
                break;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TVzImageBox::ImageMousePress(QMouseEvent* event) {
    if (focusable_) {
        setFocus(Qt::MouseFocusReason);
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    leftButtonHeld_ = true;
    // Moves without a button must arrive too, to notice a release that went elsewhere.
    image_->setMouseTracking(true);
    if (drag_) {
        dragActive_ = true;
        dragOrigin_ = event->position().toPoint();
        SetScreenCursor(dragCursor_);
    }
}

void TVzImageBox::ImageMouseMove(QMouseEvent* event) {
    if (leftButtonHeld_ && !(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (the grab was taken away): the hold is over.
        EndLeftHold();
        return;
    }
    if (drag_ && dragActive_) {
        const QPoint at = event->position().toPoint();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dragOrigin_.x() - at.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dragOrigin_.y() - at.y());
    }
}

void TVzImageBox::EndLeftHold() {
    leftButtonHeld_ = false;
    dragActive_ = false;
    image_->setMouseTracking(false);
    RestoreScreenCursor();
}

void TVzImageBox::SetScreenCursor(const QCursor& cursor) {
    if (cursorOverridden_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        cursorOverridden_ = true;
    }
}

void TVzImageBox::RestoreScreenCursor() {
    if (cursorOverridden_) {
        QGuiApplication::restoreOverrideCursor();
        cursorOverridden_ = false;
    }
}

}  // namespace kelvarin
