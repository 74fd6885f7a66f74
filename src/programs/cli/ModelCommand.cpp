// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli model: the propeller of a design as a solid, STEP or STL, for CNC machining and
// 3D printing, and what a builder needs to know of it: blank, mass, balance, strength.
#include <QFile>
#include <array>
#include <cmath>
#include <optional>
#include <ostream>

#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "model3d/ModelError.h"
#include "model3d/ModelFormat.h"
#include "model3d/ModelOptionsCheck.h"
#include "model3d/Wood.h"
#include "modelmodule/ModelModuleLoader.h"
#include "performance/ModelConstants.h"
#include "performance/TextNumbers.h"

namespace kelvarin {

namespace {

constexpr auto kOptions = withDesignInputOptions(std::to_array({
    CliOption{"output", 'o', 1},
    CliOption{"left-hand", '\0', 0},
    CliOption{"info", '\0', 0},
    CliOption{"hub-diameter", '\0', 1},
    CliOption{"hub-thickness", '\0', 1},
    CliOption{"bore", '\0', 1},
    CliOption{"bolt-circle", '\0', 1},
    CliOption{"holes", '\0', 1},
    CliOption{"hole", '\0', 1},
    CliOption{"fillet", '\0', 1},
    CliOption{"trailing-edge", '\0', 1},
    CliOption{"wood", '\0', 1},
    CliOption{"density", '\0', 1},
    CliOption{"thrust", '\0', 1},
    CliOption{"torque", '\0', 1},
    CliOption{"load-rpm", '\0', 1},
}));

std::optional<double> numberOption(const CliArguments& arguments, std::string_view name) {
    if (!arguments.has(name)) {
        return std::nullopt;
    }
    const std::string& text = arguments.value(name);
    const std::optional<double> value = parseNumber(text);
    if (!value || !std::isfinite(*value)) {
        throw CliUsageError{
            withArguments(translatedText("kelvarin::ModelCommand", "--%1: %2 не число"),
                          {name, quotedArgument(text)})};
    }
    return value;
}

// The design file's options with the command line's over them.
ModelOptions modelOptions(const CliArguments& arguments, ModelOptions options) {
    const auto take = [&](std::string_view name, double& to) {
        if (const auto value = numberOption(arguments, name)) {
            to = *value;
        }
    };
    take("hub-diameter", options.hub.diameterMm);
    take("hub-thickness", options.hub.thicknessMm);
    take("bore", options.hub.boreMm);
    take("bolt-circle", options.hub.boltCircleMm);
    take("hole", options.hub.holeMm);
    take("fillet", options.hub.filletMm);
    take("trailing-edge", options.trailingEdgeMm);
    take("density", options.densityKgM3);
    if (const auto holes = numberOption(arguments, "holes")) {
        if (std::floor(*holes) != *holes || *holes < kMinHoleCount || *holes > kMaxHoleCount) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::ModelCommand",
                               "--holes: %1 — число отверстий должно быть целым от %2 до %3"),
                {quotedArgument(arguments.value("holes")), std::to_string(kMinHoleCount),
                 std::to_string(kMaxHoleCount)})};
        }
        options.hub.holeCount = static_cast<int>(*holes);
    }
    if (arguments.has("wood")) {
        options.wood = arguments.value("wood");
    }
    if (const std::string problem = modelOptionsProblem(options); !problem.empty()) {
        throw CliUsageError{problem};
    }
    return options;
}

// The load the strength is judged at: the rated rpm and the engine's torque there unless
// given; the thrust unless given is the ideal static thrust of the disc at that power, which
// no real propeller reaches, so the figures err on the safe side.
BladeLoad bladeLoad(const CliArguments& arguments, const PropellerDesign& design) {
    BladeLoad load;
    load.rpm = numberOption(arguments, "load-rpm").value_or(design.inputs.speedRpm);
    const double powerW = design.inputs.powerHp * kMetricHorsepowerW;
    const double omega = load.rpm * 2 * std::numbers::pi / 60;
    load.torqueNm = numberOption(arguments, "torque").value_or(omega > 0 ? powerW / omega : 0);
    const double seaLevelDensity = kSeaLevelPressurePa / (kAirGasConstant * kSeaLevelTemperatureK);
    const double radiusM = design.sizing.diameterCm / 200;
    const double discM2 = std::numbers::pi * radiusM * radiusM;
    load.thrustN = numberOption(arguments, "thrust")
                       .value_or(std::cbrt(2 * seaLevelDensity * discM2 * powerW * powerW));
    if (!(load.rpm > 0) || load.thrustN < 0 || load.torqueNm < 0) {
        throw CliUsageError{translatedText(
            "kelvarin::ModelCommand",
            "--load-rpm должна быть больше нуля, --thrust и --torque не меньше нуля")};
    }
    return load;
}

std::string fixed(double value, int decimals) {
    return formatFixed(value, 15, decimals);
}

void printInfo(const ModelInfo& info, const ModelOptions& options, const BladeLoad& load,
               std::ostream& out) {
    const auto line = [&](const char* text, std::initializer_list<std::string_view> values) {
        out << withArguments(translatedText("kelvarin::ModelCommand", text), values) << '\n';
    };
    const WoodProperties wood = woodNamed(options.wood).value_or(kWoods.front());
    line("Заготовка (длина × ширина × толщина): %1 × %2 × %3 мм",
         {fixed(info.lengthMm, 1), fixed(info.widthMm, 1), fixed(info.depthMm, 1)});
    line("Объем: %1 см³", {fixed(info.volumeMm3 / 1000, 1)});
    line("Древесина: %1, плотность %2 кг/м³, прочность %3 МПа",
         {translatedText("kelvarin::Wood", wood.name), fixed(info.densityKgM3, 0),
          fixed(info.strengthMPa, 0)});
    line("Масса: %1 кг", {fixed(info.massKg, 3)});
    line("Центр масс (X, Y, Z): %1; %2; %3 мм",
         {fixed(info.centreOfMassMm[0], 2), fixed(info.centreOfMassMm[1], 2),
          fixed(info.centreOfMassMm[2], 2)});
    line("Прочность лопасти при %1 об/мин, тяге %2 Н, моменте %3 Н·м:",
         {fixed(load.rpm, 0), fixed(load.thrustN, 0), fixed(load.torqueNm, 1)});
    line("Сечение  Радиус, мм  Центробежная сила, Н  Растяжение, МПа  Изгиб, МПа  Запас", {});
    bool weak = false;
    for (const StationStrength& s : info.stations) {
        char row[160];
        std::snprintf(row, sizeof row, "%6d  %10s  %20s  %15s  %10s  %5s", s.station,
                      fixed(s.radiusMm, 1).c_str(), fixed(s.centrifugalN, 0).c_str(),
                      fixed(s.tensileMPa, 2).c_str(), fixed(s.bendingMPa, 2).c_str(),
                      fixed(s.safetyFactor, 1).c_str());
        out << row << '\n';
        weak = weak || s.safetyFactor < kRecommendedSafetyFactor;
    }
    if (weak) {
        line(
            "ВНИМАНИЕ: запас прочности ниже рекомендуемого для деревянных винтов (%1): "
            "винт может разрушиться; выберите более прочную древесину, уменьшите обороты "
            "или увеличьте толщину лопасти.",
            {fixed(kRecommendedSafetyFactor, 0)});
    }
    line("Запас прочности у корня снизится до %1 при %2 об/мин.",
         {fixed(kRecommendedSafetyFactor, 0), fixed(info.rootLimitRpm, 0)});
}

int runModel(const CliArguments& arguments, CliStreams& streams) {
    const bool info = arguments.has("info");
    const bool write = arguments.has("output") && arguments.value("output") != "-";
    if (!write && !info) {
        throw CliUsageError{translatedText("kelvarin::ModelCommand",
                                           "укажите файл модели: -o ФАЙЛ.step или -o ФАЙЛ.stl")};
    }
    const std::string path = write ? arguments.value("output") : std::string();
    // Refused before the calculation and the kernel's module, which take their time.
    if (write) {
        try {
            modelFormatOf(path);
        } catch (const ModelError&) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::ModelCommand",
                               "-o %1: модель сохраняется в файлы .step, .stp или .stl"),
                {quotedArgument(path)})};
        }
    }
    const DesignDocument document = designFromArguments(arguments);
    const ModelOptions options = modelOptions(arguments, document.model);
    const CalculationOutcome outcome = calculateDesign(document);
    const Handedness hand = arguments.has("left-hand") ? Handedness::Left : Handedness::Right;
    try {
        // Built once for both.
        const DesignSolid solid = buildDesignSolid(outcome.design, hand, options);
        if (info) {
            const BladeLoad load = bladeLoad(arguments, outcome.design);
            printInfo(describeDesignModel(solid, options, load), options, load, streams.out);
        }
        if (write) {
            writeDesignModel(solid, path);
        }
    } catch (const ModelError& e) {
        throw CliFailure{e.what()};
    }
    return kCliSuccess;
}

}  // namespace

extern const CliCommand kModelCommand = {
    "model",
    "kelvarin::ModelCommand",
    textToTranslate("kelvarin::ModelCommand",
                    "винт как твердое тело: STEP для станков с ЧПУ, STL для 3D-печати"),
    textToTranslate(
        "kelvarin::ModelCommand",
        "Использование: kelvarin-cli model [ПРОЕКТ.kelvarin] [параметры] -o ФАЙЛ.step|ФАЙЛ.stl\n"
        "               kelvarin-cli model [ПРОЕКТ.kelvarin] [параметры] --info\n"
        "\n"
        "Рассчитывает винт и записывает его как одно замкнутое твердое тело в\n"
        "миллиметрах: обе лопасти по сечениям 3–11 и круглая ступица между ними; ось\n"
        "вращения — Z, лопасти вдоль X. Формат задает расширение файла: .step или .stp —\n"
        "STEP AP214 для станков с ЧПУ и САПР; .stl — двоичный STL для 3D-печати\n"
        "(отклонение сетки от поверхности не больше 0,05 мм).\n"
        "\n"
        "Ступица по умолчанию подходит к распространенному фланцу редуктора малых\n"
        "двухтактных двигателей: центральное отверстие 40 мм, 6 отверстий 8,5 мм под\n"
        "болты M8 на окружности 75 мм. Диаметр и толщина ступицы 0 — по корню лопасти.\n"
        "Задняя кромка утолщена до 1 мм и скруглена; конец лопасти скруглен.\n"
        "\n"
        "Пример: kelvarin-cli model винт.kelvarin -o винт.step --left-hand --bore 30\n"
        "\n"
        "  -o, --output ФАЙЛ    файл модели (заменяется целиком, только когда новый\n"
        "                       записан полностью)\n"
        "  --left-hand          левый винт: зеркальная модель, для двигателя,\n"
        "                       вращающегося в другую сторону (по умолчанию правый: если\n"
        "                       смотреть сзади по направлению полета, вращается по\n"
        "                       часовой стрелке)\n"
        "  --hub-diameter ММ    диаметр ступицы (0 — по корню лопасти)\n"
        "  --hub-thickness ММ   толщина ступицы вдоль оси (0 — по корню лопасти)\n"
        "  --bore ММ            центральное отверстие (по умолчанию 40, 0 — без него)\n"
        "  --bolt-circle ММ     диаметр окружности болтов (по умолчанию 75)\n"
        "  --holes ЧИСЛО        число отверстий под болты (по умолчанию 6, 0 — без них)\n"
        "  --hole ММ            диаметр отверстий под болты (по умолчанию 8,5)\n"
        "  --fillet ММ          радиус скругления лопасти у ступицы (по умолчанию 3)\n"
        "  --trailing-edge ММ   наименьшая толщина задней кромки (по умолчанию 1)\n"
        "  --info               вывести размеры заготовки, объем, массу, центр масс и\n"
        "                       прочность лопасти по сечениям\n"
        "  --wood ПОРОДА        pine (сосна, 515 кг/м³), birch (береза, 694), ash\n"
        "                       (ясень, 672), beech (бук, 717); по умолчанию pine\n"
        "  --density КГ/М3      своя плотность древесины вместо плотности породы\n"
        "  --load-rpm ОБ/МИН    обороты для расчета прочности (по умолчанию расчетные)\n"
        "  --torque Н·М         крутящий момент винта (по умолчанию мощность двигателя\n"
        "                       при этих оборотах)\n"
        "  --thrust Н           тяга винта (по умолчанию идеальная статическая тяга\n"
        "                       диска при мощности двигателя: с запасом)\n"
        "\n"
        "Запас прочности — предел прочности древесины при изгибе (Wood Handbook,\n"
        "FPL-GTR-190, 2010) к сумме напряжений растяжения и изгиба; для деревянных\n"
        "винтов рекомендуется не меньше 4 (F. E. Weick, Aircraft Propeller Design, 1930).\n"),
    kOptions,
    true,
    &runModel,
};

}  // namespace kelvarin
