// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <optional>

// The arithmetic of ZoomableImageView, kept apart from the widgets so that it can be checked
// without a window. All sizes are in logical (device-independent) pixels.
namespace kelvarin {

// Zoom steps of the wheel, in percent, ascending.
inline constexpr std::array<int, 30> kZoomSteps = {
    7,   10,  15,  20,  25,  30,  40,  50,  60,  70,  80,  90,   100,  125,  150,
    175, 200, 250, 300, 350, 400, 450, 500, 600, 700, 800, 1000, 1200, 1400, 1600};

// The range a caller may write into zoomPercent.
inline constexpr int kMinZoomPercent = 0;
inline constexpr int kMaxZoomPercent = 32766;

// How far the keys and the wheel move the view, in pixels.
inline constexpr int kScrollStep = 50;

// The next zoom step above (up) or below the current scale; none at the ends.
std::optional<int> nextZoomStep(int scale, bool up);

// The page step of a client extent n: a page less a small overlap, never under two thirds.
int pageStep(int n);

// The extent of a picture side shown at scale percent, rounded half to even and limited to
// what a widget can be.
int scaledExtent(int extent, int scale);

// Where the picture is painted inside the picture control of the given client size.
QRect pictureRect(QSize picture, QSize control, bool stretch, bool proportional, bool centered);

// Everything a layout reads from the view.
struct LayoutInput {
    QSize client;      // the client area as it stands, scroll bars excluded
    QSize fullClient;  // the client area with no scroll bars shown
    QSize barExtent;   // width of the vertical bar, height of the horizontal bar
    QRect control;     // the picture control relative to the client area
    QPoint scrollPos;  // the two scroll positions
    bool reset = false;
    bool keepPosition = true;
    bool fitToWindow = false;
    bool fitOnlyLarger = true;
    bool centered = true;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int zoomPercent = 100;
    // Room kept around a picture on every side, at this size whatever the zoom; the control
    // takes it in, so that the picture's edges never meet the view's.
    int margin = 0;
};

// Everything a layout decides.
struct LayoutResult {
    int zoomPercent = 100;
    bool autoScroll = false;  // scroll bars allowed at all
    bool horizontalBar = false;
    bool verticalBar = false;
    QSize client;      // the client area once the bars are shown or hidden
    QRect content;     // the picture control, margin included, in content coordinates
    QPoint scrollPos;  // the scroll positions, already within their ranges
    QPoint maxScroll;  // the largest valid scroll positions
};

// Which scroll bars a content extent needs in a client area of fullClient without bars.
void scrollBarsFor(QSize extent, QSize fullClient, QSize barExtent, bool& horizontal,
                   bool& vertical);

LayoutResult computeLayout(const LayoutInput& in);

}  // namespace kelvarin
