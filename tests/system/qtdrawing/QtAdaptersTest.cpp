// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>

#include "printsystem/QtPrinter.h"
#include "qtdrawing/QtCanvas.h"
#include "support/DefaultDesign.h"
#include "support/RecordingCanvas.h"
#include "templates/TemplatePrint.h"
#include "templates/TemplateText.h"

namespace kelvarin {
namespace {

// A white RGB32 bitmap with a QtCanvas over it, as the section view uses one.
class Bitmap {
public:
    Bitmap(int width, int height, QColor fill = Qt::white)
        : image_(width, height, QImage::Format_RGB32) {
        image_.fill(fill);
        painter_.begin(&image_);
        canvas_ = std::make_unique<QtCanvas>(painter_);
    }
    QtCanvas& canvas() { return *canvas_; }
    const QImage& Finish() {
        canvas_.reset();
        painter_.end();
        return image_;
    }

private:
    QImage image_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

bool IsDark(QRgb c) {
    return qGray(c) < 128;
}

int DarkInColumn(const QImage& image, int x) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        n += IsDark(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

TEST(QtCanvas, PenWidthIsInDevicePixels) {
    Bitmap b(100, 40);
    b.canvas().setPenWidth(2);
    b.canvas().line({5, 10}, {90, 10});
    b.canvas().setPenWidth(1);
    b.canvas().line({5, 30}, {90, 30});
    const QImage& image = b.Finish();
    int thick = 0, thin = 0;
    for (int y = 0; y < 40; ++y) {
        const bool dark = IsDark(image.pixel(40, y));
        (y < 20 ? thick : thin) += dark ? 1 : 0;
    }
    EXPECT_EQ(thick, 2);
    EXPECT_EQ(thin, 1);
}

TEST(QtCanvas, DottedLineHasGapsAtAnyWidth) {
    for (int width : {1, 2}) {
        Bitmap b(200, 20);
        b.canvas().setPenWidth(width);
        b.canvas().setPenStyle(PenStyle::Dotted);
        b.canvas().line({0, 10}, {200, 10});
        const QImage& image = b.Finish();
        int dark = 0;
        for (int x = 0; x < 200; ++x) {
            dark += IsDark(image.pixel(x, 10)) ? 1 : 0;
        }
        EXPECT_GT(dark, 20) << width;
        EXPECT_LT(dark, 150) << width;
    }
}

TEST(QtCanvas, EllipseExcludesRightAndBottomAndIsFilledWhite) {
    Bitmap b(40, 40, Qt::gray);
    b.canvas().setPenWidth(1);
    b.canvas().setPenColor(kPureRed);
    b.canvas().ellipse(10, 10, 21, 21);
    const QImage& image = b.Finish();
    int left = 40, right = -1, top = 40, bottom = -1;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (image.pixel(x, y) == qRgb(255, 0, 0)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_EQ(left, 10);
    EXPECT_EQ(right, 20);
    EXPECT_EQ(top, 10);
    EXPECT_EQ(bottom, 20);
    EXPECT_EQ(image.pixel(15, 15), qRgb(255, 255, 255));
}

TEST(QtCanvas, BezierIsStrokedNotFilled) {
    Bitmap b(100, 60);
    b.canvas().setPenWidth(2);
    b.canvas().polyBezier({OutlinePoint{10, 50}, {10, 10}, {90, 10}, {90, 50}});
    const QImage& image = b.Finish();
    EXPECT_EQ(image.pixel(50, 40), qRgb(255, 255, 255));
    EXPECT_GT(DarkInColumn(image, 50), 0);
}

TEST(QtCanvas, TextIsBlackBelowItsTopLeftWhateverThePen) {
    Bitmap b(200, 60);
    QtCanvas& c = b.canvas();
    EXPECT_EQ(c.fontName(), "DejaVu Sans");
    EXPECT_EQ(c.fontSizePoints(), QtCanvas::kDefaultFontPoints);
    c.setPenColor(kPureRed);
    c.text({20, 20}, "Профиль");
    c.setFontName("DejaVu Serif");
    EXPECT_EQ(c.fontName(), "DejaVu Serif");
    // The face the print job asks for its scissors mark has the glyph.
    EXPECT_TRUE(QFontMetrics(QFont("DejaVu Sans")).inFont(QChar(0x2702)));
    const QImage& image = b.Finish();
    int top = 60, left = 200, black = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            const QRgb p = image.pixel(x, y);
            if (p != qRgb(255, 255, 255)) {
                EXPECT_EQ(qRed(p), qGreen(p)) << "text must not take the red pen";
                top = std::min(top, y);
                left = std::min(left, x);
                black += qGray(p) < 64 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(black, 0);
    EXPECT_GE(top, 20);
    EXPECT_LE(top, 26);
    EXPECT_GE(left, 20);
    EXPECT_LE(left, 24);
}

// The layout measures its texts with DejaVu Sans's own widths; what Qt draws on a page of the
// same resolution must fit the room the layout gave it.
TEST(QtCanvas, TemplateTextFitsTheRoomTheLayoutGivesIt) {
    std::vector<std::string> texts = {"\u2702", "лист 12 из 16", "Щ", "Wm", "0,5"};
    for (int n = kFirstSection; n <= kLastSection; ++n) {
        texts.push_back(sectionCaption(n));
    }
    for (const int dpi : {300, 600, 1200}) {
        QImage page(10, 10, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        for (int points = 6; points <= 8; ++points) {
            QFont font(QString::fromLatin1(kTemplateFontFace.data(), kTemplateFontFace.size()));
            font.setPointSize(points);
            const QFontMetricsF metrics(font, &page);
            for (const std::string& text : texts) {
                const TextSize room = textSize(text, points, dpi);
                EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(text)), room.width)
                    << text << " at " << points << " pt, " << dpi << " dpi";
                EXPECT_LE(metrics.height(), room.height) << points << " pt, " << dpi << " dpi";
            }
        }
    }
}

// A print system with one default printer at 300 dpi, or none; counts the questions.
class FakePrintSystem : public PrintSystem {
public:
    std::string defaultPrinterName() override { return name; }
    std::optional<ReportedResolution> defaultResolution(const std::string& printer) override {
        ++asked;
        if (printer != name || name.empty()) {
            return std::nullopt;
        }
        return ReportedResolution{300, 300, ReportedResolution::Unit::DotsPerInch};
    }
    std::string name;
    int asked = 0;
};

TEST(QtPrinter, TheViewGetsTheDefaultPrintersResolutionAskedOnce) {
    FakePrintSystem system;
    system.name = "PDF";
    QtPrinter printer(system);
    EXPECT_EQ(printer.resolutionDpi(), 300);
    EXPECT_EQ(printer.resolutionDpi(), 300);
    EXPECT_EQ(system.asked, 1);  // an IPP request costs milliseconds; the view asks on each redraw
    system.name.clear();
    EXPECT_EQ(printer.resolutionDpi(), 600);
}

TEST(QtPrinter, NoDefaultPrinterFailsBeforeAnythingButTheViewGets600Dpi) {
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        GTEST_SKIP() << "this machine has a default printer";
    }
    FakePrintSystem system;
    QtPrinter printer(system);
    EXPECT_EQ(printer.resolutionDpi(), 600);
    EXPECT_THROW(printer.geometry(), PrinterMissing);
    EXPECT_THROW(printer.beginDocument(""), PrinterMissing);
    EXPECT_THROW(printer.pageCanvas(), Failure);
    EXPECT_THROW(printTemplates(testing::DefaultDesign(), printer, {}), PrinterMissing);
}

// The pages of a PDF file as poppler's pdftops reads them: each page's drawing operators
// (cm, m, c, ...) with their operands as the file holds them, the streams decoded.
std::vector<std::string> PdfPages(const QString& path) {
    QProcess pdftops;
    pdftops.start(QStringLiteral(KELVARIN_PDFTOPS), {QStringLiteral("-level3"), path, "-"});
    if (!pdftops.waitForFinished(60000) || pdftops.exitCode() != 0) {
        ADD_FAILURE() << "pdftops cannot read " << path.toStdString() << ": "
                      << pdftops.readAllStandardError().toStdString();
        return {};
    }
    const std::string ps = pdftops.readAllStandardOutput().toStdString();
    std::vector<std::string> pages;
    for (std::size_t at = ps.find("\n%%Page: "); at != std::string::npos;) {
        const std::size_t next = ps.find("\n%%Page: ", at + 1);
        pages.push_back(ps.substr(at, next == std::string::npos ? std::string::npos : next - at));
        at = next;
    }
    return pages;
}

std::unique_ptr<QPrinter> PdfPrinter(const QString& path, int dpi) {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    p->setResolution(dpi);
    p->setPageSize(QPageSize(QPageSize::A4));
    return p;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(QtPrinter, TurnedTemplatesInAPdfFileTakeTheirPages) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("turned.pdf");
    QtPrinter printer(PdfPrinter(path, 600));
    const PrinterGeometry g = printer.geometry();
    EXPECT_EQ(g.dpi, 600);

    const PropellerDesign d = testing::DefaultDesign();
    // The same layout on a recording printer of the same geometry gives the expected pages.
    testing::FakePrinter fake(g);
    printTemplates(d, fake, {.turned = true});
    const auto pages = 1 + std::count(fake.calls.begin(), fake.calls.end(), "page");
    EXPECT_EQ(pages, 10);  // the overview, three of sections, six of the blade views' tiles

    printTemplates(d, printer, {.turned = true});
    EXPECT_EQ(ReadFile(path).count(QByteArray("/Type /Page\n")), pages);
}

// The print dialog's page range: pages outside it are laid out but never reach the printer.
TEST(QtPrinter, OnlyThePagesOfTheChosenRangeArePrinted) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("range.pdf");
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPrintRange(QPrinter::PageRange);
    pdf.setFromTo(2, 3);
    {
        QtPrinter printer(pdf);
        printTemplates(testing::DefaultDesign(), printer, {.turned = true});
    }
    EXPECT_EQ(ReadFile(path).count(QByteArray("/Type /Page\n")), 2);
}

TEST(QtPrinter, FlatTemplatesInAPdfFileMeasureTrue) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("flat.pdf");
    QtPrinter printer(PdfPrinter(path, 600));
    const PropellerDesign d = testing::DefaultDesign();
    printTemplates(d, printer, {});
    const QByteArray pdf = ReadFile(path);
    EXPECT_EQ(pdf.count(QByteArray("/Type /Page\n")), 8);  // the sections after the overview

    // The page's drawing: a scale from device pixels to points, then section 3 from its
    // trailing edge over the upper surface to the leading edge.
    const auto streams = PdfPages(path);
    ASSERT_GT(streams.size(), 1u);
    const auto page = std::find_if(streams.begin() + 1, streams.end(), [](const std::string& s) {
        return s.find(" c\n") != std::string::npos;
    });
    ASSERT_NE(page, streams.end());
    const QString content = QString::fromLatin1(page->data(), static_cast<qsizetype>(page->size()));
    const auto cm =
        QRegularExpression(R"(([\d.]+) 0 0 -([\d.]+) [\d.-]+ [\d.-]+\]? cm)").match(content);
    ASSERT_TRUE(cm.hasMatch());
    const double pointsPerPixel = cm.captured(1).toDouble();
    EXPECT_NEAR(pointsPerPixel, 72.0 / 600, 1e-9);
    EXPECT_EQ(cm.captured(2).toDouble(), pointsPerPixel);  // Y as true as X

    auto it = QRegularExpression(R"((-?\d+) (-?\d+) m\n[-\d ]+ (-?\d+) (-?\d+) c\n)")
                  .globalMatch(content);
    QPointF trailing, leading;
    for (int segment = 0; segment < 12; ++segment) {
        ASSERT_TRUE(it.hasNext());
        const auto m = it.next();
        if (segment == 0) {
            trailing = {m.captured(1).toDouble(), m.captured(2).toDouble()};
        }
        leading = {m.captured(3).toDouble(), m.captured(4).toDouble()};
    }
    EXPECT_EQ(leading.x(), 200);  // the left shift of every outline
    // Section 3's chord is 141.4 mm: true on paper to a tenth of a millimetre.
    const double chordMm = (trailing.x() - leading.x()) * pointsPerPixel * 25.4 / 72;
    EXPECT_NEAR(chordMm, d.stations.chordM[stationIndex(3)] * 1000, 0.1);
}

}  // namespace
}  // namespace kelvarin
