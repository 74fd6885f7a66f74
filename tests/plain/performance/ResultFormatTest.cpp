// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/ResultFormat.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kelvarin {
namespace {

std::vector<OperatingPoint> twoPoints() {
    OperatingPoint solved;
    solved.speedKmh = 36;
    solved.rpm = 2300;
    solved.converged = true;
    solved.thrustN = 1000.26;
    solved.efficiency = 0.5;
    solved.thrustCoefficient = -0.000001;  // rounds to nought: no "-0" in a file
    OperatingPoint gap;
    gap.speedKmh = 40.5;
    gap.rpm = 2300;
    return {solved, gap};
}

TEST(ResultFormat, CsvHasOneLineAPointAndEmptyFieldsForAGap) {
    const std::string csv = formatResults(twoPoints(), airAt(0), ResultFormat::Csv);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
    EXPECT_EQ(csv.rfind("speed_kmh,rpm,thrust_n,", 0), 0u);
    EXPECT_NE(csv.find("\n36.0,2300,1000.3,"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",0.00000,"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n40.5,2300,,,,,,,,,,0\n"), std::string::npos) << csv;
}

TEST(ResultFormat, JsonWritesNullsForAGapAndPointsAlways) {
    const std::string json = formatResults(twoPoints(), airAt(0), ResultFormat::Json);
    EXPECT_NE(json.find("\"density_kg_m3\": 1.22500"), std::string::npos) << json;
    EXPECT_NE(json.find("\"thrust_n\": 1000.3, "), std::string::npos) << json;
    EXPECT_NE(json.find("\"speed_kmh\": 40.5, \"rpm\": 2300, \"thrust_n\": null"),
              std::string::npos);
    EXPECT_NE(json.find("\"converged\": false}\n  ]\n}\n"), std::string::npos);
    EXPECT_EQ(json.find(','), json.find(", \"temperature_c\""));  // no decimal comma anywhere
    EXPECT_EQ(formatResults({}, airAt(0), ResultFormat::Json).find("[]"),
              formatResults({}, airAt(0), ResultFormat::Json).find("\"points\": []") + 10);
}

TEST(ResultFormat, TextTableInRussianMarksAGap) {
    const std::string text = formatResults(twoPoints(), airAt(0), ResultFormat::Text);
    EXPECT_NE(text.find("Тяга"), std::string::npos);
    EXPECT_NE(text.find("нет решения"), std::string::npos);
    EXPECT_NE(text.find("1000.3"), std::string::npos);
    EXPECT_EQ(parseResultFormat("json"), ResultFormat::Json);
    EXPECT_FALSE(parseResultFormat("xml"));
}

}  // namespace
}  // namespace kelvarin
