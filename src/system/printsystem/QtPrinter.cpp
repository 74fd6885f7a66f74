// SPDX-License-Identifier: GPL-3.0-or-later
#include "printsystem/QtPrinter.h"

#include <QPageRanges>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "core/Translation.h"
#include "qtdrawing/QtCanvas.h"

namespace kelvarin {

namespace {

// The canvas of a page outside the chosen range: everything drawn on it is dropped.
class SkippedPageCanvas : public Canvas {
public:
    void setPenWidth(std::int32_t) override {}
    void setPenColor(Rgb) override {}
    void setPenStyle(PenStyle) override {}
    void polyBezier(const std::array<OutlinePoint, 4>&) override {}
    void ellipse(std::int32_t, std::int32_t, std::int32_t, std::int32_t) override {}
    void line(OutlinePoint, OutlinePoint) override {}
    void text(OutlinePoint, std::string_view) override {}
    std::string fontName() const override { return font_; }
    void setFontName(std::string_view name) override { font_ = name; }
    int fontSizePoints() const override { return points_; }
    void setFontSizePoints(int points) override { points_ = points; }
    void setClip(std::optional<PixelRect>) override {}

private:
    std::string font_ = QtCanvas::kDefaultFontFace;
    int points_ = QtCanvas::kDefaultFontPoints;
};

}  // namespace

QtPrinter::QtPrinter(PrintSystem& system) : system_(&system) {}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> prepared)
    : owned_(std::move(prepared)), printer_(owned_.get()) {}

QtPrinter::QtPrinter(QPrinter& prepared) : printer_(&prepared) {}

QtPrinter::~QtPrinter() {
    if (painter_ && painter_->isActive()) {
        // A document left open by a failure is thrown away, not sent half-drawn.
        printer_->abort();
        painter_->end();
    }
}

std::int32_t QtPrinter::resolutionDpi() {
    if (system_ == nullptr) {
        return printer_->resolution();
    }
    // The view asks on every redraw: the print system's own default (one request) costs a
    // fraction of Qt's list of every printer, and its resolution (one more request, some
    // milliseconds) is kept from the last time it was asked.
    const std::string name = system_->defaultPrinterName();
    if (name.empty()) {
        return kFallbackResolutionDpi;
    }
    const auto known = knownDpi_.find(name);
    if (known != knownDpi_.end()) {
        return known->second;
    }
    return knownDpi_[name] = printerResolutionDpi(*system_, name);
}

QPrinter& QtPrinter::device() {
    if (system_ == nullptr) {
        return *printer_;
    }
    // Without a default a QPrinter would quietly take the first queue, or become a PDF writer
    // with nowhere to write: neither is what the user asked for.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw PrinterMissing();
    }
    if (!owned_ || owned_->printerName() != info.printerName()) {
        owned_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer_ = owned_.get();
    }
    // Qt's own choice for a high resolution is a fixed 1200 dpi, whatever the printer.
    const std::string name = info.printerName().toStdString();
    printer_->setResolution(knownDpi_[name] = printerResolutionDpi(*system_, name));
    return *printer_;
}

PrinterGeometry QtPrinter::geometry() {
    QPrinter& p = device();
    return {p.resolution(), p.width(), p.height()};
}

std::string QtPrinter::destinationName() {
    if (system_ != nullptr) {
        return QPrinterInfo::defaultPrinter().printerName().toStdString();
    }
    return (printer_->outputFileName().isEmpty() ? printer_->printerName()
                                                 : printer_->outputFileName())
        .toStdString();
}

void QtPrinter::beginDocument(std::string_view name) {
    if (painter_ && painter_->isActive()) {
        throw Failure(translatedText("kelvarin::QtPrinter", "Печать уже идёт"));
    }
    QPrinter& p = device();
    p.setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&p)) {
        throw Failure(
            translatedText("kelvarin::QtPrinter", "Не удалось начать печать на принтере"));
    }
    painter_ = std::move(painter);
    canvas_ = std::make_unique<QtCanvas>(*painter_);
    skippedPage_ = std::make_unique<SkippedPageCanvas>();
    page_ = 1;
    // The painter has begun the printer's first page; it is the first printed page.
    pagesStarted_ = pagePrinted(page_) ? 1 : 0;
}

void QtPrinter::newPage() {
    requireDocument();
    ++page_;
    if (!pagePrinted(page_)) {
        return;
    }
    if (pagesStarted_ > 0 && !printer_->newPage()) {
        throw Failure(translatedText("kelvarin::QtPrinter", "Не удалось начать новую страницу"));
    }
    ++pagesStarted_;
}

void QtPrinter::endDocument() {
    requireDocument();
    canvas_.reset();
    if (pagesStarted_ == 0) {
        // No page of the document lies in the chosen range: nothing goes to paper.
        printer_->abort();
    }
    const bool ended = painter_->end();
    painter_.reset();
    if (!ended && pagesStarted_ > 0) {
        throw Failure(translatedText("kelvarin::QtPrinter", "Не удалось завершить печать"));
    }
}

Canvas& QtPrinter::pageCanvas() {
    requireDocument();
    return pagePrinted(page_) ? static_cast<Canvas&>(*canvas_) : *skippedPage_;
}

void QtPrinter::requireDocument() const {
    if (!painter_ || !painter_->isActive() || !canvas_) {
        throw Failure(translatedText("kelvarin::QtPrinter", "Печать не начата"));
    }
}

bool QtPrinter::pagePrinted(int page) const {
    if (system_ != nullptr || printer_->printRange() != QPrinter::PageRange) {
        return true;
    }
    // "2-3" or "1,4-5" in the dialog alike.
    const QPageRanges ranges = printer_->pageRanges();
    return ranges.isEmpty() || ranges.contains(page);
}

}  // namespace kelvarin
