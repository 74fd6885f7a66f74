// SPDX-License-Identifier: GPL-3.0-or-later
#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "core/Translation.h"
#include "export/ExportResolution.h"
#include "export/TemplateExport.h"
#include "qtdrawing/QtCanvas.h"
#include "templates/TemplateDrawing.h"
#include "templates/TemplateFooter.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

std::string templatesSvg(const PropellerDesign& design, const TemplateExportOptions& options) {
    if (QGuiApplication::instance() == nullptr) {
        throw Failure(
            translatedText("kelvarin::SvgTemplates",
                           "Для SVG нужен QGuiApplication (подойдёт платформа offscreen)"));
    }
    const TemplateDocument sheet =
        layOutTemplateSheet(design, kExportDpi, options.section, options.date, options.lineWidthMm);
    const QSize size(sheet.page.pageWidthPx, sheet.page.pageHeightPx);

    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        // Its width and height in millimetres follow from the size and the resolution, so that
        // drawing programs and laser software open the sheet at true size.
        generator.setResolution(kExportDpi);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setTitle(
            QString::fromStdString(translatedText("kelvarin::SvgTemplates", "Шаблоны")));
        generator.setDescription(QString::fromStdString(designLine(design, options.date)));
        QPainter painter;
        if (!painter.begin(&generator)) {
            throw Failure(
                translatedText("kelvarin::SvgTemplates", "Не удалось начать рисунок SVG"));
        }
        {
            QtCanvas canvas(painter);
            drawTemplatePage(canvas, sheet.pages.front());
        }
        painter.end();
    }
    return bytes.toStdString();
}

}  // namespace kelvarin
