// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/GeometryFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <sstream>

#include "performance/PerformanceCurves.h"
#include "performance/PerformanceError.h"

namespace kelvarin {
namespace {

PropellerGeometry read(const std::string& text, AngleDatum datum = AngleDatum::ChordLine) {
    std::istringstream in(text);
    return readGeometry(in, "винт.csv", {1.2, 3, datum});
}

std::string refusal(const std::string& text) {
    try {
        read(text);
    } catch (const PerformanceError& e) {
        return e.what();
    }
    return "accepted";
}

TEST(GeometryFile, ReadsTheUsualSpellingsOfATable) {
    const std::string spellings[] = {
        "r/R,c/R,beta,t/c\n# measured\n0.2,0.15,30,0.2\n\n1.0,0.05,12,0.07\n",
        "\xEF\xBB\xBFr/R;c/R;угол;t/c\r\n0,2;0,15;30;0,2\r\n1;0,05;12;0,07\r\n",
        "  0.2   0.15\t30  0.2\n1.0 0.05 12 0.07",
    };
    for (const std::string& text : spellings) {
        const PropellerGeometry g = read(text);
        EXPECT_EQ(g.diameterM, 1.2);
        EXPECT_EQ(g.bladeCount, 3);
        ASSERT_EQ(g.stations.size(), 2u) << text;
        EXPECT_EQ(g.stations[0].chordFraction, 0.15);
        EXPECT_EQ(g.stations[1].bladeAngleDeg, 12);
        EXPECT_EQ(g.stations[1].thicknessRatio, 0.07);
    }
}

TEST(GeometryFile, FaceAnglesAreTurnedToTheChordLine) {
    const PropellerGeometry g = read("0.2,0.15,30,0.2\n1,0.05,12,0.1\n", AngleDatum::FlatFace);
    EXPECT_NEAR(g.stations[1].bladeAngleDeg, 12 + std::atan(0.03) * 180 / 3.14159265358979, 1e-9);
    EXPECT_GT(g.stations[1].chordFraction, 0.05);
    // A flat face without a stated camber is the flat-bottomed section; a fifth column states it.
    EXPECT_NEAR(camberOf(g.stations[1]), 0.0314, 1e-12);
    EXPECT_EQ(camberOf(read("0.2,0.15,30,0.2\n1,0.05,12,0.06\n").stations[1]), 0.03);
    EXPECT_EQ(read("0.2,0.15,30,0.2,0.05\n1,0.05,12,0.1,0.04\n").stations[1].camberRatio, 0.04);
    EXPECT_EQ(parseAngleDatum("face"), AngleDatum::FlatFace);
    EXPECT_FALSE(parseAngleDatum("Face"));
}

TEST(GeometryFile, RefusalsNameTheFileTheLineAndTheFault) {
    struct Case {
        const char* text;
        const char* says;
    };
    const Case cases[] = {
        {"0.2,0.15,30,0.2\n0.5,abc,20,0.1\n", "строка 2: относительная хорда «abc» — не число"},
        {"0.2,0.15,30\n", "строка 1: нужно 4 числа"},
        {"0.2,0.15,30,0.2\n0.1,0.15,30,0.2\n",
         "строка 2: относительный радиус 0,1 не больше, чем у предыдущей станции (0,2)"},
        {"0.2,0.15,30,12\n1,0.1,10,0.1\n", "строка 1: относительная толщина"},
        {"0.2,0.15,95,0.1\n", "строка 1: угол установки"},
        {"0.2,0.15,30,0.2,0.5\n", "строка 1: относительная кривизна"},
        {"# nothing\n", "нет ни одной станции"},
        {"0.2,0.15,30,0.2\n", "хотя бы две станции"},
        {"0.2,0.15,30,0.2\n0.4,0.1,20,0.1\n", "Последняя станция"},
        {"r,c,b,t\nr,c,b,t\n", "строка 2: относительный радиус «r» — не число"},
    };
    for (const Case& c : cases) {
        const std::string message = refusal(c.text);
        EXPECT_NE(message.find("«винт.csv»"), std::string::npos) << message;
        EXPECT_NE(message.find(c.says), std::string::npos) << message;
    }
    EXPECT_NE(std::string(refusal(std::string(5000, '1'))).find("длиннее"), std::string::npos);
    // A long field is quoted shortened, between whole characters.
    std::string cyrillic;
    for (int i = 0; i < 30; ++i) {
        cyrillic += "ж";
    }
    const std::string quoted = "«x" + cyrillic.substr(0, 58) + "…»";  // 29 letters, 2 bytes each
    EXPECT_NE(refusal("0.2,0.15,30,0.2\n0.5,x" + cyrillic + ",20,0.1\n").find(quoted),
              std::string::npos);
}

// What is no table is refused by name without being read or waited on; standard input is read.
TEST(GeometryFile, OnlyARegularFileOrStandardInputIsRead) {
    const auto fileRefusal = [](const std::string& path) -> std::string {
        try {
            readGeometryFile(path, {1, 2, AngleDatum::ChordLine});
        } catch (const PerformanceError& e) {
            return e.what();
        }
        return "accepted";
    };
    const std::string folder = ::testing::TempDir();
    const std::string fifo = folder + "geometry-fifo";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);  // nobody writes to it
    const std::pair<std::string, const char*> cases[] = {
        {"нет/такого.csv", "«нет/такого.csv»: такого файла нет"},
        {folder, "это каталог, а не файл"},
        {fifo, "не обычный файл"},
        {"/dev/zero", "не обычный файл"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_NE(fileRefusal(path).find(reason), std::string::npos) << fileRefusal(path);
    }
    ::unlink(fifo.c_str());

    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    const std::string table = "0.2, 0.1, 40, 0.12\n1.0, 0.05, 12, 0.08\n";
    ASSERT_EQ(::write(ends[1], table.data(), table.size()), static_cast<ssize_t>(table.size()));
    ::close(ends[1]);
    const int input = ::dup(STDIN_FILENO);
    ::dup2(ends[0], STDIN_FILENO);
    ::close(ends[0]);
    EXPECT_EQ(fileRefusal("-"), "accepted");
    ::dup2(input, STDIN_FILENO);
    ::close(input);
}

TEST(SpeedRange, FromToStepEndsOnTheTopSpeed) {
    EXPECT_EQ(speedsOf(parseSpeedRange("0:100:5")).size(), 21u);
    const std::vector<double> v = speedsOf(parseSpeedRange("10:20,5:3"));
    EXPECT_EQ(v, (std::vector<double>{10, 13, 16, 19, 20.5}));
    EXPECT_EQ(speedsOf(parseSpeedRange("0:0.3:0.1")).back(), 0.3);
    for (const char* bad : {"0:100", "0:x:5", "0:100:0", "50:10:5", "0:700:5", "0:600:0.0001"}) {
        EXPECT_THROW(speedsOf(parseSpeedRange(bad)), PerformanceError) << bad;
    }
}

}  // namespace
}  // namespace kelvarin
