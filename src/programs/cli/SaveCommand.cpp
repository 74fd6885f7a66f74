// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli save: a design file from options, as the window would save it.
#include <QFile>
#include <array>
#include <charconv>

#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "core/Translation.h"
#include "designfile/DesignFile.h"
#include "designfile/DesignJson.h"

namespace kelvarin {

namespace {

constexpr auto kOptions = withDesignInputOptions(
    std::to_array({CliOption{"turned", '\0', 0}, CliOption{"marks", '\0', 0},
                   CliOption{"section", '\0', 1}, CliOption{"output", 'o', 1}}));

int sectionNumber(const std::string& text) {
    int section = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), section);
    if (error == std::errc() && end == text.data() + text.size() && section >= kFirstSection &&
        section <= kLastSection) {
        return section;
    }
    throw CliUsageError{withArguments(
        translatedText("kelvarin::SaveCommand", "--section: %1 не сечение; сечения от %2 до %3"),
        {quotedArgument(text), std::to_string(kFirstSection), std::to_string(kLastSection)})};
}

int runSave(const CliArguments& arguments, CliStreams& streams) {
    if (!arguments.has("output")) {
        throw CliUsageError{
            translatedText("kelvarin::SaveCommand", "укажите файл проекта: -o ФАЙЛ.kelvarin")};
    }
    DesignDocument document = designFromArguments(arguments);
    if (arguments.has("turned")) {
        document.view.turned = true;
    }
    if (arguments.has("marks")) {
        document.view.controlMarks = true;
    }
    if (arguments.has("section")) {
        document.section = sectionNumber(arguments.value("section"));
    }
    const std::string& path = arguments.value("output");
    if (path == "-") {
        writeOutput(path, designJson(document).toStdString(), streams.out);
        return kCliSuccess;
    }
    const QString problem = saveDesignFile(QFile::decodeName(path.c_str()), document);
    if (!problem.isEmpty()) {
        throw CliFailure{problem.toStdString()};
    }
    return kCliSuccess;
}

}  // namespace

extern const CliCommand kSaveCommand = {
    "save",
    "kelvarin::SaveCommand",
    textToTranslate("kelvarin::SaveCommand",
                    "записать файл проекта (.kelvarin), который откроет окно"),
    textToTranslate(
        "kelvarin::SaveCommand",
        "Использование: kelvarin-cli save [ПРОЕКТ.kelvarin] [параметры] -o ФАЙЛ\n"
        "\n"
        "Записывает проект: тексты шести полей, режим и вид сечения, как их сохраняет\n"
        "окно (формат описан в docs/design-file.md). Расчет не выполняется: окно\n"
        "рассчитает проект при открытии.\n"
        "\n"
        "Пример: kelvarin-cli save --power 20 --rpm 2600 --vmax 60 --vdesign 45 -o мой.kelvarin\n"
        "\n"
        "  --turned           профиль с углом\n"
        "  --marks            показывать контрольные точки\n"
        "  --section N        сечение в окне, от 3 до 11\n"
        "  -o, --output ФАЙЛ  файл проекта (заменяется целиком, только когда новый\n"
        "                     записан полностью); «-» — стандартный вывод\n"),
    kOptions,
    true,
    &runSave,
};

}  // namespace kelvarin
