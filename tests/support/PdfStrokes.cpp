// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PdfStrokes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTransform>
#include <QXmlStreamReader>

namespace kelvarin::testing {

namespace {

constexpr double kMmPerPoint = 25.4 / 72;

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

QTransform transformOf(const QString& attribute) {
    const auto m = QRegularExpression(R"(matrix\(([^)]*)\))").match(attribute);
    if (!m.hasMatch()) {
        return {};
    }
    const QStringList v = m.captured(1).split(',');
    if (v.size() != 6) {
        return {};
    }
    return QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                      v[4].toDouble(), v[5].toDouble());
}

}  // namespace

std::vector<PdfStroke> pdfStrokes(const QString& pdf, int page) {
    QTemporaryDir dir;
    const QString svg = dir.filePath("page.svg");
    run(QStringLiteral(KELVARIN_PDFTOCAIRO),
        {"-svg", "-f", QString::number(page), "-l", QString::number(page), pdf, svg});
    QFile file(svg);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    std::vector<PdfStroke> strokes;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != QLatin1String("path")) {
            continue;
        }
        const QString style = xml.attributes().value("style").toString();
        if (!style.contains("fill:none") || !style.contains("stroke:") ||
            style.contains("stroke:none")) {
            continue;
        }
        const QTransform t = transformOf(xml.attributes().value("transform").toString());
        PdfStroke stroke;
        const auto width = QRegularExpression(R"(stroke-width:([\d.]+))").match(style);
        // The pen scales with the path's transform, the same on both axes here.
        stroke.widthMm =
            width.captured(1).toDouble() * std::sqrt(std::abs(t.determinant())) * kMmPerPoint;
        stroke.dashed = style.contains("stroke-dasharray");
        const QStringList tokens =
            xml.attributes().value("d").toString().split(' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < tokens.size();) {
            const QString& command = tokens[i++];
            const int pairs = command == "C" ? 3 : (command == "M" || command == "L") ? 1 : 0;
            stroke.curved = stroke.curved || command == "C";
            for (int k = 0; k < pairs && i + 1 < tokens.size(); ++k, i += 2) {
                if (k == pairs - 1) {
                    const QPointF p =
                        t.map(QPointF(tokens[i].toDouble(), tokens[i + 1].toDouble()));
                    stroke.anchorsMm.push_back(p * kMmPerPoint);
                }
            }
        }
        strokes.push_back(stroke);
    }
    return strokes;
}

int pdfPageCount(const QString& pdf) {
    const QString info = QString::fromUtf8(run(QStringLiteral(KELVARIN_PDFINFO), {pdf}));
    const auto m = QRegularExpression(R"(Pages:\s+(\d+))").match(info);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QSizeF pdfPageSizePoints(const QString& pdf) {
    const QString info = QString::fromUtf8(run(QStringLiteral(KELVARIN_PDFINFO), {pdf}));
    const auto m = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

double firstOutlineWidthMm(const std::vector<PdfStroke>& strokes) {
    std::vector<const PdfStroke*> curved;
    for (const PdfStroke& s : strokes) {
        if (s.curved && !s.anchorsMm.empty()) {
            curved.push_back(&s);
        }
    }
    const auto top = [](const PdfStroke* s) {
        double y = s->anchorsMm.front().y();
        for (const QPointF p : s->anchorsMm) {
            y = std::min(y, p.y());
        }
        return y;
    };
    std::sort(curved.begin(), curved.end(),
              [&](const PdfStroke* a, const PdfStroke* b) { return top(a) < top(b); });
    double left = 1e9;
    double right = -1e9;
    double bottom = -1e9;
    for (const PdfStroke* s : curved) {
        if (bottom > -1e9 && top(s) > bottom + 3) {
            break;  // a gap: the next section
        }
        for (const QPointF p : s->anchorsMm) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            bottom = std::max(bottom, p.y());
        }
    }
    return right - left;
}

std::vector<double> levelLineLengthsMm(const std::vector<PdfStroke>& strokes, double shortest) {
    std::vector<double> lengths;
    for (const PdfStroke& s : strokes) {
        if (!s.curved && !s.dashed && s.anchorsMm.size() == 2 &&
            std::abs(s.anchorsMm[0].y() - s.anchorsMm[1].y()) < 1e-6) {
            const double length = std::abs(s.anchorsMm[1].x() - s.anchorsMm[0].x());
            if (length >= shortest) {
                lengths.push_back(length);
            }
        }
    }
    return lengths;
}

}  // namespace kelvarin::testing
