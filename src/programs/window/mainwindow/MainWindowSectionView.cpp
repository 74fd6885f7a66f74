// SPDX-License-Identifier: GPL-3.0-or-later
// The section view: the selected section drawn at the printer's resolution (600 dpi without a
// printer) into the image view with its control marks over it at screen size, its caption, the
// zoom slider, and the print job that draws the same outlines on paper.
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QPainter>
#include <QPoint>

#include "actions/TemplateActions.h"
#include "controls/ArrowSelector.h"
#include "controls/StationTableView.h"
#include "controls/ZoomSlider.h"
#include "core/Failure.h"
#include "designmodel/DesignModel.h"
#include "designmodel/DesignSession.h"
#include "drawing/DeviceUnits.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/Printer.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "mainwindow/MainWindow.h"
#include "qtdrawing/QtCanvas.h"
#include "services/MessageBoxes.h"
#include "templates/TemplatePrint.h"
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin {

namespace {

// The section drawn into a bitmap of `size`, moved to its origin there.
QImage drawSection(const SectionPolyline& outline, const ViewBitmapSize& size, std::int32_t dpi) {
    if (size.width == 0 || size.height == 0) {
        return {};
    }
    QImage bitmap(size.width, size.height, QImage::Format_RGB32);
    if (bitmap.isNull()) {
        throw Failure(QCoreApplication::translate("kelvarin::MainWindow",
                                                  "Недостаточно памяти для изображения сечения")
                          .toStdString());
    }
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    QtCanvas canvas(painter);
    // The control marks are the view's own, drawn over the bitmap at screen size.
    drawOutline(canvas, outline, false, dpi);
    return bitmap;
}

QList<QPoint> controlMarkPoints(const SectionPolyline& outline) {
    QList<QPoint> points;
    points.reserve(static_cast<qsizetype>(outline.size()));
    for (const OutlinePoint& point : outline) {
        points.append(QPoint(point.x, point.y));
    }
    return points;
}

// On the screen a mark keeps the size it has in a 600-dpi bitmap shown at 100 %.
MarkStyle controlMarkStyle() {
    const OutlinePens pens = outlinePens(kBaseLayoutDpi);
    return {pens.markReachBefore + pens.markReachAfter, QColor(255, 0, 0), QColor(255, 255, 255)};
}

}  // namespace

void MainWindow::showSelectedSection() {
    const int section = model_->section();
    stationTable_->showSection(section);
    const PropellerDesign& design = model_->design();
    const SectionOptions& options = model_->viewOptions();
    SectionOutlines outlines =
        buildViewOutlines(design, services_.printer.resolutionDpi(), options.turned, section);
    sectionCaption_->setText(QString::fromStdString(sectionViewCaption(design, section)));
    sectionCaption_->adjustSize();

    PictureWidget* image = imageView_->pictureWidget();
    QImage picture;
    try {
        const ViewBitmapSize size = sectionBitmapSize(outlines, section);
        translateOutline(outlines, section, size.originX, size.originY);
        picture = drawSection(outlines.section(section), size, outlines.dpi);
    } catch (...) {
        // The label already names the new section: the old picture must not stay beside it.
        image->clearPicture();
        image->clearMarks();
        throw;
    }
    image->setPicture(picture);
    if (options.controlMarks && !picture.isNull()) {
        image->setMarks(controlMarkPoints(outlines.section(section)), controlMarkStyle());
    } else {
        image->clearMarks();
    }
    image->setResample(true);
    // The bitmap holds the section at the printer's resolution; fitted, it is reduced to a
    // fifth or less, where averaging would fade the 2-pixel outline to a faint grey.
    image->setReduction(PictureWidget::Reduction::Darkest);
    imageView_->setFitToWindow(true);
    imageView_->resetView();

    zoomPercent_ = imageView_->zoomPercent();
    // Moving the slider runs applySliderZoom at once, which hands the (clamped) value back to the
    // view; when the slider stays where it is, the view keeps its fit.
    zoomSlider_->setPosition(zoomPercent_);
}

void MainWindow::selectSection() {
    model_->setSection(sectionSelector_->position());
    showSelectedSection();
}

void MainWindow::applySliderZoom() {
    zoomPercent_ = zoomSlider_->position();
    imageView_->setZoomPercent(zoomPercent_);
}

void MainWindow::updateTurned() {
    SectionOptions options = model_->viewOptions();
    options.turned = turnedCheck_->isChecked();
    model_->setViewOptions(options);
    showSelectedSection();
}

void MainWindow::updateControlMarks() {
    SectionOptions options = model_->viewOptions();
    options.controlMarks = controlMarksCheck_->isChecked();
    model_->setViewOptions(options);
    showSelectedSection();
}

void MainWindow::print() {
    const PrintedTemplates printed = printTemplates(
        model_->design(), services_.printer, model_->viewOptions(), todayText(),
        templateJobName(model_->design(), QFileInfo(session_->filePath()).fileName().toStdString()),
        templateLineWidthMm(services_.settings));
    services_.messages.inform(
        this, printedTemplatesText(
                  printed, QString::fromStdString(services_.printer.destinationName()), false));
}

}  // namespace kelvarin
