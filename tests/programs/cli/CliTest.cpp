// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli's commands run in the test's process, their outputs against the library's.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <sstream>
#include <streambuf>

#include "cli/CliProgram.h"
#include "core/CalculationRun.h"
#include "designfile/DesignFile.h"
#include "report/DataReport.h"
#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin::testing {
namespace {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
};

CliRun Cli(std::vector<std::string> arguments) {
    std::ostringstream out;
    std::ostringstream err;
    CliStreams streams{out, err};
    CliRun run;
    run.code = runCli(arguments, streams);
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

class CliTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
    ScopedSeparator comma{','};
    QTemporaryDir dir;
};

TEST_F(CliTest, ReportAndCalcAgreeWithTheLibrary) {
    // A design saved by the tool, in by-diameter mode with a point on the command line.
    ASSERT_EQ(Cli({"save", "--power", "20", "--by-diameter", "160.5", "--vdesign", "45",
                   "--section", "7", "-o", Path("d.kelvarin")})
                  .code,
              0);
    const DesignLoad load = loadDesignFile(dir.filePath("d.kelvarin"));
    ASSERT_TRUE(load.document);
    EXPECT_EQ(load.document->section, 7);
    const FieldTexts texts = startTextsWith({{InputField::Diameter, "160,5"},
                                             {InputField::Power, "20"},
                                             {InputField::DesignSpeed, "45"}});
    EXPECT_EQ(load.document->fieldTexts, texts);

    const CalculationOutcome library = runCalculation(texts, InputMode::ByDiameter);
    const CliRun report = Cli({"report", Path("d.kelvarin"), "-o", Path("Date.html")});
    EXPECT_EQ(report.code, 0) << report.err;
    EXPECT_EQ(ReadBytes(dir.filePath("Date.html")),
              reportText(library.design, InputMode::ByDiameter));
    EXPECT_EQ(Cli({"report", Path("d.kelvarin")}).out,
              reportText(library.design, InputMode::ByDiameter));

    const CliRun text = Cli({"calc", Path("d.kelvarin")});
    EXPECT_NE(text.out.find("Частота вращения винта " +
                            library.fieldTexts[fieldIndex(InputField::PropellerSpeed)]),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Скорость конца лопасти"), std::string::npos);
    // The manual mode's two lines keep the column of all six.
    EXPECT_NE(Cli({"calc", "--manual", "151.7", "0.52"}).out.find("\nШаг винта              0"),
              std::string::npos);
    const CliRun csv = Cli({"calc", Path("d.kelvarin"), "--format", "csv"});
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 11);  // a header, stations 2-11
    EXPECT_NE(csv.out.find("\r\n11,1,80.25,"), std::string::npos) << csv.out;
    const CliRun json = Cli({"calc", Path("d.kelvarin"), "--format", "json"});
    EXPECT_NE(json.out.find("\"diameterCm\": 160.5"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"mode\": \"byDiameter\""), std::string::npos);
}

TEST_F(CliTest, ExitCodesAndReasons) {
    QFile broken(dir.filePath("broken.kelvarin"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"kelvarin-design\", ");
    broken.close();
    struct Case {
        std::vector<std::string> arguments;
        int code;
        const char* err;
    };
    const Case cases[] = {
        {{"calc", "--power", "14"}, 0, ""},
        {{"--version"}, 0, ""},
        {{}, 2, "не указана команда"},
        {{"print"}, 2, "неизвестная команда «print»"},
        {{"calc", "--frob"}, 2, "неизвестный параметр «--frob»"},
        {{"calc", "--rpm"}, 2, "после --rpm нужно значение"},
        {{"calc", "--rpm", "2300", "--rpm", "2400"}, 2, "указан дважды"},
        {{"calc", "--power", "14 л/с"}, 2, "--power (Мощность двигателя): «14 л/с» не число"},
        {{"calc", "--manual", "150"}, 2, "нужно 2 значения"},
        {{"calc", "--manual", "150", "0.5", "--by-diameter", "150"}, 2, "взаимоисключающие"},
        {{"calc", "--format", "xml"}, 2, "«xml» не формат"},
        {{"save", "--section", "2", "-o", "x"}, 2, "от 3 до 11"},
        {{"calc", "--power", "0"}, 1, "мощность двигателя больше нуля"},
        {{"calc", "--vmax", "-50"}, 1, "скрорость максимальная больше нуля"},
        {{"calc", "--rpm", "1E-308"}, 1, "арифметическая ошибка"},
        {{"calc", "--by-diameter", "5"}, 1, "увеличьте диаметр винта"},
        {{"calc", "--rpm", "1E308"}, 1, "Рассчитанный диаметр винта округляется до нуля"},
        {{"perf", "--altitude", "1e308"}, 2, "задано: 1e308 м"},
        {{"calc", Path("broken.kelvarin")}, 1, "broken.kelvarin»: файл оборван"},
        {{"report", "-o", Path("нет/Date.html")}, 1, "нет/Date.html»: папка не найдена"},
        {{"perf", "--format", "xml"}, 2, "«xml» не формат"},
        {{"perf", "--speeds", "0:100"}, 2, "--speeds: Диапазон скоростей «0:100»"},
        {{"perf", "--diameter", "150"}, 2, "--diameter — только вместе с --geometry"},
        {{"perf", "--geometry", "g.csv", "--rpm", "2000", "--speeds", "0:10:5"},
         2,
         "с --geometry нужен --diameter"},
        {{"perf", "--geometry", Path("нет.csv"), "--diameter", "150", "--rpm", "2000", "--speeds",
          "0:10:5"},
         1,
         "нет.csv»"},
        {{"perf", "--manual", "151.7", "0.52", "--power", "0"}, 1, "Мощность двигателя должна"},
        {{"model", "-o", "x.obj"}, 2, "модель сохраняется в файлы .step, .stp или .stl"},
        {{"model"}, 2, "укажите файл модели"},
        {{"calc", "--blade-angles", "twice"}, 2, "«twice» не правило углов"},
        {{"calc", "--engine-curve", "2000:10,1500:12"}, 2, "точка 2: обороты (1500 об/мин)"},
        {{"calc", "--engine-curve", "2000"}, 2, "точка «2000» не вида"},
        {{"perf", "--balanced", "--rpm", "2000"}, 2, "взаимоисключающие"},
        {{"calc", "--blade-angles", "engine", "--manual", "60", "1", "--power", "60"},
         1,
         "диаметр 60 см мал для 60 л.с."},
        {{"model", "--bore", "80", "-o", "x.step"}, 2, "заходят в центральное отверстие 80 мм"},
        {{"model", "--holes", "2.5", "--info"}, 2, "--holes: «2.5»"},
        {{"model", "--wood", "oak", "--info"}, 2, "«oak» неизвестна"},
    };
    for (const Case& c : cases) {
        const CliRun run = Cli(c.arguments);
        SCOPED_TRACE(c.arguments.empty() ? "" : c.arguments[0]);
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        if (c.code != 0) {
            EXPECT_EQ(run.out, "");
            EXPECT_TRUE(run.err.starts_with("kelvarin-cli: ")) << run.err;
        }
    }
    // Nothing is written for a run that stopped on a message.
    EXPECT_EQ(Cli({"report", "--vmax", "", "-o", Path("Date.html")}).code, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("Date.html")));
}

// Standard output that does not take the output (a full disk) is a failure, said aloud.
TEST_F(CliTest, LostOutputIsAFailure) {
    struct Full : std::streambuf {
        int_type overflow(int_type) override {
            errno = ENOSPC;
            return traits_type::eof();
        }
        int sync() override {
            errno = ENOSPC;
            return -1;
        }
    } full;
    std::ostream out(&full);
    std::ostringstream err;
    CliStreams streams{out, err};
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"calc"}, {"save", "-o", "-"}, {"--version"}}) {
        out.clear();
        EXPECT_EQ(runCli(arguments, streams), 1);
    }
    EXPECT_NE(err.str().find("kelvarin-cli: Не удалось записать в стандартный вывод: на диске не "
                             "хватает места\n"),
              std::string::npos)
        << err.str();
}

// The rule travels through a saved design; naming it shows the blade's own pitch, and without it
// calc says what it always said.
TEST_F(CliTest, BladeAnglesRuleThroughTheFileAndTheTool) {
    ASSERT_EQ(Cli({"save", "--blade-angles", "engine", "-o", Path("e.kelvarin")}).code, 0);
    EXPECT_NE(ReadBytes(dir.filePath("e.kelvarin")).find("\"bladeAngles\": \"engine\""),
              std::string::npos);
    const CliRun matched = Cli({"calc", Path("e.kelvarin"), "--format", "json"});
    EXPECT_NE(matched.out.find("\"rule\": \"engine\""), std::string::npos) << matched.out;
    EXPECT_NE(matched.out.find("\"bladePitchM\": 0.4"), std::string::npos) << matched.out;
    const CliRun balanced = Cli({"perf", Path("e.kelvarin"), "--balanced", "--speeds", "40:40:1"});
    EXPECT_NE(balanced.out.find("при 40 км/ч: тяга"), std::string::npos) << balanced.out;
    EXPECT_NE(balanced.out.find("2300 об/мин, мощность 14.0 л.с."), std::string::npos);

    const std::string plain = Cli({"calc"}).out;
    const std::string named = Cli({"calc", "--blade-angles", "rule"}).out;
    EXPECT_EQ(plain.find("Шаг, м"), std::string::npos);
    EXPECT_NE(named.find("Шаг лопасти на 0,75 R: 1,04 м (шаг винта в поле 0,52 м)"),
              std::string::npos)
        << named;
}

// perf's --rpm is the rpm of its analysis; the design keeps its own.
TEST_F(CliTest, PerfAnalysesTheDesignAtTheRpmGiven) {
    const CliRun run = Cli({"perf", "--rpm", "2600", "--speeds", "0:10:10", "--format", "json"});
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("\"engine\": {\"power_hp\": 14.00, \"rpm\": 2300,"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("{\"speed_kmh\": 10.0, \"rpm\": 2600, \"thrust_n\": "),
              std::string::npos);
}

}  // namespace
}  // namespace kelvarin::testing
