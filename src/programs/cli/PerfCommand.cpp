// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli perf: what a propeller will do (thrust, power, efficiency against speed), for a
// design or for any propeller's geometry.
#include <array>
#include <cmath>
#include <optional>
#include <ostream>
#include <utility>

#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "core/Translation.h"
#include "performance/DesignGeometry.h"
#include "performance/EngineBalance.h"
#include "performance/GeometryFile.h"
#include "performance/PerformanceError.h"
#include "performance/ResultFormat.h"
#include "performance/TextNumbers.h"

namespace kelvarin {

namespace {

// The design's options but --rpm, which here is the rpm of the analysis, then the command's own.
constexpr auto kOptions = std::to_array<CliOption>({
    {"power", '\0', 1},
    {"vmax", '\0', 1},
    {"vdesign", '\0', 1},
    {"by-diameter", '\0', 1},
    {"manual", '\0', 2},
    {"rpm", '\0', 1},
    {"speeds", '\0', 1},
    {"altitude", '\0', 1},
    {"temperature", '\0', 1},
    {"format", '\0', 1},
    {"geometry", '\0', 1},
    {"diameter", '\0', 1},
    {"blades", '\0', 1},
    {"angle-datum", '\0', 1},
    {"blade-angles", '\0', 1},
    {"engine-curve", '\0', 1},
    {"balanced", '\0', 0},
});

// A step of the default speed range, km/h: fine enough for a curve, short enough to read.
constexpr double kDefaultSpeedStepKmh = 5;

// An option's value as a number, refused as bad usage when it is none.
std::optional<double> numberOption(const CliArguments& arguments, std::string_view name) {
    if (!arguments.has(name)) {
        return std::nullopt;
    }
    const std::string& text = arguments.value(name);
    if (const std::optional<double> value = parseNumber(text)) {
        return value;
    }
    throw CliUsageError{withArguments(translatedText("kelvarin::PerfCommand", "--%1: %2 не число"),
                                      {name, quotedArgument(text)})};
}

// Runs a check of an option's value; its refusal is bad usage, named by the option.
template <typename Check>
auto checkedOption(std::string_view name, Check check) {
    try {
        return check();
    } catch (const PerformanceError& e) {
        throw CliUsageError{"--" + std::string(name) + ": " + e.what()};
    }
}

PropellerGeometry geometryFromFile(const CliArguments& arguments) {
    if (!arguments.positionals().empty()) {
        throw CliUsageError{withArguments(
            translatedText("kelvarin::PerfCommand", "с --geometry проект не нужен: %1"),
            {quotedArgument(arguments.positionals()[0])})};
    }
    for (std::string_view option : {"power", "vmax", "vdesign", "by-diameter", "manual",
                                    "blade-angles", "engine-curve", "balanced"}) {
        if (arguments.has(option)) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::PerfCommand",
                               "--%1 задает проект, а с --geometry винт задан файлом геометрии"),
                {option})};
        }
    }
    const std::pair<std::string_view, const char*> kNeeded[] = {
        {"diameter", textToTranslate("kelvarin::PerfCommand",
                                     "с --geometry нужен --diameter D (диаметр винта, см)")},
        {"rpm", textToTranslate("kelvarin::PerfCommand", "с --geometry нужен --rpm N (обороты)")},
        {"speeds", textToTranslate("kelvarin::PerfCommand",
                                   "с --geometry нужен --speeds ОТ:ДО:ШАГ (скорости, км/ч)")},
    };
    for (const auto& [option, reason] : kNeeded) {
        if (!arguments.has(option)) {
            throw CliUsageError{translatedText("kelvarin::PerfCommand", reason)};
        }
    }
    GeometryFileOptions options;
    options.diameterM = *numberOption(arguments, "diameter") / 100.0;
    if (const std::optional<double> blades = numberOption(arguments, "blades")) {
        if (*blades != std::floor(*blades) || *blades < kMinBladeCount ||
            *blades > kMaxBladeCount) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::PerfCommand",
                               "--blades: %1 не число лопастей; возможно от %2 до %3"),
                {quotedArgument(arguments.value("blades")), std::to_string(kMinBladeCount),
                 std::to_string(kMaxBladeCount)})};
        }
        options.bladeCount = static_cast<int>(*blades);
    }
    if (arguments.has("angle-datum")) {
        const std::optional<AngleDatum> datum = parseAngleDatum(arguments.value("angle-datum"));
        if (!datum) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::PerfCommand",
                               "--angle-datum: %1 не база угла; возможны chord и face"),
                {quotedArgument(arguments.value("angle-datum"))})};
        }
        options.angleDatum = *datum;
    }
    try {
        return readGeometryFile(arguments.value("geometry"), options);
    } catch (const PerformanceError& e) {
        throw CliFailure{e.what()};
    }
}

int runPerf(const CliArguments& arguments, CliStreams& streams) {
    const std::string formatName = arguments.has("format") ? arguments.value("format") : "text";
    const std::optional<ResultFormat> format = parseResultFormat(formatName);
    if (!format) {
        throw CliUsageError{
            withArguments(translatedText("kelvarin::PerfCommand",
                                         "--format: %1 не формат; возможны text, csv и json"),
                          {quotedArgument(formatName)})};
    }
    const std::optional<double> altitude = numberOption(arguments, "altitude");
    const std::optional<double> temperature = numberOption(arguments, "temperature");
    const AirState air = checkedOption(altitude ? "altitude" : "temperature",
                                       [&] { return airAt(altitude.value_or(0), temperature); });
    std::optional<double> rpm = numberOption(arguments, "rpm");
    if (rpm) {
        checkedOption("rpm", [&] { checkRpm(*rpm); });
    }
    std::optional<std::vector<double>> speeds;
    if (arguments.has("speeds")) {
        speeds = checkedOption(
            "speeds", [&] { return speedsOf(parseSpeedRange(arguments.value("speeds"))); });
    }

    if (arguments.has("geometry")) {
        const PropellerGeometry geometry = geometryFromFile(arguments);
        try {
            const PropellerAnalysis analysis(geometry, air);
            streams.out << formatResults(speedSweep(analysis, *rpm, *speeds), air, *format);
        } catch (const PerformanceError& e) {
            throw CliFailure{e.what()};
        }
        streams.out.flush();
        return kCliSuccess;
    }
    for (std::string_view option : {"diameter", "blades", "angle-datum"}) {
        if (arguments.has(option)) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::PerfCommand", "--%1 — только вместе с --geometry"),
                {option})};
        }
    }
    const bool balanced = arguments.has("balanced");
    if (balanced && rpm) {
        throw CliUsageError{translatedText(
            "kelvarin::PerfCommand",
            "--balanced и --rpm взаимоисключающие: с --balanced обороты находятся сами")};
    }
    const DesignDocument document = designFromArguments(arguments, false);
    const CalculationOutcome outcome = calculateDesign(document);
    try {
        EngineAndFlight engine = engineAndFlightOf(outcome.engine);
        engine.powerCurve = document.enginePowerCurve;
        const PropellerAnalysis analysis(geometryFromDesign(outcome.design), air);
        const PerformanceSummary summary = summarize(analysis, engine);
        if (!speeds) {
            const double top = std::max(engine.maxSpeedKmh, engine.designSpeedKmh);
            speeds = speedsOf({0, top, kDefaultSpeedStepKmh});
        }
        if (balanced) {
            if (*format == ResultFormat::Text) {
                streams.out << balanceLines(engine, engineBalances(analysis, engine));
            }
            streams.out << formatResults(balancedSweep(analysis, engine, *speeds), air, *format,
                                         engine, summary);
        } else {
            streams.out << formatResults(speedSweep(analysis, rpm.value_or(engine.rpm), *speeds),
                                         air, *format, engine, summary);
        }
    } catch (const PerformanceError& e) {
        throw CliFailure{withArguments(
            translatedText("kelvarin::PerfCommand", "характеристики проекта не рассчитать: %1"),
            {e.what()})};
    }
    streams.out.flush();
    return kCliSuccess;
}

}  // namespace

extern const CliCommand kPerfCommand = {
    "perf",
    "kelvarin::PerfCommand",
    textToTranslate("kelvarin::PerfCommand",
                    "тяга, мощность и КПД винта по скорости полета (проекта или по геометрии)"),
    textToTranslate(
        "kelvarin::PerfCommand",
        "Использование: kelvarin-cli perf [ПРОЕКТ.kelvarin] [исходные данные] [параметры]\n"
        "       kelvarin-cli perf --geometry ФАЙЛ.csv --diameter D --rpm N --speeds ОТ:ДО:ШАГ\n"
        "                         [параметры]\n"
        "\n"
        "Что винт будет делать, как в окне «Характеристики винта»: при каждой скорости\n"
        "полета тяга (Н и кгс), потребляемая мощность (кВт и л.с.), крутящий момент,\n"
        "КПД, относительная поступь J и коэффициенты тяги и мощности CT и CP (теория\n"
        "элемента лопасти с концевыми и корневыми потерями Прандтля). Для проекта также\n"
        "статическая тяга и обороты, при которых винт поглощает мощность двигателя.\n"
        "\n"
        "Примеры: kelvarin-cli perf винт.kelvarin --speeds 0:100:5 --altitude 1500\n"
        "         kelvarin-cli perf --geometry винт.csv --diameter 305 --blades 2 \\\n"
        "             --rpm 1000 --speeds 0:160:10 --angle-datum face --format csv\n"
        "\n"
        "  --rpm N             обороты винта, об/мин (по умолчанию — частота вращения\n"
        "                      винта проекта; сам проект от этого не меняется)\n"
        "  --speeds ОТ:ДО:ШАГ  скорости полета, км/ч (по умолчанию от 0 до большей из\n"
        "                      скоростей проекта через 5 км/ч)\n"
        "  --altitude М        высота над уровнем моря, м, от -500 до 11000 (по\n"
        "                      умолчанию 0)\n"
        "  --temperature C     температура воздуха, °C, от -80 до 60 (по умолчанию —\n"
        "                      стандартная на этой высоте); давление стандартное\n"
        "  --format ФОРМАТ     text (по умолчанию), csv или json; числа всегда с точкой\n"
        "  --balanced          при каждой скорости — обороты, на которых винт поглощает\n"
        "                      ровно то, что дает двигатель (по умолчанию его крутящий\n"
        "                      момент постоянен ниже номинальных оборотов, или по\n"
        "                      --engine-curve), и что винт делает там; в тексте сверху —\n"
        "                      тяга на месте и на расчетной скорости и насколько\n"
        "                      двигатель не доберет или превысит номинальные обороты\n"
        "\n"
        "Проект: ПРОЕКТ.kelvarin, если указан, а поверх него --power, --vmax, --vdesign,\n"
        "--by-diameter D, --manual D H, --blade-angles и --engine-curve, как у команды\n"
        "calc (kelvarin-cli calc --help).\n"
        "Частота вращения винта проекта берется из файла проекта, а без него — как в\n"
        "окне при запуске (2300 об/мин); в расчете по диаметру она рассчитывается.\n"
        "В ручном режиме мощность, обороты и скорости двигателя берутся из полей проекта.\n"
        "\n"
        "Любой винт по его геометрии вместо проекта (например, продутый в трубе):\n"
        "  --geometry ФАЙЛ     CSV, по сечению на строку от корня к концу лопасти:\n"
        "                      r/R, хорда c/R, угол лопасти в градусах, относительная\n"
        "                      толщина t/c и необязательный пятый столбец —\n"
        "                      относительная вогнутость f/c (без него она берется по\n"
        "                      толщине, как у профиля с плоской нижней поверхностью);\n"
        "                      поля через запятую, точку с запятой, табуляцию или\n"
        "                      пробел; строки с # и строка заголовков пропускаются;\n"
        "                      «-» — стандартный ввод\n"
        "  --diameter D        диаметр винта, см\n"
        "  --blades N          число лопастей, от 1 до 12 (по умолчанию 2)\n"
        "  --angle-datum БАЗА  chord — угол хорды от передней кромки к задней (по\n"
        "                      умолчанию); face — угол плоской нижней поверхности, как\n"
        "                      в старых отчетах о продувках и по угломеру\n"
        "С --geometry обязательны --diameter, --rpm и --speeds, а проект и его\n"
        "исходные данные не принимаются.\n"),
    kOptions,
    false,
    &runPerf,
};

}  // namespace kelvarin
