// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace kelvarin::testing {

// One stroked path of a PDF page as poppler draws it (pdftocairo -svg), in millimetres from the
// page's top-left corner: the points where its pieces start and end, control points left out.
struct PdfStroke {
    std::vector<QPointF> anchorsMm;
    bool curved = false;  // made of cubic pieces
    double widthMm = 0;   // the pen
    bool dashed = false;
};

// The strokes of page `page` (from 1) in drawing order; empty with a test failure added where
// poppler cannot read the file.
std::vector<PdfStroke> pdfStrokes(const QString& pdf, int page);

// The number of pages poppler finds in the file (pdfinfo), and the first page's size in points.
int pdfPageCount(const QString& pdf);
QSizeF pdfPageSizePoints(const QString& pdf);

// The width in millimetres, leading to trailing edge, of the topmost group of curved strokes:
// the first section's outline on a page of templates.
double firstOutlineWidthMm(const std::vector<PdfStroke>& strokes);

// The lengths in millimetres of the straight, level strokes no shorter than `shortest`: the
// calibration bars among the templates' lines.
std::vector<double> levelLineLengthsMm(const std::vector<PdfStroke>& strokes, double shortest);

}  // namespace kelvarin::testing
