// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli model: the propeller of a design as a solid, STEP or STL, for CNC machining and
// 3D printing.
#include <QFile>
#include <array>

#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "model3d/ModelError.h"
#include "model3d/ModelFormat.h"
#include "modelmodule/ModelModuleLoader.h"
#include "translation/Translation.h"

namespace kelvarin {

namespace {

constexpr auto kOptions = withDesignInputOptions(
    std::to_array({CliOption{"output", 'o', 1}, CliOption{"left-hand", '\0', 0}}));

int runModel(const CliArguments& arguments, CliStreams&) {
    if (!arguments.has("output") || arguments.value("output") == "-") {
        throw CliUsageError{translatedText("kelvarin::ModelCommand",
                                           "укажите файл модели: -o ФАЙЛ.step или -o ФАЙЛ.stl")};
    }
    const std::string& path = arguments.value("output");
    // Refused before the calculation and the kernel's module, which take their time.
    try {
        model3d::modelFormatOf(path);
    } catch (const model3d::ModelError&) {
        throw CliUsageError{
            withArguments(translatedText("kelvarin::ModelCommand",
                                         "-o %1: модель сохраняется в файлы .step, .stp или .stl"),
                          {quotedArgument(path)})};
    }
    const DesignDocument document = designFromArguments(arguments);
    const CalculationOutcome outcome = calculateDesign(document);
    try {
        modelmodule::writeDesignModel(
            outcome.design,
            arguments.has("left-hand") ? model3d::Handedness::Left : model3d::Handedness::Right,
            path);
    } catch (const model3d::ModelError& e) {
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
        "\n"
        "Рассчитывает винт и записывает его как одно замкнутое твердое тело в\n"
        "миллиметрах: обе лопасти по сечениям 3–11 и ступица между ними; ось\n"
        "вращения — Z, лопасти вдоль X. Формат задает расширение файла: .step или .stp —\n"
        "STEP AP214 для станков с ЧПУ и САПР; .stl — двоичный STL для 3D-печати\n"
        "(отклонение сетки от поверхности не больше 0,05 мм).\n"
        "\n"
        "Пример: kelvarin-cli model винт.kelvarin -o винт.step --left-hand\n"
        "\n"
        "  -o, --output ФАЙЛ  файл модели (заменяется целиком, только когда новый\n"
        "                     записан полностью)\n"
        "  --left-hand        левый винт: зеркальная модель, для двигателя,\n"
        "                     вращающегося в другую сторону (по умолчанию правый: если\n"
        "                     смотреть сзади по направлению полета, вращается по\n"
        "                     часовой стрелке)\n"),
    kOptions,
    true,
    &runModel,
};

}  // namespace kelvarin
