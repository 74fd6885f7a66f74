// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <memory>

#include "core/Translation.h"
#include "export/ExportResolution.h"
#include "export/TemplateExport.h"
#include "qtdrawing/QtCanvas.h"
#include "templates/TemplateFooter.h"
#include "templates/TemplateLayout.h"
#include "templates/TemplatePrint.h"

namespace kelvarin {

namespace {

// The margin a copy shop's printer needs on every side; the layout fills what is inside it.
constexpr double kMarginMm = 10.0;

QPageLayout pageLayoutOf(PaperSize paper) {
    const QPageSize::PageSizeId id = paper == PaperSize::Letter ? QPageSize::Letter
                                     : paper == PaperSize::A3   ? QPageSize::A3
                                                                : QPageSize::A4;
    return QPageLayout(QPageSize(id), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                       QPageLayout::Millimeter);
}

// The document's pages on a PDF writer, as the print job has them on a printer.
class PdfPages : public Printer {
public:
    explicit PdfPages(QPdfWriter& writer) : writer_(writer) {}

    std::int32_t resolutionDpi() override { return writer_.resolution(); }
    PrinterGeometry geometry() override {
        return {writer_.resolution(), writer_.width(), writer_.height()};
    }
    void beginDocument(std::string_view) override {
        if (!painter_.begin(&writer_)) {
            throw Failure(
                translatedText("kelvarin::PdfTemplates", "Не удалось начать документ PDF"));
        }
        canvas_ = std::make_unique<QtCanvas>(painter_);
    }
    void newPage() override {
        if (!writer_.newPage()) {
            throw Failure(
                translatedText("kelvarin::PdfTemplates", "Не удалось начать страницу PDF"));
        }
    }
    void endDocument() override {
        canvas_.reset();
        if (painter_.isActive() && !painter_.end()) {
            throw Failure(
                translatedText("kelvarin::PdfTemplates", "Не удалось завершить документ PDF"));
        }
    }
    Canvas& pageCanvas() override { return *canvas_; }

private:
    QPdfWriter& writer_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

}  // namespace

std::string templatesPdf(const PropellerDesign& design, const TemplateExportOptions& options,
                         std::vector<std::string>* leftOut) {
    if (QGuiApplication::instance() == nullptr) {
        throw Failure(
            translatedText("kelvarin::PdfTemplates",
                           "Для PDF нужен QGuiApplication (подойдёт платформа offscreen)"));
    }
    const QPageLayout page = pageLayoutOf(options.paper);
    const QRect printable = page.paintRectPixels(kExportDpi);
    const TemplateDocument document =
        layOutTemplates(design, {kExportDpi, printable.width(), printable.height()},
                        options.section, options.date, {options.lineWidthMm, true});
    if (!document.omissions.empty() && (!options.leaveOutOversized || leftOut == nullptr)) {
        throw TemplateLayoutError(document.omissions.front().reason);
    }
    for (const TemplateOmission& omission : document.omissions) {
        leftOut->push_back(omission.reason);
    }

    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(kExportDpi);
        writer.setPageLayout(page);
        writer.setTitle(QString::fromStdString(
            withArguments(translatedText("kelvarin::PdfTemplates", "Шаблоны: %1"),
                          {designLine(design, options.date)})));
        writer.setCreator(QStringLiteral("Kelvarin"));
        PdfPages pages(writer);
        printTemplatePages(document, pages);
    }
    return bytes.toStdString();
}

}  // namespace kelvarin
