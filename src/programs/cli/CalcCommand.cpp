// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli calc: the sizing, the station table and the sanity line of a design.
#include <array>
#include <ostream>

#include "cli/CalcOutput.h"
#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

constexpr auto kOptions = withDesignInputOptions(std::to_array({CliOption{"format", '\0', 1}}));

int runCalc(const CliArguments& arguments, CliStreams& streams) {
    const std::string format = arguments.has("format") ? arguments.value("format") : "text";
    if (format != "text" && format != "csv" && format != "json") {
        throw CliUsageError{
            withArguments(translatedText("kelvarin::CalcCommand",
                                         "--format: %1 не формат; возможны text, csv и json"),
                          {quotedArgument(format)})};
    }
    const DesignDocument document = designFromArguments(arguments);
    const InputMode mode = inputMode(document);
    const CalculationOutcome outcome = calculateDesign(document);
    // Named or kept in the design, the rule brings the blade's own pitch along; without it the
    // output stays what scripts have read so far.
    const bool bladePitch =
        arguments.has("blade-angles") || document.bladeAngleRule != BladeAngleRule::Rule;
    if (format == "csv") {
        streams.out << calcCsv(outcome, mode, bladePitch);
    } else if (format == "json") {
        streams.out << calcJson(outcome, mode, bladePitch);
    } else {
        streams.out << calcText(outcome, mode, bladePitch);
    }
    streams.out.flush();
    return kCliSuccess;
}

}  // namespace

extern const CliCommand kCalcCommand = {
    "calc",
    "kelvarin::CalcCommand",
    textToTranslate("kelvarin::CalcCommand",
                    "диаметр, шаг, таблица сечений лопасти и скорость конца лопасти"),
    textToTranslate(
        "kelvarin::CalcCommand",
        "Использование: kelvarin-cli calc [ПРОЕКТ.kelvarin] [параметры]\n"
        "\n"
        "Рассчитывает винт, как кнопка «Расчет» в окне, и выводит диаметр и шаг (как\n"
        "их показывают поля окна), таблицу сечений 2–11 (как в отчете), скорость конца\n"
        "лопасти с числом Маха и относительную поступь.\n"
        "\n"
        "Пример: kelvarin-cli calc --power 14 --rpm 2300 --vmax 50 --vdesign 40\n"
        "\n"
        "  --format ФОРМАТ    text (по умолчанию, числа с десятичным разделителем\n"
        "                     системы), csv или json (числа с точкой, полная точность;\n"
        "                     в json также координаты профилей сечений 3–11, мм)\n"
        "\n"
        "С --blade-angles (или с правилом углов, записанным в проекте) добавляются\n"
        "шаг каждого сечения по его углу, 2πr·tg(угла), и шаг лопасти на 0,75 R.\n"),
    kOptions,
    true,
    &runCalc,
};

}  // namespace kelvarin
