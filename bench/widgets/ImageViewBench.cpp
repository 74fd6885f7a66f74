// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "widgets/ZoomableImageView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWindow>

#include <cstdlib>

namespace {

using kelvarin::PictureWidget;
using kelvarin::ZoomableImageView;

// A typical section at 600 dpi: a white bitmap with a 2-pixel outline.
QImage SectionPicture(int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QPen(Qt::black, 2));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QRect(2, 2, width - 4, height - 4));
    return picture;
}

// Paints reach the screen only once the window is exposed.
void ShowExposed(QWidget& widget) {
    widget.show();
    while (widget.windowHandle() == nullptr || !widget.windowHandle()->isExposed()) {
        QCoreApplication::processEvents();
    }
}

// The box of the main window: 705 x 367 pixels of client area.
void SizeBox(ZoomableImageView& box) {
    const int frame = 2 * box.frameWidth();
    box.resize(705 + frame, 367 + frame);
    ShowExposed(box);
}

// Runs the smooth paint when asked instead of when the timer says.
class MeasuredImage : public PictureWidget {
public:
    using PictureWidget::resampleNow;
};

// Every paint of a fitted picture without the smooth one: the cost of each frame while the
// user scrolls, drags or zooms.
void BM_FastPaint(benchmark::State& state) {
    ZoomableImageView box;
    SizeBox(box);
    box.pictureWidget()->setPicture(SectionPicture(3340, 719));
    box.setFitToWindow(true);
    box.resetView();
    for (auto _ : state) {
        box.pictureWidget()->repaint();
    }
    state.counters["scale"] = box.zoomPercent();
}
BENCHMARK(BM_FastPaint)->Unit(benchmark::kMillisecond);

// The delayed smooth paint of the same view: scaling the whole picture once and painting it,
// by averaging or, as the section view has it, keeping the darkest pixels.
void BM_SmoothPaint(benchmark::State& state) {
    const QImage picture =
        SectionPicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    MeasuredImage image;
    image.setStretch(true);
    image.setResample(true);
    image.setReduction(state.range(2) != 0 ? PictureWidget::Reduction::Darkest
                                           : PictureWidget::Reduction::Average);
    // The picture's fitted place in the box.
    image.resize(705, static_cast<int>(705.0 * picture.height() / picture.width()));
    ShowExposed(image);
    for (auto _ : state) {
        image.setPicture(picture);  // forgets the last smooth result
        image.resampleNow();
    }
}
BENCHMARK(BM_SmoothPaint)
    ->ArgsProduct({{3340, 8000}, {719, 4000}, {0, 1}})
    ->ArgNames({"width", "height", "darkest"})
    ->Unit(benchmark::kMillisecond);

// Later paints once the smooth result is kept (the window uncovered, the view scrolled back).
void BM_SmoothRepaint(benchmark::State& state) {
    ZoomableImageView box;
    SizeBox(box);
    auto* image = box.pictureWidget();
    image->setPicture(SectionPicture(3340, 719));
    image->setResample(true);
    image->setResampleDelayMs(0);
    box.setFitToWindow(true);
    box.resetView();
    image->repaint();
    while (!image->smoothShown()) {
        QCoreApplication::processEvents();
    }
    for (auto _ : state) {
        image->repaint();
    }
}
BENCHMARK(BM_SmoothRepaint)->Unit(benchmark::kMillisecond);

// One arrow-key step, including the repaint of the view it causes: at 100 %, and zoomed in
// once the smooth state holds (every paint then scales what it shows smoothly).
void BM_ArrowScrollStep(benchmark::State& state) {
    ZoomableImageView box;
    SizeBox(box);
    box.pictureWidget()->setPicture(SectionPicture(3340, 719));
    box.resetView();
    if (state.range(0) != 100) {
        box.setZoomPercent(static_cast<int>(state.range(0)));
        box.pictureWidget()->setResample(true);
        box.pictureWidget()->setResampleDelayMs(0);
        box.pictureWidget()->repaint();
        while (!box.pictureWidget()->smoothShown()) {
            QCoreApplication::processEvents();
        }
    }
    QScrollBar* bar = box.horizontalScrollBar();
    bool right = true;
    for (auto _ : state) {
        if (bar->value() == bar->maximum()) {
            right = false;
        } else if (bar->value() == 0) {
            right = true;
        }
        QKeyEvent press(QEvent::KeyPress, right ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(&box, &press);
        box.viewport()->repaint();
    }
}
BENCHMARK(BM_ArrowScrollStep)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
