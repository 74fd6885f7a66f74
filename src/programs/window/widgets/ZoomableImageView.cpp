// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ZoomableImageView.h"

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

ZoomableImageView::ZoomableImageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);

    // What the picture does not cover stays black.
    QPalette palette = viewport()->palette();
    palette.setColor(viewport()->backgroundRole(), Qt::black);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);

    pictureWidget_ = new PictureWidget(viewport());
    pictureWidget_->setIncrementalDisplay(true);
    pictureWidget_->installEventFilter(this);

    // The scroll bar moves first; the notification follows once the view has moved.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
        bar->setTracking(true);
        bar->installEventFilter(this);
        bar->setSingleStep(kScrollStep);
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] {
            QMetaObject::invokeMethod(this, &ZoomableImageView::scrollPositionChanged,
                                      Qt::QueuedConnection);
        });
    }
}

ZoomableImageView::~ZoomableImageView() {
    restoreScreenCursor();
}

void ZoomableImageView::setFitToWindow(bool value) {
    if (fitToWindow_ == value) {
        return;
    }
    fitToWindow_ = value;
    if (!fitToWindow_) {
        zoomPercent_ = 100;
    }
    layoutPicture(true);
}

void ZoomableImageView::setFitOnlyLarger(bool value) {
    if (fitOnlyLarger_ != value) {
        fitOnlyLarger_ = value;
        layoutPicture(true);
    }
}

void ZoomableImageView::setCentered(bool value) {
    if (centered_ != value) {
        centered_ = value;
        layoutPicture(true);
    }
}

void ZoomableImageView::setPictureMargin(int pixels) {
    if (pictureWidget_->margin() != pixels) {
        pictureWidget_->setMargin(pixels);
        layoutPicture(false);
    }
}

void ZoomableImageView::setFocusable(bool value) {
    focusable_ = value;
    setFocusPolicy(focusable_ ? Qt::StrongFocus : Qt::TabFocus);
}

void ZoomableImageView::setZoomPercent(int value) {
    if (value < kMinZoomPercent || value > kMaxZoomPercent) {
        throw std::invalid_argument("Invalid scale value");
    }
    if (value == zoomPercent_) {
        return;
    }
    zoomPercent_ = value;
    fitToWindow_ = false;
    layoutPicture(false);
    emit zoomChanged(zoomPercent_);
}

void ZoomableImageView::stepZoom(bool zoomIn) {
    if (const auto step = nextZoomStep(zoomPercent_, zoomIn)) {
        setZoomPercent(*step);
    }
}

void ZoomableImageView::resetView() {
    pictureWidth_ = 0;
    pictureHeight_ = 0;
    zoomPercent_ = 100;
    if (!pictureWidget_->hasPicture()) {
        return;
    }
    pictureWidth_ = pictureWidget_->picture().width();
    pictureHeight_ = pictureWidget_->picture().height();
    layoutPicture(true);
}

void ZoomableImageView::layoutPicture(bool reset) {
    layoutAbout(reset, clientSize(horizontalBar_, verticalBar_));
}

void ZoomableImageView::layoutAbout(bool reset, QSize viewClient) {
    LayoutInput in;
    in.client = viewClient;
    in.fullClient = clientSize(false, false);
    in.barExtent = barExtent();
    in.control = pictureWidget_->geometry();
    in.scrollPos = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    in.reset = reset;
    in.keepPosition = keepPosition_;
    in.fitToWindow = fitToWindow_;
    in.fitOnlyLarger = fitOnlyLarger_;
    in.centered = centered_;
    in.pictureWidth = pictureWidth_;
    in.pictureHeight = pictureHeight_;
    in.zoomPercent = zoomPercent_;
    in.margin = pictureWidget_->margin();
    const LayoutResult out = computeLayout(in);

    FlagScope layout(inLayout_);
    pictureWidget_->setAutoSize(!fitToWindow_ && zoomPercent_ == 100);
    pictureWidget_->setStretch(!pictureWidget_->autoSize());
    zoomPercent_ = out.zoomPercent;
    autoScroll_ = out.autoScroll;
    content_ = out.content;
    showBars(out.horizontalBar, out.verticalBar, out.maxScroll, out.client);
    horizontalScrollBar()->setValue(out.scrollPos.x());
    verticalScrollBar()->setValue(out.scrollPos.y());
    placePicture();
}

QSize ZoomableImageView::clientSize(bool horizontalBar, bool verticalBar) const {
    const QMargins margins = viewportMargins();
    const QSize extent = barExtent();
    const QRect inner = contentsRect();
    const int w =
        inner.width() - margins.left() - margins.right() - (verticalBar ? extent.width() : 0);
    const int h =
        inner.height() - margins.top() - margins.bottom() - (horizontalBar ? extent.height() : 0);
    return QSize(std::max(w, 0), std::max(h, 0));
}

QSize ZoomableImageView::barExtent() const {
    return QSize(verticalScrollBar()->sizeHint().width(),
                 horizontalScrollBar()->sizeHint().height());
}

void ZoomableImageView::showBars(bool horizontal, bool vertical, QPoint maxScroll, QSize client) {
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

void ZoomableImageView::followPictureResize() {
    // The control resized itself to a new picture: the scroll range follows its extent.
    FlagScope layout(inLayout_);
    content_.setSize(pictureWidget_->size());
    bool horizontal = false;
    bool vertical = false;
    const QSize full = clientSize(false, false);
    const QSize extent(content_.x() + content_.width(), content_.y() + content_.height());
    if (autoScroll_) {
        scrollBarsFor(extent, full, barExtent(), horizontal, vertical);
    }
    const QSize client = clientSize(horizontal, vertical);
    QPoint maxScroll;
    if (autoScroll_) {
        maxScroll = QPoint(std::max(extent.width() - client.width(), 0),
                           std::max(extent.height() - client.height(), 0));
    }
    showBars(horizontal, vertical, maxScroll, client);
    placePicture();
}

void ZoomableImageView::placePicture() {
    pictureWidget_->setGeometry(
        content_.translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value()));
}

void ZoomableImageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    // Bars shown or hidden by the layout itself resize the viewport too; that is no new size.
    if (!inLayout_) {
        // The point to keep is the middle of the view as it was before the resize: measured
        // against the new size it would sit half the change off, and the view would stay
        // pinned at its top-left corner instead of around its centre.
        layoutAbout(false,
                    laidClient_.isValid() ? laidClient_ : clientSize(horizontalBar_, verticalBar_));
    }
}

void ZoomableImageView::scrollContentsBy(int, int) {
    // The picture control moves with the scroll; the viewport itself is not scrolled.
    if (!inLayout_) {
        placePicture();
    }
}

void ZoomableImageView::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers =
        event->modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    const bool plain = modifiers == Qt::NoModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    QScrollBar* horizontal = horizontalScrollBar();
    QScrollBar* vertical = verticalScrollBar();
    const QSize client = clientSize(horizontalBar_, verticalBar_);

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
                const int step = pageStep(client.height());
                vertical->setValue(vertical->value() +
                                   (event->key() == Qt::Key_PageUp ? -step : step));
            }
            break;
        case Qt::Key_Home:
        case Qt::Key_End:
            acted = plain;
            if (plain) {
                const int step = pageStep(client.width());
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
        QFrame::keyPressEvent(event);  // NOLINT(bugprone-parent-virtual-call)
        return;
    }
    event->accept();
    emit scrollPositionChanged();
}

void ZoomableImageView::wheelEvent(QWheelEvent* event) {
    event->accept();
    // Some systems turn Shift and the wheel into a sideways turn.
    const QPoint angle = event->angleDelta();
    const bool sideways = angle.y() == 0 && (event->modifiers() & Qt::ShiftModifier);
    wheelAccumulator_ += sideways ? angle.x() : angle.y();
    while (std::abs(wheelAccumulator_) >= kWheelNotch) {
        const bool up = wheelAccumulator_ > 0;
        wheelAccumulator_ += up ? -kWheelNotch : kWheelNotch;
        wheelStep(up, event->modifiers(), event->buttons());
    }
}

void ZoomableImageView::wheelStep(bool up, Qt::KeyboardModifiers modifiers,
                                  Qt::MouseButtons buttons) {
    // The state counts as a whole: keys and mouse buttons alike.
    modifiers &= Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    buttons &= Qt::LeftButton | Qt::RightButton | Qt::MiddleButton;
    const bool noButtons = buttons == Qt::NoButton;
    const int delta = up ? -kScrollStep : kScrollStep;

    if (modifiers == Qt::NoModifier && noButtons) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
        emit scrollPositionChanged();
    } else if (modifiers == Qt::ShiftModifier && noButtons) {
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + delta);
        emit scrollPositionChanged();
    } else if ((modifiers == Qt::ControlModifier && noButtons) || leftButtonHeld_) {
        stepZoom(up);
        // A zoom ends the pan; the pointer no longer moves the picture until a new press.
        dragActive_ = false;
        if (leftButtonHeld_) {
            setScreenCursor(zoomCursor_);
        }
    }
}

void ZoomableImageView::mousePressEvent(QMouseEvent* event) {
    QAbstractScrollArea::mousePressEvent(event);
    if (focusable_) {
        setFocus(Qt::MouseFocusReason);
    }
}

void ZoomableImageView::hideEvent(QHideEvent* event) {
    // A hidden box gets no release: do not leave the application's cursor changed.
    endLeftHold();
    QAbstractScrollArea::hideEvent(event);
}

bool ZoomableImageView::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over a scroll bar acts as anywhere else on the view.
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    if (watched == pictureWidget_) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                pictureMousePress(static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseMove:
                pictureMouseMove(static_cast<QMouseEvent*>(event));
                return true;
            case QEvent::MouseButtonRelease:
                if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    endLeftHold();
                }
                return true;
            case QEvent::Resize:
                if (!inLayout_) {
                    followPictureResize();
                }
                break;
            default:
                break;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void ZoomableImageView::pictureMousePress(QMouseEvent* event) {
    if (focusable_) {
        setFocus(Qt::MouseFocusReason);
    }
    if (event->button() != Qt::LeftButton) {
        return;
    }
    leftButtonHeld_ = true;
    // Moves without a button must arrive too, to notice a release that went elsewhere.
    pictureWidget_->setMouseTracking(true);
    if (dragEnabled_) {
        dragActive_ = true;
        dragOrigin_ = event->position().toPoint();
        setScreenCursor(dragCursor_);
    }
}

void ZoomableImageView::pictureMouseMove(QMouseEvent* event) {
    if (leftButtonHeld_ && !(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere (the grab was taken away): the hold is over.
        endLeftHold();
        return;
    }
    if (dragEnabled_ && dragActive_) {
        const QPoint at = event->position().toPoint();
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dragOrigin_.x() - at.x());
        verticalScrollBar()->setValue(verticalScrollBar()->value() + dragOrigin_.y() - at.y());
    }
}

void ZoomableImageView::endLeftHold() {
    leftButtonHeld_ = false;
    dragActive_ = false;
    pictureWidget_->setMouseTracking(false);
    restoreScreenCursor();
}

void ZoomableImageView::setScreenCursor(const QCursor& cursor) {
    if (cursorOverridden_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        cursorOverridden_ = true;
    }
}

void ZoomableImageView::restoreScreenCursor() {
    if (cursorOverridden_) {
        QGuiApplication::restoreOverrideCursor();
        cursorOverridden_ = false;
    }
}

}  // namespace kelvarin
