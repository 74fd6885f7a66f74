// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "report/DataReport.h"
#include "support/ScopedSeparator.h"

namespace kelvarin::testing {
namespace {

constexpr std::string_view kCell = " <td width=\"50\" height=\"30\">";

std::vector<std::string> Lines(const PropellerDesign& design, InputMode mode) {
    return ReportLinesOf(reportText(design, mode));
}

std::size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    EXPECT_NE(it, lines.end()) << "no line " << line;
    return static_cast<std::size_t>(it - lines.begin());
}

// The numbers of the row that `rowStart` opens after the line `heading`, read cell by cell.
std::vector<std::string> RowAfter(const std::vector<std::string>& lines, const std::string& heading,
                                  const std::string& rowStart) {
    std::size_t i = IndexOf(lines, heading);
    while (i < lines.size() && lines[i] != rowStart) {
        ++i;
    }
    std::vector<std::string> cells;
    for (++i; i < lines.size() && lines[i] != "</tr>"; ++i) {
        const std::string& line = lines[i];
        EXPECT_EQ(line.rfind(kCell, 0), 0u) << line;
        EXPECT_TRUE(line.ends_with("</td>")) << line;
        cells.push_back(line.substr(kCell.size(), line.size() - kCell.size() - 5));
    }
    return cells;
}

const std::string kDark = "<tr align=\"center\" bgcolor=\"#999999\">";
const std::string kMiddle = "<tr align=\"center\" bgcolor=\"#bbbbbb\">";
const std::string kLight = "<tr align=\"center\" bgcolor=\"#dddddd\">";

TEST(ReportLayout, DefaultDesignShowsTheFiguresOfTheCalculatedMode) {
    const std::vector<std::string> lines = Lines(DefaultDesign(), InputMode::Calculated);
    ASSERT_EQ(lines.size(), 607u);
    const std::vector<std::string> head(lines.begin(), lines.begin() + 10);
    EXPECT_EQ(head, (std::vector<std::string>{
                        "<html>",
                        "<head>",
                        "<body>",
                        "<h3>Технические характеристики винта</h3>",
                        "Диаметр винта          152,0 см <br>",
                        "Шаг винта              0,52 м <br>",
                        "Мощность двигателя     14,0 л/с <br>",
                        "Частота вращения винта 2300 об/мин <br>",
                        "Скорость расченая      40 км/ч <br>",
                        "Скорость максимальная  50 км/ч <br>",
                    }));
    const std::vector<std::string> tail(lines.end() - 3, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"</body>", "</head>", "</html>"}));
}

TEST(ReportLayout, StationTablesRunFromStationTwoToTheTip) {
    const std::vector<std::string> lines = Lines(DefaultDesign(), InputMode::Calculated);
    const std::vector<std::string> relRadius = {"0,1", "0,2", "0,3", "0,4", "0,5",
                                                "0,6", "0,7", "0,8", "0,9", "1"};
    const char* headings[] = {"<h3>Bl в см</h3>", "<h3>Радиус сечений от центра винта в см</h3>",
                              "<h3>Угол альфа в градусах</h3>", "<h3>Bl/cos в см</h3>",
                              "<h3>Параметр hc в см</h3>"};
    for (const char* heading : headings) {
        SCOPED_TRACE(heading);
        EXPECT_EQ(lines[IndexOf(lines, heading) + 1],
                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\">");
        EXPECT_EQ(RowAfter(lines, heading, kDark), relRadius);
        EXPECT_EQ(RowAfter(lines, heading, kLight).size(), 10u);
    }
    const auto bl = RowAfter(lines, headings[0], kLight);
    EXPECT_EQ(bl.front(), "10,6");
    EXPECT_EQ(bl.back(), "6,4");
    // 151.7 is held slightly below itself, so 75.85 does not round up.
    const auto radius = RowAfter(lines, headings[1], kLight);
    EXPECT_EQ(radius.front(), "7,6");
    EXPECT_EQ(radius.back(), "75,8");
    const auto alpha = RowAfter(lines, headings[2], kLight);
    EXPECT_EQ(alpha.front(), "65,4");
    EXPECT_EQ(alpha.back(), "12,3");
}

TEST(ReportLayout, ProfileTablesNameTheirRadiusAndEndOnAFlatLowerSurface) {
    const std::vector<std::string> lines = Lines(DefaultDesign(), InputMode::Calculated);
    const std::string first = "<h3>Координаты профиля лопасти 0,2 радиуса винта в мм</h3>";
    const std::string last = "<h3>Координаты профиля лопасти 1 радиуса винта в мм</h3>";
    EXPECT_EQ(IndexOf(lines, last) - IndexOf(lines, first), 8u * 51u);
    for (const std::string& heading : {first, last}) {
        SCOPED_TRACE(heading);
        const std::size_t at = IndexOf(lines, heading);
        EXPECT_EQ(lines[at + 3], std::string(kCell) + "X</td>");
        EXPECT_EQ(lines[at + 19], std::string(kCell) + "Yв</td>");
        EXPECT_EQ(lines[at + 35], std::string(kCell) + "Yн</td>");
        EXPECT_EQ(lines[at + 50], "</table>");
        const auto x = RowAfter(lines, heading, kDark);
        const auto yv = RowAfter(lines, heading, kMiddle);
        const auto yn = RowAfter(lines, heading, kLight);
        // The label cell is the first of each row.
        ASSERT_EQ(x.size(), 14u);
        ASSERT_EQ(yv.size(), 14u);
        ASSERT_EQ(yn.size(), 14u);
        EXPECT_EQ(x[1], "0,0");    // the leading edge
        EXPECT_EQ(yv[13], "0,0");  // the trailing edge closes on the bottom line
        EXPECT_EQ(std::vector<std::string>(yn.begin() + 6, yn.end()),
                  std::vector<std::string>(8, "0,0"));
    }
}

TEST(ReportLayout, ManualModeShowsOnlyDiameterAndPitch) {
    const PropellerDesign design = DefaultDesign();
    const std::vector<std::string> calculated = Lines(design, InputMode::Calculated);
    const std::vector<std::string> manual = Lines(design, InputMode::Manual);
    ASSERT_EQ(manual.size(), 603u);
    EXPECT_EQ(manual[5], "Шаг винта              0,52 м <br>");
    EXPECT_EQ(std::vector<std::string>(manual.begin() + 6, manual.end()),
              std::vector<std::string>(calculated.begin() + 10, calculated.end()));
}

TEST(ReportLayout, CyrillicLinesAreWindows1251WithCrLf) {
    const std::string bytes = reportText(DefaultDesign(), InputMode::Calculated);
    // "<h3>Bl в см</h3>" as the file holds it, spelled out byte by byte.
    EXPECT_NE(bytes.find("\r\n<h3>Bl \xE2 \xF1\xEC</h3>\r\n<table"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n\xD8\xE0\xE3 \xE2\xE8\xED\xF2\xE0              0,52 \xEC <br>\r\n"),
              std::string::npos);
    EXPECT_EQ(bytes.rfind("<html>\r\n", 0), 0u);  // no byte-order mark
    EXPECT_TRUE(bytes.ends_with("</html>\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 607);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 607);
}

TEST(ReportLayout, NumbersFollowTheFormsAndTheSeparator) {
    PropellerDesign design = DefaultDesign();
    design.sizing.pitchM = 99.9;  // more integer digits than the pitch's one significant digit
    design.sizing.diameterCm = 1500;
    {
        const std::vector<std::string> lines = Lines(design, InputMode::Manual);
        EXPECT_EQ(lines[4], "Диаметр винта          1,5E3 см <br>");
        EXPECT_EQ(lines[5], "Шаг винта              1E02 м <br>");
    }
    ScopedSeparator point('.');
    design.sizing.pitchM = 0.52;
    const std::vector<std::string> lines = Lines(design, InputMode::Calculated);
    EXPECT_EQ(lines[5], "Шаг винта              0.52 м <br>");
    EXPECT_EQ(RowAfter(lines, "<h3>Bl в см</h3>", kDark).front(), "0.1");
    EXPECT_NE(IndexOf(lines, "<h3>Координаты профиля лопасти 0.2 радиуса винта в мм</h3>"),
              lines.size());
}

// The station values are products computed in extended precision; written without a stop in
// a double, a width of 6.3 % of 50 cm (3.15 cm) rounds up as it reads.
TEST(ReportLayout, StationProductsAreNotRoundedToDoubleBeforeWriting) {
    const PropellerDesign design =
        runCalculation(startTextsWith({{InputField::Diameter, "50"}, {InputField::Pitch, "0,3"}}),
                       InputMode::Manual)
            .design;
    const auto bl = RowAfter(Lines(design, InputMode::Manual), "<h3>Bl в см</h3>", kLight);
    ASSERT_EQ(bl.size(), 10u);
    EXPECT_EQ(bl[1], "3,2");  // station 3
}

TEST(ReportLayout, AZeroDesignStillGivesTheWholeLayout) {
    // Manual mode right after start: nothing sized, nothing computed.
    const std::vector<std::string> lines = Lines(PropellerDesign{}, InputMode::Calculated);
    ASSERT_EQ(lines.size(), 607u);
    EXPECT_EQ(lines[4], "Диаметр винта          0,0 см <br>");
    EXPECT_EQ(lines[7], "Частота вращения винта 0 об/мин <br>");
}

}  // namespace
}  // namespace kelvarin::testing
