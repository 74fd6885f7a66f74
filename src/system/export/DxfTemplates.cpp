// SPDX-License-Identifier: GPL-3.0-or-later
#include <dl_dxf.h>
#include <dl_writer_ascii.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "drawing/BezierCurve.h"
#include "export/ExportResolution.h"
#include "export/TemplateExport.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

namespace {

constexpr double kMmPerInch = 25.4;
// Curves become polylines with points this far apart at most: a circle of 1 mm radius (the
// nose of the smallest section) strays from its chords by less than 0.04 mm.
constexpr double kPointSpacingMm = 0.5;
// More points than this is no template a CNC controller or laser software takes in one go:
// some 4 MB of DXF, where the start design needs 10 000 points.
constexpr std::size_t kMostPoints = 100'000;
// DejaVu Sans: the ascent (the baseline below the text's top) and the capital letters' height,
// which a DXF text's height gives, per em.
constexpr double kAscentPerEm = 1901.0 / 2048;
constexpr double kCapHeightPerEm = 1493.0 / 2048;

// dxflib's sections, tables and entities, written into memory rather than straight into a
// file, so that the file is replaced whole or not at all.
class DxfText : public DL_WriterA {
public:
    DxfText() : DL_WriterA("", DL_Codes::AC1015) {}

    void dxfReal(int gc, double value) const override {
        std::array<char, 64> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                       std::chars_format::fixed, 6);
        put(gc, std::string_view(text.data(), static_cast<std::size_t>(end.ptr - text.data())));
    }
    void dxfInt(int gc, int value) const override { put(gc, std::to_string(value)); }
    void dxfHex(int gc, int value) const override {
        char text[16];
        std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
        put(gc, text);
    }
    void dxfString(int gc, const char* value) const override {
        if (value != nullptr) {
            put(gc, value);
        }
    }
    void dxfString(int gc, const std::string& value) const override { put(gc, value); }

    std::string take() { return std::move(text_); }

private:
    void put(int gc, std::string_view value) const {
        // The group code right-aligned in three places, as DXF writers have it.
        text_ += gc < 10 ? "  " : gc < 100 ? " " : "";
        text_ += std::to_string(gc);
        text_ += '\n';
        text_ += value;
        text_ += '\n';
    }

    mutable std::string text_;
};

struct LayerStyle {
    TemplateLayer layer;
    const char* name;
    int color;  // AutoCAD colour index
};
constexpr std::array<LayerStyle, 5> kLayers = {{
    {TemplateLayer::Outline, "outline", 7},
    {TemplateLayer::ReferenceLines, "reference-lines", 3},
    {TemplateLayer::CutLine, "cut-line", 6},
    {TemplateLayer::Marks, "marks", 1},
    {TemplateLayer::Text, "text", 7},
}};

// The line weights DXF knows, in hundredths of a millimetre.
constexpr std::array<int, 24> kLineWeights = {0,  5,   9,   13,  15,  18,  20,  25,
                                              30, 35,  40,  50,  53,  60,  70,  80,
                                              90, 100, 106, 120, 140, 158, 200, 211};

// The weight a template line of this width is drawn with: the nearest DXF has.
int lineWeightOf(double widthMm) {
    const double hundredths = templateLineMm(widthMm) * 100;
    return *std::min_element(kLineWeights.begin(), kLineWeights.end(), [&](int a, int b) {
        return std::abs(a - hundredths) < std::abs(b - hundredths);
    });
}

const char* layerName(TemplateLayer layer) {
    for (const LayerStyle& style : kLayers) {
        if (style.layer == layer) {
            return style.name;
        }
    }
    return "0";
}

// Text in the drawing's code page, Windows-1251 ($DWGCODEPAGE): ASCII and the Russian letters
// as its bytes, anything else as the \U+XXXX that DXF readers decode.
std::string dxfEncoded(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += length;
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c >= 0x410 && c <= 0x44F) {
            out += static_cast<char>(0xC0 + (c - 0x410));
        } else if (c == 0x401 || c == 0x451) {
            out += static_cast<char>(c == 0x401 ? 0xA8 : 0xB8);
        } else {
            char code[16];
            std::snprintf(code, sizeof code, "\\U+%04X", static_cast<unsigned>(c));
            out += code;
        }
    }
    return out;
}

class DxfDrawing {
public:
    DxfDrawing(const TemplateDocument& sheet, double lineWidthMm)
        : lineWeight_(lineWeightOf(lineWidthMm)),
          mmPerPixel_(kMmPerInch / sheet.page.dpi),
          heightMm_(sheet.page.pageHeightPx * kMmPerInch / sheet.page.dpi),
          page_(sheet.pages.front()),
          dpi_(sheet.page.dpi) {}

    std::string write() {
        DxfText out;
        dxf_.writeHeader(out);
        // Russian text, millimetres, and a metric drawing.
        out.dxfString(9, "$DWGCODEPAGE");
        out.dxfString(3, "ANSI_1251");
        out.dxfString(9, "$INSUNITS");
        out.dxfInt(70, 4);
        out.dxfString(9, "$MEASUREMENT");
        out.dxfInt(70, 1);
        out.sectionEnd();
        writeTables(out);
        writeBlocks(out);
        out.sectionEntities();
        for (const TemplateItem& item : page_.items) {
            writeItem(out, item);
        }
        out.sectionEnd();
        dxf_.writeObjects(out);
        dxf_.writeObjectsEnd(out);
        out.dxfEOF();
        return out.take();
    }

    // How many points the drawing's polylines will have.
    std::size_t pointCount() const {
        std::size_t points = 0;
        for (const TemplateItem& item : page_.items) {
            if (const auto* path = std::get_if<BezierPath>(&item.shape)) {
                for (const BezierSegment& s : path->segments) {
                    points += stepsOf(s);
                }
            }
        }
        return points;
    }

private:
    double x(double px) const { return px * mmPerPixel_; }
    // DXF's Y runs upward, from the sheet's bottom edge.
    double y(double px) const { return heightMm_ - px * mmPerPixel_; }

    std::size_t stepsOf(const BezierSegment& s) const {
        return static_cast<std::size_t>(std::clamp(
            std::ceil(controlPolygonLength(s) * mmPerPixel_ / kPointSpacingMm), 1.0, 1e9));
    }

    void writeTables(DxfText& out) {
        out.sectionTables();
        dxf_.writeVPort(out);
        out.tableLinetypes(4);
        dxf_.writeLinetype(out, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
        dxf_.writeLinetype(out, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
        dxf_.writeLinetype(out, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
        double dots[] = {0.0, -1.5};
        dxf_.writeLinetype(out, DL_LinetypeData("DOT", "Dot . . . .", 0, 2, 1.5, dots));
        out.tableEnd();
        out.tableLayers(static_cast<int>(kLayers.size()) + 1);
        dxf_.writeLayer(out, DL_LayerData("0", 0),
                        DL_Attributes("", DL_Codes::black, 100, "CONTINUOUS", 1.0));
        for (const LayerStyle& style : kLayers) {
            dxf_.writeLayer(
                out, DL_LayerData(style.name, 0),
                DL_Attributes("", style.color, lineWeight_,
                              style.layer == TemplateLayer::CutLine ? "DOT" : "CONTINUOUS", 1.0));
        }
        out.tableEnd();
        out.tableStyle(1);
        dxf_.writeStyle(out,
                        DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "DejaVuSans.ttf", ""));
        out.tableEnd();
        dxf_.writeView(out);
        dxf_.writeUcs(out);
        out.tableAppid(1);
        dxf_.writeAppid(out, "ACAD");
        out.tableEnd();
        dxf_.writeDimStyle(out, 1, 1, 1, 1, 1);
        dxf_.writeBlockRecord(out);
        out.tableEnd();
        out.sectionEnd();
    }

    void writeBlocks(DxfText& out) {
        out.sectionBlocks();
        for (const char* name : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
            dxf_.writeBlock(out, DL_BlockData(name, 0, 0.0, 0.0, 0.0));
            dxf_.writeEndBlock(out, name);
        }
        out.sectionEnd();
    }

    void writeItem(DxfText& out, const TemplateItem& item) {
        const DL_Attributes attributes(layerName(item.layer), 256, -1, "BYLAYER", 1.0);
        if (const auto* path = std::get_if<BezierPath>(&item.shape)) {
            writePath(out, *path, attributes);
        } else if (const auto* line = std::get_if<LineShape>(&item.shape)) {
            dxf_.writeLine(
                out,
                DL_LineData(x(line->from.x), y(line->from.y), 0, x(line->to.x), y(line->to.y), 0),
                attributes);
        } else if (const auto* ellipse = std::get_if<EllipseShape>(&item.shape)) {
            const PixelRect& b = ellipse->bounds;
            dxf_.writeCircle(out,
                             DL_CircleData(x((b.left + b.right) / 2.0), y((b.top + b.bottom) / 2.0),
                                           0, (b.right - b.left) / 2.0 * mmPerPixel_),
                             attributes);
        } else {
            const auto& text = std::get<TextShape>(item.shape);
            const double emMm = std::ceil(text.fontPoints * dpi_ / 72.0) * mmPerPixel_;
            const double baseline = y(text.topLeft.y) - emMm * kAscentPerEm;
            dxf_.writeText(out,
                           DL_TextData(x(text.topLeft.x), baseline, 0, x(text.topLeft.x), baseline,
                                       0, emMm * kCapHeightPerEm, 1.0, 0, 0, 0,
                                       dxfEncoded(text.text), "standard", 0.0),
                           attributes);
        }
    }

    // A closed outline as one closed polyline: each piece's points in turn, the last point
    // (which is the first) left to the closing flag.
    void writePath(DxfText& out, const BezierPath& path, const DL_Attributes& attributes) {
        std::vector<std::pair<double, double>> points;
        for (const BezierSegment& s : path.segments) {
            const std::size_t steps = stepsOf(s);
            for (std::size_t k = points.empty() ? 0 : 1; k <= steps; ++k) {
                const CurvePoint p = bezierPoint(s, static_cast<double>(k) / steps);
                points.emplace_back(x(p.x), y(p.y));
            }
        }
        const bool closed =
            !path.segments.empty() && path.segments.front()[0] == path.segments.back()[3];
        if (closed && points.size() > 1) {
            points.pop_back();
        }
        dxf_.writePolyline(out,
                           DL_PolylineData(static_cast<int>(points.size()), 0, 0, closed ? 1 : 0),
                           attributes);
        for (const auto& [px, py] : points) {
            dxf_.writeVertex(out, DL_VertexData(px, py, 0, 0));
        }
        dxf_.writePolylineEnd(out);
    }

    DL_Dxf dxf_;
    int lineWeight_;  // hundredths of a millimetre, every layer's
    double mmPerPixel_;
    double heightMm_;
    const TemplatePage& page_;
    std::int32_t dpi_;
};

}  // namespace

std::string templatesDxf(const PropellerDesign& design, const TemplateExportOptions& options) {
    const TemplateDocument sheet =
        layOutTemplateSheet(design, kExportDpi, options.section, options.date, options.lineWidthMm);
    DxfDrawing drawing(sheet, options.lineWidthMm);
    if (const std::size_t points = drawing.pointCount(); points > kMostPoints) {
        throw TemplateLayoutError(
            withArguments(translatedText("kelvarin::DxfTemplates",
                                         "чертёж DXF вышел бы из %1 точек, а больше %2 "
                                         "станки и программы резки не принимают; проверьте "
                                         "диаметр и шаг винта"),
                          {std::to_string(points), std::to_string(kMostPoints)}));
    }
    return drawing.write();
}

}  // namespace kelvarin
