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

constexpr std::size_t kReportBytesHint = 32 * 1024;  // the default design's report is about 22 KB

// Collects the lines of the report in Windows-1251; numbers are ASCII and go in as they are.
class ReportLines {
public:
    ReportLines() { bytes_.reserve(kReportBytesHint); }

    void Line(std::initializer_list<std::string_view> utf8Parts) {
        for (std::string_view part : utf8Parts) {
            encoder_.Append(bytes_, part);
        }
        bytes_.append(kLineEnd);
    }

    // One line in parts: literal texts are encoded, numbers (ASCII digits and the separator)
    // go in as they are.
    void Text(std::string_view utf8) { encoder_.Append(bytes_, utf8); }
    void Number(const std::string& number) { bytes_.append(number); }
    void End() { bytes_.append(kLineEnd); }

    void Cell(const std::string& number) {
        bytes_.append(kCell);
        bytes_.append(number);
        bytes_.append(kCellEnd);
        bytes_.append(kLineEnd);
    }

    std::string Take() { return std::move(bytes_); }

private:
    Windows1251Encoder encoder_;
    std::string bytes_;
};

std::string RelRadiusText(int station) {
    return FormatGeneral(RelRadius[StationIndex(station)], 15, 0);
}

void Figure(ReportLines& lines, std::string_view label, const std::string& number,
            std::string_view unit) {
    lines.Text(label);
    lines.Number(number);
    lines.Text(unit);
    lines.End();
}

void WriteFigures(ReportLines& lines, const PropellerDesign& d, bool manual) {
    lines.Line({"<h3>Технические характеристики винта</h3>"});
    // Each label is 23 characters, padded with spaces, the number right after it.
    Figure(lines, "Диаметр винта          ", FormatFixed(d.Dv, 3, 1), " см <br>");
    Figure(lines, "Шаг винта              ", FormatFixed(d.Hv, 1, 2), " м <br>");
    if (manual) {
        return;  // sizing did not run, so power, speed and flight speeds say nothing
    }
    Figure(lines, "Мощность двигателя     ", FormatFixed(d.Nd, 3, 1), " л/с <br>");
    Figure(lines, "Частота вращения винта ", FormatFixed(d.Nv, 5, 0), " об/мин <br>");
    Figure(lines, "Скорость расченая      ", FormatFixed(d.Vr, 3, 0), " км/ч <br>");
    Figure(lines, "Скорость максимальная  ", FormatFixed(d.Vm, 3, 0), " км/ч <br>");
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
    {"<h3>Bl в см</h3>", [](const PropellerDesign& d,
                            std::size_t i) { return d.Stations.Bl[i] * kCentimetresPerMetre; }},
    {"<h3>Радиус сечений от центра винта в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return static_cast<long double>(RelRadius[i]) * d.Dv / 2.0L;
     }},
    {"<h3>Угол альфа в градусах</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return static_cast<long double>(d.Stations.Alpha[i]);
     }},
    {"<h3>Bl/cos в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return d.Stations.BlCos[i] * kCentimetresPerMetre;
     }},
    {"<h3>Параметр hc в см</h3>",
     [](const PropellerDesign& d, std::size_t i) {
         return d.Stations.Hc[i] * kCentimetresPerMetre;
     }},
};

// Station 1 shares its r/R with station 2 and is left out of the report.
constexpr int kFirstReportedStation = 2;

void WriteStationTable(ReportLines& lines, const PropellerDesign& d,
                       const StationTableLayout& table) {
    lines.Line({table.heading});
    lines.Line({kTableStart});
    lines.Line({kDarkRow});
    for (int k = kFirstReportedStation; k <= kLastStation; ++k) {
        lines.Cell(RelRadiusText(k));
    }
    lines.Line({kRowEnd});
    lines.Line({kLightRow});
    for (int k = kFirstReportedStation; k <= kLastStation; ++k) {
        lines.Cell(FormatFixedExtended(table.value(d, StationIndex(k)), 4, 1));
    }
    lines.Line({kRowEnd});
    lines.Line({kTableEnd});
}

template <std::size_t N>
void WriteProfileRow(ReportLines& lines, std::string_view rowStart, std::string_view label,
                     const std::array<double, N>& values, int precision) {
    lines.Line({rowStart});
    lines.Line({kCell, label, kCellEnd});
    for (double v : values) {
        lines.Cell(FormatFixed(v, precision, 1));
    }
    lines.Line({kRowEnd});
}

void WriteProfileTable(ReportLines& lines, const PropellerDesign& d, int section) {
    const SectionProfile& p = d.Profiles[StationIndex(section)];
    lines.Text("<h3>Координаты профиля лопасти ");
    lines.Number(RelRadiusText(section));
    lines.Text(" радиуса винта в мм</h3>");
    lines.End();
    lines.Line({kTableStart});
    WriteProfileRow(lines, kDarkRow, "X", p.X, 4);
    WriteProfileRow(lines, kMiddleRow, "Yв", p.Yv, 3);
    WriteProfileRow(lines, kLightRow, "Yн", p.Yn, 3);
    lines.Line({kTableEnd});
}

}  // namespace

std::string ReportText(const PropellerDesign& design, bool manual) {
    ReportLines lines;
    lines.Line({"<html>"});
    lines.Line({"<head>"});
    lines.Line({"<body>"});
    WriteFigures(lines, design, manual);
    for (const StationTableLayout& table : kStationTables) {
        WriteStationTable(lines, design, table);
    }
    for (int section = kFirstSection; section <= kLastSection; ++section) {
        WriteProfileTable(lines, design, section);
    }
    // The head is closed after the body; readers of the file take it as it has always been.
    lines.Line({"</body>"});
    lines.Line({"</head>"});
    lines.Line({"</html>"});
    return lines.Take();
}

}  // namespace kelvarin
