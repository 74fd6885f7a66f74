// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/TemplateExport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <algorithm>
#include <set>
#include <tuple>

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "support/DefaultDesign.h"
#include "support/PdfStrokes.h"
#include "support/ScopedSeparator.h"

namespace kelvarin {
namespace {

class TemplateExport : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    double ChordMm(int section) const { return d.stations.chordM[stationIndex(section)] * 1000; }

    testing::ScopedSeparator comma{','};
    QTemporaryDir dir;
    PropellerDesign d = testing::DefaultDesign();
    TemplateExportOptions options{{}, PaperSize::A4, "07.12.2026"};
};

// Measured by poppler on the pages as they would print: the calibration bars and section 3's
// chord within a tenth of a millimetre, on the paper chosen.
TEST_F(TemplateExport, PdfPagesMeasureTrueOnTheirPaper) {
    exportTemplates(d, options, Path("templates.pdf"));
    const QString pdf = dir.filePath("templates.pdf");
    // The overview, the sections, then the blade views' tiles.
    EXPECT_GE(testing::pdfPageCount(pdf), 8);
    EXPECT_EQ(testing::pdfPageSizePoints(pdf), QSizeF(595, 842));
    const auto strokes = testing::pdfStrokes(pdf, 2);
    EXPECT_NEAR(testing::firstOutlineWidthMm(strokes), ChordMm(3), 0.1);
    auto bars = testing::levelLineLengthsMm(strokes, 90);
    std::sort(bars.begin(), bars.end());
    ASSERT_GE(bars.size(), 2u);
    EXPECT_NEAR(bars[0], 100.0, 0.1);
    EXPECT_NEAR(bars[1], 101.6, 0.1);

    for (const auto& [paper, size] : {std::pair{PaperSize::Letter, QSizeF(612, 792)},
                                      std::pair{PaperSize::A3, QSizeF(842, 1191)}}) {
        options.paper = paper;
        exportTemplates(d, options, Path("paper.pdf"));
        EXPECT_EQ(testing::pdfPageSizePoints(dir.filePath("paper.pdf")), size);
    }
}

// Every line of every format is the width chosen, on paper: 0.25 mm unless chosen otherwise
// (12 and 19 pixels at 1200 dpi; DXF's nearest weights, 25 and 40 hundredths).
TEST_F(TemplateExport, LinesAreOneWidthInEveryFormat) {
    for (const auto& [widthMm, pixels, weight] : {std::tuple{0.25, 12, 25}, {0.4, 19, 40}}) {
        SCOPED_TRACE(widthMm);
        options.lineWidthMm = widthMm;
        exportTemplates(d, options, Path("templates.pdf"));
        for (int page : {1, 2}) {  // the overview and the first page of sections
            for (const testing::PdfStroke& s :
                 testing::pdfStrokes(dir.filePath("templates.pdf"), page)) {
                ASSERT_NEAR(s.widthMm, pixels * 25.4 / 1200, 0.005) << "page " << page;
            }
        }

        exportTemplates(d, options, Path("templates.svg"));
        QFile svg(dir.filePath("templates.svg"));
        ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        // The pen of the group each path (not a text) is drawn in.
        std::set<QString> widths;
        QStringList groups;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::StartElement && xml.name() == QLatin1String("g")) {
                groups << xml.attributes().value("stroke-width").toString();
            } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("g")) {
                groups.removeLast();
            } else if (token == QXmlStreamReader::StartElement &&
                       xml.name() != QLatin1String("text") && !groups.isEmpty()) {
                widths.insert(groups.last());
            }
        }
        EXPECT_EQ(widths, std::set<QString>{QString::number(pixels)});

        exportTemplates(d, options, Path("templates.dxf"));
        QFile dxf(dir.filePath("templates.dxf"));
        ASSERT_TRUE(dxf.open(QIODevice::ReadOnly));
        // Each of the five layers' line weight.
        EXPECT_EQ(dxf.readAll().count("370\n" + QByteArray::number(weight) + "\n"), 5);
    }
}

// One sheet with its size in millimetres; section 3's outline, the first 24 paths, as wide as
// its chord in the sheet's own units.
TEST_F(TemplateExport, SvgIsOneSheetAtTrueSize) {
    exportTemplates(d, options, Path("templates.svg"));
    QFile file(dir.filePath("templates.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    double mmPerUnit = 0;
    double left = 1e9;
    double right = -1e9;
    int paths = 0;
    while (!xml.atEnd() && paths < 24) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("svg")) {
            const QString width = xml.attributes().value("width").toString();
            ASSERT_TRUE(width.endsWith("mm")) << width.toStdString();
            const QStringList box = xml.attributes().value("viewBox").toString().split(' ');
            ASSERT_EQ(box.size(), 4);
            mmPerUnit = width.chopped(2).toDouble() / box[2].toDouble();
            EXPECT_NEAR(mmPerUnit, 25.4 / 1200, 1e-6);  // 1200 dpi, as the sheet was laid out
        } else if (xml.name() == QLatin1String("path")) {
            ++paths;
            // "M x,y C x,y x,y x,y": the piece's ends are its first and last points.
            const auto points = QRegularExpression(R"((-?[\d.]+),(-?[\d.]+))")
                                    .globalMatch(xml.attributes().value("d").toString());
            std::vector<double> xs;
            for (auto it = points; it.hasNext();) {
                xs.push_back(it.next().captured(1).toDouble());
            }
            ASSERT_EQ(xs.size(), 4u);
            for (double x : {xs.front(), xs.back()}) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    EXPECT_EQ(paths, 24);
    EXPECT_NEAR((right - left) * mmPerUnit, ChordMm(3), 0.1);
}

TEST_F(TemplateExport, DxfReadBackByEzdxf) {
    const QString python = QStringLiteral(KELVARIN_EZDXF_PYTHON);
    if (python.isEmpty()) {
        GTEST_SKIP() << "no python3 with ezdxf (Debian's python3-ezdxf) on the path";
    }
    exportTemplates(d, options, Path("templates.dxf"));
    QStringList arguments{QStringLiteral(KELVARIN_CHECK_DXF), dir.filePath("templates.dxf"),
                          QString::number(ChordMm(3), 'f', 6)};
    for (int k = 2; k <= kLastStation; ++k) {
        arguments << QString::number(d.stations.bladeWidthM[stationIndex(k)] * 1000, 'f', 6);
    }
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(python, arguments);
    ASSERT_TRUE(check.waitForFinished(120000));
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

// Refused with a Russian message that says why, and nothing written: neither the file nor a
// temporary one beside it; a file already there keeps what it held.
TEST_F(TemplateExport, BadInputWritesNothing) {
    const auto refusal = [&](const PropellerDesign& design, const std::string& path) {
        try {
            exportTemplates(design, options, path);
        } catch (const Failure& e) {
            return std::string(e.what());
        }
        return std::string("no refusal");
    };
    EXPECT_EQ(refusal(d, Path("templates")),
              "Шаблоны не сохранены: у имени файла «templates» нет расширения; укажите .pdf, "
              ".svg или .dxf");
    EXPECT_NE(refusal(d, Path("templates.txt")).find("«.txt»"), std::string::npos);
    EXPECT_EQ(refusal(PropellerDesign{}, Path("templates.pdf")),
              "Шаблоны не сохранены: расчёт ещё не выполнен, нажмите «Расчет»");
    EXPECT_EQ(refusal(d, Path("missing/templates.dxf")),
              "Не удалось записать файл «" + Path("missing/templates.dxf") + "»: папка не найдена");
    EXPECT_TRUE(Files().isEmpty());

    // A design whose blade needs more sheets than anyone tapes together, over an earlier file.
    QFile earlier(dir.filePath("old.pdf"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier templates");
    earlier.close();
    EXPECT_NE(refusal(testing::DesignOf("900", "9"), Path("old.pdf")).find("больше 16"),
              std::string::npos);
    EXPECT_NE(refusal(testing::DesignOf("5000", "1,5"), Path("old.dxf")).find("20 м"),
              std::string::npos);
    // A pitch of 50 m turns the sections into strips metres long: more points than a CNC
    // program takes.
    EXPECT_NE(refusal(testing::DesignOf("151,7", "50"), Path("old.dxf")).find("точек"),
              std::string::npos);
    EXPECT_EQ(Files(), QStringList{"old.pdf"});
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), "earlier templates");
}

}  // namespace
}  // namespace kelvarin
