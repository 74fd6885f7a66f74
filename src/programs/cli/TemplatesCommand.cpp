// SPDX-License-Identifier: GPL-3.0-or-later
// kelvarin-cli templates: the cutting templates as a PDF, SVG or DXF file at true size, the same
// as the window's "Сохранить шаблоны…" writes.
#include <QGuiApplication>
#include <array>
#include <memory>

#include "cli/CliCommand.h"
#include "cli/CliDesignInput.h"
#include "core/Failure.h"
#include "core/Translation.h"
#include "export/TemplateExport.h"
#include "templates/TemplateLayout.h"

namespace kelvarin {

namespace {

constexpr auto kOptions = withDesignInputOptions(
    std::to_array({CliOption{"output", 'o', 1}, CliOption{"turned", '\0', 0},
                   CliOption{"marks", '\0', 0}, CliOption{"paper", '\0', 1}}));

PaperSize paperOf(const CliArguments& arguments) {
    if (!arguments.has("paper")) {
        return PaperSize::A4;
    }
    const std::string& paper = arguments.value("paper");
    if (paper == "A4" || paper == "a4") {
        return PaperSize::A4;
    }
    if (paper == "Letter" || paper == "letter" || paper == "LETTER") {
        return PaperSize::Letter;
    }
    if (paper == "A3" || paper == "a3") {
        return PaperSize::A3;
    }
    throw CliUsageError{withArguments(
        translatedText("kelvarin::TemplatesCommand", "--paper %1: бумага A4, Letter или A3"),
        {quotedArgument(paper)})};
}

// Qt draws PDF and SVG pages through its font and paint machinery, which wants a GUI
// application; the offscreen platform needs no display. Made only for the formats that draw.
std::unique_ptr<QGuiApplication> drawingApplication(TemplateFormat format) {
    if (format == TemplateFormat::Dxf || QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes (a missing runtime folder, say) are not for the tool's user.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "kelvarin-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int runTemplates(const CliArguments& arguments, CliStreams&) {
    if (!arguments.has("output") || arguments.value("output") == "-") {
        throw CliUsageError{
            translatedText("kelvarin::TemplatesCommand",
                           "укажите файл шаблонов: -o ФАЙЛ.pdf, ФАЙЛ.svg или ФАЙЛ.dxf")};
    }
    const std::string& path = arguments.value("output");
    const std::optional<TemplateFormat> format = templateFormatOf(path);
    if (!format) {
        throw CliUsageError{
            withArguments(translatedText("kelvarin::TemplatesCommand",
                                         "-o %1: шаблоны сохраняются в файлы .pdf, .svg или .dxf"),
                          {quotedArgument(path)})};
    }
    TemplateExportOptions options;
    options.section = {arguments.has("turned"), arguments.has("marks")};
    options.paper = paperOf(arguments);
    options.date = todayText();
    const DesignDocument document = designFromArguments(arguments);
    const CalculationOutcome outcome = calculateDesign(document);
    const auto application = drawingApplication(*format);
    try {
        exportTemplates(outcome.design, options, path);
    } catch (const Failure& e) {
        throw CliFailure{e.what()};
    }
    return kCliSuccess;
}

}  // namespace

extern const CliCommand kTemplatesCommand = {
    "templates",
    "kelvarin::TemplatesCommand",
    textToTranslate("kelvarin::TemplatesCommand",
                    "шаблоны сечений и заготовки в натуральную величину: PDF, SVG или DXF"),
    textToTranslate(
        "kelvarin::TemplatesCommand",
        "Использование: kelvarin-cli templates [ПРОЕКТ.kelvarin] [параметры] -o "
        "ФАЙЛ.pdf|.svg|.dxf\n"
        "\n"
        "Рассчитывает винт и записывает шаблоны в натуральную величину, как пункт\n"
        "«Сохранить шаблоны…» окна: девять сечений с подписями и линиями разреза, затем\n"
        "вид лопасти спереди и сбоку; на каждой странице — мерные линейки 100 мм и\n"
        "4 дюйма и строка с диаметром, шагом и датой. Формат задает расширение файла:\n"
        ".pdf — страницы для печати (большое сечение делится на листы с перекрытием\n"
        "10 мм); .svg — один лист в миллиметрах для Inkscape и лазерных станков;\n"
        ".dxf — один чертеж в миллиметрах, контуры по слоям, для ЧПУ.\n"
        "\n"
        "Пример: kelvarin-cli templates винт.kelvarin -o шаблоны.pdf --turned --paper A3\n"
        "\n"
        "  -o, --output ФАЙЛ  файл шаблонов (заменяется целиком, только когда новый\n"
        "                     записан полностью)\n"
        "  --turned           сечения под углом установки, с линиями ширины и\n"
        "                     опускания (по умолчанию плоские)\n"
        "  --marks            отметить контрольные точки сечений\n"
        "  --paper БУМАГА     A4 (по умолчанию), Letter или A3; только для PDF\n"),
    kOptions,
    true,
    &runTemplates,
};

}  // namespace kelvarin
