// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli report: the report of a design, the very bytes the window writes.
#include <array>

#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "core/Translation.h"
#include "report/DataReport.h"

namespace kelvarin {

namespace {

constexpr auto kOptions = withDesignInputOptions(std::to_array({CliOption{"output", 'o', 1}}));

int runReport(const CliArguments& arguments, CliStreams& streams) {
    const DesignDocument document = designFromArguments(arguments);
    const InputMode mode = inputMode(document);
    const CalculationOutcome outcome = calculateDesign(document);
    writeOutput(arguments.has("output") ? arguments.value("output") : "-",
                reportText(outcome.design, mode), streams.out);
    return kCliSuccess;
}

}  // namespace

extern const CliCommand kReportCommand = {
    "report",
    "kelvarin::ReportCommand",
    textToTranslate("kelvarin::ReportCommand",
                    "отчет Date.html, байт в байт как его записывает окно"),
    textToTranslate(
        "kelvarin::ReportCommand",
        "Использование: kelvarin-cli report [ПРОЕКТ.kelvarin] [параметры] [-o ФАЙЛ]\n"
        "\n"
        "Рассчитывает винт и записывает отчет: HTML в кодировке Windows-1251, строки\n"
        "через CR LF, числа с десятичным разделителем системы (LC_ALL, LC_NUMERIC,\n"
        "LANG), те же байты, что пишет окно при том же языке системы.\n"
        "\n"
        "Пример: kelvarin-cli report винт.kelvarin -o Date.html\n"
        "\n"
        "  -o, --output ФАЙЛ  куда записать отчет (файл заменяется целиком, только когда\n"
        "                     новый записан полностью); без него или «-» — стандартный\n"
        "                     вывод\n"),
    kOptions,
    true,
    &runReport,
};

}  // namespace kelvarin
