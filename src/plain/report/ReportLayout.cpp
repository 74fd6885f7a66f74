// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>

#include "core/BladeTables.h"
#include "core/NumberFormat.h"
#include "report/DataReport.h"
#include "report/Windows1251.h"

namespace kelvarin {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kCell = " <td width=\"50\" height=\"30\">";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kTableStart = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\">";
constexpr std::string_view kTableEnd = "</table>";
constexpr std::string_view kRowEnd = "</tr>";
constexpr std::string_view kDarkRow = "<tr align=\"center\" bgcolor=\"#999999\">";
constexpr std::string_view kMiddleRow = "<tr align=\"center\" bgcolor=\"#bbbbbb\">";
constexpr std::string_view kLightRow = "<tr align=\"center\" bgcolor=\"#dddddd\">";

// The default design's report is about 22 KB.
constexpr std::size_t kReportBytesHint = std::size_t{32} * 1024;

// Collects the lines of the report in Windows-1251; numbers are ASCII and go in as they are.
class ReportLines {
public:
    ReportLines() { bytes_.reserve(kReportBytesHint); }

    void addLine(std::initializer_list<std::string_view> utf8Parts) {
        for (std::string_view part : utf8Parts) {
            encoder_.append(bytes_, part);
        }
        bytes_.append(kLineEnd);
    }

    // One line in parts: literal texts are encoded, numbers (ASCII digits and the separator)
    // go in as they are.
    void addText(std::string_view utf8) { encoder_.append(bytes_, utf8); }
    void addNumber(const std::string& number) { bytes_.append(number); }
    void endLine() { bytes_.append(kLineEnd); }

    void addCell(const std::string& number) {
        bytes_.append(kCell);
        bytes_.append(number);
        bytes_.append(kCellEnd);
        bytes_.append(kLineEnd);
    }

    std::string take() { return std::move(bytes_); }

private:
    Windows1251Encoder encoder_;
    std::string bytes_;
};

std::string relativeRadiusText(int station) {
    return formatGeneral(kRelativeRadius[stationIndex(station)], 15, 0);
}

void figure(ReportLines& lines, std::string_view label, const std::string& number,
            std::string_view unit) {
    lines.addText(label);
    lines.addNumber(number);
    lines.addText(unit);
    lines.endLine();
}

void writeFigures(ReportLines& lines, const PropellerDesign& d, InputMode mode) {
    lines.addLine({"<h3>Технические характеристики винта</h3>"});
    // Each label is 23 characters, padded with spaces, the number right after it.
    figure(lines, "Диаметр винта          ", formatFixed(d.sizing.diameterCm, 3, 1), " см <br>");
    figure(lines, "Шаг винта              ", formatFixed(d.sizing.pitchM, 1, 2), " м <br>");
    if (mode == InputMode::Manual) {
        return;  // sizing did not run, so power, speed and flight speeds say nothing
    }
    figure(lines, "Мощность двигателя     ", formatFixed(d.inputs.powerHp, 3, 1), " л/с <br>");
    figure(lines, "Частота вращения винта ", formatFixed(d.inputs.speedRpm, 5, 0), " об/мин <br>");
    figure(lines, "Скорость расченая      ", formatFixed(d.inputs.designSpeedKmh, 3, 0),
           " км/ч <br>");
    figure(lines, "Скорость максимальная  ", formatFixed(d.inputs.maxSpeedKmh, 3, 0), " км/ч <br>");
}

// A station table's value, computed in extended precision and written without being stored,
// so no rounding to a double comes between the product and its text.
using StationValue = long double (*)(const PropellerDesign&, std::size_t index);

struct StationTableLayout {
    std::string_view heading;
    StationValue value;
};

constexpr long double kCentimetresPerMetre = 100.0L;

const StationTableLayout kStationTables[] = {
    {"<h3>Bl в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return d.stations.bladeWidthM[i] * kCentimetresPerMetre;
     }},
    {"<h3>Радиус сечений от центра винта в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return static_cast<long double>(kRelativeRadius[i]) * d.sizing.diameterCm / 2.0L;
     }},
    {"<h3>Угол альфа в градусах</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return static_cast<long double>(d.stations.bladeAngleDeg[i]);
     }},
    {"<h3>Bl/cos в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return d.stations.chordM[i] * kCentimetresPerMetre;
     }},
    {"<h3>Параметр hc в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return d.stations.axialDepthM[i] * kCentimetresPerMetre;
     }},
};

// Station 1 shares its r/R with station 2 and is left out of the report.
constexpr int kFirstReportedStation = 2;

void writeStationTable(ReportLines& lines, const PropellerDesign& d,
                       const StationTableLayout& table) {
    lines.addLine({table.heading});
    lines.addLine({kTableStart});
    lines.addLine({kDarkRow});
    for (int k = kFirstReportedStation; k <= kLastStation; ++k) {
        lines.addCell(relativeRadiusText(k));
    }
    lines.addLine({kRowEnd});
    lines.addLine({kLightRow});
    for (int k = kFirstReportedStation; k <= kLastStation; ++k) {
        lines.addCell(formatFixedExtended(table.value(d, stationIndex(k)), 4, 1));
    }
    lines.addLine({kRowEnd});
    lines.addLine({kTableEnd});
}

template <std::size_t N>
void writeProfileRow(ReportLines& lines, std::string_view rowStart, std::string_view label,
                     const std::array<double, N>& values, int precision) {
    lines.addLine({rowStart});
    lines.addLine({kCell, label, kCellEnd});
    for (double v : values) {
        lines.addCell(formatFixed(v, precision, 1));
    }
    lines.addLine({kRowEnd});
}

void writeProfileTable(ReportLines& lines, const PropellerDesign& d, int section) {
    const SectionProfile& p = d.profiles[stationIndex(section)];
    lines.addText("<h3>Координаты профиля лопасти ");
    lines.addNumber(relativeRadiusText(section));
    lines.addText(" радиуса винта в мм</h3>");
    lines.endLine();
    lines.addLine({kTableStart});
    writeProfileRow(lines, kDarkRow, "X", p.xMm, 4);
    writeProfileRow(lines, kMiddleRow, "Yв", p.upperMm, 3);
    writeProfileRow(lines, kLightRow, "Yн", p.lowerMm, 3);
    lines.addLine({kTableEnd});
}

}  // namespace

std::string reportText(const PropellerDesign& design, InputMode mode) {
    ReportLines lines;
    lines.addLine({"<html>"});
    lines.addLine({"<head>"});
    lines.addLine({"<body>"});
    writeFigures(lines, design, mode);
    for (const StationTableLayout& table : kStationTables) {
        writeStationTable(lines, design, table);
    }
    for (int section = kFirstSection; section <= kLastSection; ++section) {
        writeProfileTable(lines, design, section);
    }
    // The head is closed after the body; readers of the file take it as it has always been.
    lines.addLine({"</body>"});
    lines.addLine({"</head>"});
    lines.addLine({"</html>"});
    return lines.take();
}

}  // namespace kelvarin
