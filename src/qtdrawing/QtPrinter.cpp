// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdrawing/QtPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "qtdrawing/QtCanvas.h"

namespace kelvarin {

QtPrinter::QtPrinter(PrintSystem& system) : system_(&system) {}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> prepared)
    : owned_(std::move(prepared)), printer_(owned_.get()) {}

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

void QtPrinter::beginDocument(std::string_view name) {
    if (painter_ && painter_->isActive()) {
        throw Failure("Печать уже идёт");
    }
    QPrinter& p = device();
    p.setDocName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&p)) {
        throw Failure("Не удалось начать печать на принтере");
    }
    painter_ = std::move(painter);
    canvas_ = std::make_unique<QtCanvas>(*painter_);
}

void QtPrinter::newPage() {
    requireDocument();
    if (!printer_->newPage()) {
        throw Failure("Не удалось начать новую страницу");
    }
}

void QtPrinter::endDocument() {
    requireDocument();
    canvas_.reset();
    if (!painter_->end()) {
        painter_.reset();
        throw Failure("Не удалось завершить печать");
    }
    painter_.reset();
}

Canvas& QtPrinter::pageCanvas() {
    requireDocument();
    return *canvas_;
}

void QtPrinter::requireDocument() const {
    if (!painter_ || !painter_->isActive() || !canvas_) {
        throw Failure("Печать не начата");
    }
}

}  // namespace kelvarin
