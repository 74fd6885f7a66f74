// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ImageLayout.h"

#include <algorithm>
#include <cstdint>

namespace kelvarin {

namespace {

// A widget cannot be larger than this on either side.
constexpr std::int64_t kMaxControlExtent = 16777215;

// trunc() of a double that may lie far outside the int range.
int truncToInt(double value) {
    constexpr double kLimit = 1e9;
    return static_cast<int>(std::clamp(value, -kLimit, kLimit));
}

}  // namespace

std::optional<int> nextZoomStep(int scale, bool up) {
    if (up) {
        for (int step : kZoomSteps) {
            if (step > scale) {
                return step;
            }
        }
    } else {
        for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
            if (*it < scale) {
                return *it;
            }
        }
    }
    return std::nullopt;
}

int pageStep(int n) {
    return std::max(n - 20, (n / 3) * 2);
}

int scaledExtent(int extent, int scale) {
    // 64 bits: a wide picture at a large zoom overflows a 32-bit product.
    const std::int64_t product = static_cast<std::int64_t>(extent) * scale;
    std::int64_t quotient = product / 100;
    const std::int64_t remainder = product % 100;
    if (remainder > 50 || (remainder == 50 && quotient % 2 != 0)) {
        ++quotient;
    }
    return static_cast<int>(std::clamp<std::int64_t>(quotient, 0, kMaxControlExtent));
}

QRect pictureRect(QSize picture, QSize control, bool stretch, bool proportional, bool centered) {
    const int pw = picture.width();
    const int ph = picture.height();
    const int cw = control.width();
    const int ch = control.height();
    int w = pw;
    int h = ph;
    if (stretch || (proportional && (pw > cw || ph > ch))) {
        if (proportional && pw > 0 && ph > 0) {
            const double r = static_cast<double>(pw) / ph;
            if (pw > ph) {
                w = cw;
                h = truncToInt(cw / r);
                if (h > ch) {
                    h = ch;
                    w = truncToInt(ch * r);
                }
            } else {
                h = ch;
                w = truncToInt(ch * r);
                if (w > cw) {
                    w = cw;
                    h = truncToInt(cw / r);
                }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    QRect rect(0, 0, w, h);
    if (centered) {
        rect.translate((cw - w) / 2, (ch - h) / 2);
    }
    return rect;
}

void scrollBarsFor(QSize extent, QSize fullClient, QSize barExtent, bool& horizontal,
                   bool& vertical) {
    horizontal = extent.width() > fullClient.width();
    vertical = extent.height() > fullClient.height();
    // One bar takes room from the other direction and may call for the second bar.
    if (horizontal && !vertical) {
        vertical = extent.height() > fullClient.height() - barExtent.height();
    } else if (vertical && !horizontal) {
        horizontal = extent.width() > fullClient.width() - barExtent.width();
    }
}

LayoutResult computeLayout(const LayoutInput& in) {
    LayoutResult out;
    const bool keep = in.keepPosition && !in.reset;

    // The picture point now at the centre of the view, as fractions of the control's size. They
    // are kept as numerator and denominator: the same fraction as a double, multiplied back,
    // can fall a hair short of a whole pixel and creep the view by one on every layout.
    const int cw0 = in.client.width();
    const int ch0 = in.client.height();
    const QRect& c = in.control;
    const int offsetX = c.left() < 0 ? cw0 / 2 + in.scrollPos.x() : cw0 / 2 - c.left();
    const int offsetY = c.top() < 0 ? ch0 / 2 + in.scrollPos.y() : ch0 / 2 - c.top();
    auto along = [](int extent, int offset, int controlExtent) {
        if (controlExtent <= 0) {
            return 0;
        }
        const std::int64_t scaled = static_cast<std::int64_t>(extent) * offset / controlExtent;
        return static_cast<int>(std::clamp<std::int64_t>(scaled, -1000000000, 1000000000));
    };

    out.autoScroll = !in.fitToWindow;
    out.zoomPercent = in.zoomPercent;

    const int iw = in.pictureWidth;
    const int ih = in.pictureHeight;
    // Nothing to keep room around: an empty view stays empty.
    const int margin = iw > 0 && ih > 0 ? std::clamp(in.margin, 0, 1000000) : 0;
    int w = 0;
    int h = 0;
    if (in.fitToWindow) {
        // Without automatic scrolling no bar is shown, so the whole client area is there.
        const int cw = std::max(in.fullClient.width() - 2 * margin, 0);
        const int ch = std::max(in.fullClient.height() - 2 * margin, 0);
        w = iw;
        h = ih;
        if (in.fitOnlyLarger && cw >= iw && ch >= ih) {
            out.zoomPercent = 100;
        } else if (cw > 0 && ch > 0 && iw > 0 && ih > 0) {
            const double rw = static_cast<double>(cw) / ch;
            const double ri = static_cast<double>(iw) / ih;
            if (rw >= ri) {
                h = ch;
                w = truncToInt(ch * ri);
                out.zoomPercent = static_cast<int>(static_cast<std::int64_t>(ch) * 100 / ih);
            } else {
                w = cw;
                h = truncToInt(cw / ri);
                out.zoomPercent = static_cast<int>(static_cast<std::int64_t>(cw) * 100 / iw);
            }
        }
        w = std::max(w, 0);
        h = std::max(h, 0);
    } else {
        w = scaledExtent(iw, in.zoomPercent);
        h = scaledExtent(ih, in.zoomPercent);
    }
    w = static_cast<int>(
        std::min<std::int64_t>(std::int64_t{w} + std::int64_t{2} * margin, kMaxControlExtent));
    h = static_cast<int>(
        std::min<std::int64_t>(std::int64_t{h} + std::int64_t{2} * margin, kMaxControlExtent));

    // The bars follow the new size at once rather than one resize later, so the centring
    // below sees the client area that will actually be on the screen.
    if (out.autoScroll) {
        scrollBarsFor(QSize(w, h), in.fullClient, in.barExtent, out.horizontalBar, out.verticalBar);
    }
    const int cw =
        std::max(in.fullClient.width() - (out.verticalBar ? in.barExtent.width() : 0), 0);
    const int ch =
        std::max(in.fullClient.height() - (out.horizontalBar ? in.barExtent.height() : 0), 0);
    out.client = QSize(cw, ch);

    int dx = 0;
    int dy = 0;
    if (in.centered) {
        if (cw > w) {
            dx = (cw - w) / 2;
        }
        if (ch > h) {
            dy = (ch - h) / 2;
        }
    }
    out.content = QRect(dx, dy, w, h);

    if (out.autoScroll) {
        out.maxScroll = QPoint(std::max(dx + w - cw, 0), std::max(dy + h - ch, 0));
    }
    if (keep) {
        const int x =
            dx != 0 ? 0 : std::min(std::max(w - cw, 0), along(w, offsetX, c.width()) - cw / 2);
        const int y =
            dy != 0 ? 0 : std::min(std::max(h - ch, 0), along(h, offsetY, c.height()) - ch / 2);
        out.scrollPos =
            QPoint(std::clamp(x, 0, out.maxScroll.x()), std::clamp(y, 0, out.maxScroll.y()));
    }
    return out;
}

}  // namespace kelvarin
