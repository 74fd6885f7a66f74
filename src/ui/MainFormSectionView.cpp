// SPDX-License-Identifier: GPL-3.0-or-later
// The section view: the selected section drawn at printer resolution into the image box, its
// description line, the zoom slider, and the print job that draws the same outlines on paper.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "core/Failure.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/Printer.h"
#include "drawing/SectionOutline.h"
#include "drawing/SectionView.h"
#include "drawing/TemplatePrint.h"
#include "qtdrawing/QtCanvas.h"
#include "ui/ArrowSelector.h"
#include "ui/MainForm.h"
#include "ui/ZoomSlider.h"
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin {

namespace {

QImage DrawSection(const SectionOutlines& outlines, int section, bool controlMarks) {
    const ViewBitmapSize size = sectionBitmapSize(outlines, section);
    if (size.width == 0 || size.height == 0) {
        return {};
    }
    QImage bitmap(size.width, size.height, QImage::Format_RGB32);
    if (bitmap.isNull()) {
        throw Failure("Недостаточно памяти для изображения сечения");
    }
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    QtCanvas canvas(painter);
    drawOutline(canvas, outlines.section(section), controlMarks);
    return bitmap;
}

}  // namespace

void MainForm::showSelectedSection() {
    const int section = upDown1_->Position();
    const SectionOutlines outlines = buildViewOutlines(design_, services_.printer.geometry().dpi,
                                                       sectionOptions_.turned, section);
    labInfo_->setText(QString::fromStdString(sectionViewCaption(design_, section)));
    labInfo_->adjustSize();

    PictureWidget* image = vzImageBox1_->pictureWidget();
    QImage picture;
    try {
        picture = DrawSection(outlines, section, sectionOptions_.controlMarks);
    } catch (...) {
        // The label already names the new section: the old picture must not stay beside it.
        image->clearPicture();
        throw;
    }
    image->setPicture(picture);
    image->setResample(true);
    vzImageBox1_->setFitToWindow(true);
    vzImageBox1_->resetView();

    zoomPercent_ = vzImageBox1_->zoomPercent();
    // Moving the slider runs Track at once, which hands the (clamped) value back to the box;
    // when the slider stays where it is, the box keeps its fit.
    trackBar1_->SetPosition(zoomPercent_);
}

void MainForm::Track() {
    zoomPercent_ = trackBar1_->Position();
    vzImageBox1_->setZoomPercent(zoomPercent_);
}

void MainForm::UgolCheck() {
    sectionOptions_.turned = checkUgol_->isChecked();
    showSelectedSection();
}

void MainForm::ControlCheck() {
    sectionOptions_.controlMarks = checkControl_->isChecked();
    showSelectedSection();
}

void MainForm::UpDown1Click() {
    showSelectedSection();
}

void MainForm::ButPrintClick() {
    printTemplates(design_, services_.printer, sectionOptions_);
}

}  // namespace kelvarin
