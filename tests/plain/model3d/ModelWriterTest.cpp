// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/ModelWriter.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS_Shape.hxx>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <regex>
#include <string>

#include "StartDesign.h"
#include "model3d/ModelError.h"

namespace kelvarin {
namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed with everything in it.
class ModelFiles : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kelvarin-model-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::vector<std::string> namesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    static double volumeOf(const TopoDS_Shape& shape) {
        GProp_GProps props;
        BRepGProp::VolumeProperties(shape, props, 1e-6);
        return props.Mass();
    }

    fs::path folder_;
};

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// What admesh, an independent mesh checker, reports for a file before it repairs anything.
std::string admeshReport(const fs::path& stl) {
    std::string report;
    FILE* pipe = ::popen(("admesh '" + stl.string() + "' 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return report;
    }
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
        report += buffer;
    }
    ::pclose(pipe);
    return report;
}

double admeshFigure(const std::string& report, const std::string& label) {
    std::smatch m;
    if (!std::regex_search(report, m, std::regex(label + R"(\s*[:=]\s*([-0-9.]+))"))) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::stod(m[1].str());
}

TEST_F(ModelFiles, StlIsWatertightAndTurnedOutwardForAdmesh) {
    const PropellerSolid solid = buildPropellerSolid(testing::startShape());
    const fs::path stl = folder_ / "propeller.stl";
    writeModel(solid, stl);

    const std::string report = admeshReport(stl);
    ASSERT_NE(report.find("Binary STL"), std::string::npos) << report;
    for (const char* label :
         {"Total disconnected facets", "Degenerate facets", "Edges fixed", "Facets removed",
          "Facets added", "Facets reversed", "Backwards edges", "Normals fixed"}) {
        EXPECT_EQ(admeshFigure(report, label), 0) << label << "\n" << report;
    }
    EXPECT_EQ(admeshFigure(report, "Number of parts"), 1) << report;
    // In millimetres, and as large as the solid.
    EXPECT_NEAR(admeshFigure(report, "Max X"), 758.5, 0.01) << report;
    EXPECT_NEAR(admeshFigure(report, "Volume"), volumeOf(solid.shape()),
                0.005 * volumeOf(solid.shape()));
}

TEST_F(ModelFiles, StepHoldsOneSolidInMillimetres) {
    const PropellerSolid solid = buildPropellerSolid(testing::startShape(), Handedness::Left);
    const fs::path step = folder_ / "Пропеллер.STEP";
    writeModel(solid, step);

    const std::string text = readAll(step);
    EXPECT_NE(text.find("AUTOMOTIVE_DESIGN"), std::string::npos);  // AP214
    EXPECT_NE(text.find("SI_UNIT(.MILLI.,.METRE.)"), std::string::npos);
    // Plain ASCII throughout, as strict readers demand: the name in Cyrillic is left out.
    EXPECT_NE(text.find("FILE_NAME('propeller.STEP'"), std::string::npos);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

    STEPControl_Reader reader;
    ASSERT_EQ(reader.ReadFile(step.c_str()), IFSelect_RetDone);
    reader.TransferRoots();
    const TopoDS_Shape read = reader.OneShape();
    int solids = 0;
    for (TopExp_Explorer e(read, TopAbs_SOLID); e.More(); e.Next()) {
        ++solids;
    }
    EXPECT_EQ(solids, 1);
    EXPECT_NEAR(volumeOf(read), volumeOf(solid.shape()), 1e-4 * volumeOf(solid.shape()));
    EXPECT_EQ(namesInFolder(), std::vector<std::string>{"Пропеллер.STEP"});
}

// Degenerate designs are refused before anything is built, with a message that says why.
TEST_F(ModelFiles, DegenerateDesignsAreRefusedWithoutAFile) {
    struct Case {
        const char* what;
        std::function<void(PropellerShape&)> spoil;
        const char* message;
    };
    const Case cases[] = {
        {"a design not yet calculated", [](PropellerShape& s) { s = shapeFromDesign({}); },
         "диаметр винта 0,0 см вне разумных пределов"},
        {"a diameter beyond sense",
         [](PropellerShape& s) { s = shapeFromDesign(testing::startDesign("5000", "20")); },
         "диаметр винта 5000,0 см"},
        {"zero width", [](PropellerShape& s) { s.sections[4].widthMm = 0; },
         "ширина лопасти в сечении 7 (0,0 мм) должна быть больше нуля"},
        {"a negative blade angle", [](PropellerShape& s) { s.sections[0].bladeAngleDeg = -46.37; },
         "угол лопасти в сечении 3 (−46,37°) не больше нуля: шаг винта должен быть больше нуля"},
        {"a pitch that stands the root along the axis",
         [](PropellerShape& s) { s = shapeFromDesign(testing::startDesign("100", "2")); },
         "угол лопасти в сечении 3 (81,"},
        {"not a number", [](PropellerShape& s) { s.sections[8].profile.upperMm[5] = std::nan(""); },
         "в сечении 11 есть значение, которое не является числом"},
    };
    for (const Case& c : cases) {
        PropellerShape shape = testing::startShape();
        c.spoil(shape);
        const fs::path path = folder_ / "propeller.stl";
        try {
            writeModel(buildPropellerSolid(shape), path);
            ADD_FAILURE() << c.what << ": built";
        } catch (const ModelError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << c.what << ": " << e.what();
        }
        EXPECT_TRUE(namesInFolder().empty()) << c.what;
    }
}

TEST_F(ModelFiles, AFailedWriteLeavesTheOldFileAndNoTemporary) {
    const fs::path old = folder_ / "propeller.step";
    std::ofstream(old) << "old";
    ASSERT_EQ(::mkfifo((folder_ / "pipe.stl").c_str(), 0600), 0);
    fs::create_directory(folder_ / "folder.stl");
    const PropellerSolid solid = buildPropellerSolid(testing::startShape());
    const std::pair<fs::path, const char*> cases[] = {
        {folder_ / "missing" / "propeller.stl", "propeller.stl»: папка не найдена."},
        {folder_ / "propeller.obj", ".step, .stp или .stl"},
        {folder_ / "pipe.stl", "это не обычный файл, а канал или устройство."},
        {folder_ / "folder.stl", "на месте файла находится папка."},
    };
    for (const auto& [path, message] : cases) {
        try {
            writeModel(solid, path);
            ADD_FAILURE() << "written: " << path;
        } catch (const ModelError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with("Не удалось сохранить модель в файл «"));
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
    if (::geteuid() != 0) {  // root writes whatever the permissions say
        fs::permissions(old, fs::perms(0444));
        try {
            writeModel(solid, old);
            ADD_FAILURE() << "a read-only file replaced";
        } catch (const ModelError& e) {
            EXPECT_NE(std::string(e.what()).find("файл защищён от записи"), std::string::npos)
                << e.what();
        }
    }
    EXPECT_EQ(readAll(old), "old");
    auto names = namesInFolder();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"folder.stl", "pipe.stl", "propeller.step"}));
}

}  // namespace
}  // namespace kelvarin
