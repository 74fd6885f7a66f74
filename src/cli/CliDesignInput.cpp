// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliDesignInput.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <ostream>

#include "cli/CliCommand.h"
#include "core/DecimalSeparator.h"
#include "designfile/DesignFile.h"
#include "designfile/FieldTextRule.h"
#include "translation/Translation.h"

namespace kelvarin {

std::string designInputHelp() {
    return translatedText(
        "kelvarin::CliDesignInput",
        "Исходные данные: ПРОЕКТ.kelvarin, если указан, а поверх него параметры;\n"
        "чего нет ни там, ни там, берется как в окне при запуске программы\n"
        "(14 л/с, 2300 об/мин, 50 и 40 км/ч, расчет диаметра и шага).\n"
        "Числа пишутся с точкой или запятой.\n"
        "  --power N          мощность двигателя, л/с\n"
        "  --rpm N            частота вращения винта, об/мин\n"
        "  --vmax N           скорость максимальная, км/ч\n"
        "  --vdesign N        скорость расчетная, км/ч\n"
        "  --by-diameter D    расчет по диаметру винта D, см (частота вращения и шаг\n"
        "                     рассчитываются)\n"
        "  --manual D H       диаметр D, см, и шаг H, м, заданы вручную (рассчитывается\n"
        "                     только лопасть)\n");
}

namespace {

// The option's value as a field text: either separator becomes the current one.
std::string fieldText(const CliArguments& arguments, std::string_view optionName, InputField field,
                      std::size_t valueIndex = 0) {
    const char separator = decimalSeparator();
    const std::string& given = arguments.value(optionName, valueIndex);
    std::string text = withSeparator(withSeparator(given, ',', separator), '.', separator);
    if (fieldTextProblem(text, separator).empty()) {
        return text;
    }
    const std::string option = "--" + std::string(optionName);
    const std::string name(fieldName(field));
    if (given.size() > kMaxFieldTextLength) {
        throw CliUsageError{withArguments(
            translatedText("kelvarin::CliDesignInput", "%1 (%2): значение длиннее %3 символов"),
            {option, name, std::to_string(kMaxFieldTextLength)})};
    }
    throw CliUsageError{withArguments(
        translatedText("kelvarin::CliDesignInput",
                       "%1 (%2): %3 не число: нужны цифры и не больше одного десятичного знака "
                       "(точки или запятой)"),
        {option, name, quotedArgument(given)})};
}

}  // namespace

DesignDocument designFromArguments(const CliArguments& arguments, bool rpmIsTheDesigns) {
    const auto& files = arguments.positionals();
    if (files.size() > 1) {
        throw CliUsageError{
            withArguments(translatedText("kelvarin::CliDesignInput",
                                         "нужен один файл проекта, а указано больше: %1, %2"),
                          {quotedArgument(files[0]), quotedArgument(files[1])})};
    }
    if (arguments.has("by-diameter") && arguments.has("manual")) {
        throw CliUsageError{
            translatedText("kelvarin::CliDesignInput",
                           "--by-diameter и --manual взаимоисключающие: выберите один режим")};
    }
    DesignDocument document;
    if (!files.empty()) {
        const DesignLoad load = loadDesignFile(QFile::decodeName(files[0].c_str()));
        if (!load.document) {
            throw CliFailure{load.problem.toStdString()};
        }
        document = *load.document;
    }
    const auto set = [&](std::string_view option, InputField field) {
        if (arguments.has(option)) {
            document.fieldTexts[fieldIndex(field)] = fieldText(arguments, option, field);
        }
    };
    set("power", InputField::Power);
    if (rpmIsTheDesigns) {
        set("rpm", InputField::PropellerSpeed);
    }
    set("vmax", InputField::MaxSpeed);
    set("vdesign", InputField::DesignSpeed);
    if (arguments.has("by-diameter")) {
        set("by-diameter", InputField::Diameter);
        document.byDiameterChecked = true;
        document.manualChecked = false;
    }
    if (arguments.has("manual")) {
        document.fieldTexts[fieldIndex(InputField::Diameter)] =
            fieldText(arguments, "manual", InputField::Diameter, 0);
        document.fieldTexts[fieldIndex(InputField::Pitch)] =
            fieldText(arguments, "manual", InputField::Pitch, 1);
        document.manualChecked = true;
    }
    return document;
}

CalculationOutcome calculateDesign(const DesignDocument& document) {
    CalculationOutcome outcome = runCalculation(document.fieldTexts, inputMode(document));
    if (!outcome.messages.empty()) {
        std::string reason;
        for (const FieldMessage& message : outcome.messages) {
            reason += (reason.empty() ? "" : "\n") + message.text;
        }
        throw CliFailure{reason + "\n" +
                         translatedText("kelvarin::CliDesignInput",
                                        "(в окне поле получило бы значение по умолчанию; здесь "
                                        "расчет остановлен: задайте значение сами)")};
    }
    switch (outcome.end) {
        case RunEnd::Completed:
            break;
        case RunEnd::NotANumber: {
            const InputField field = outcome.notANumberField.value_or(InputField::Diameter);
            throw CliFailure{withArguments(
                translatedText("kelvarin::CliDesignInput",
                               "поле «%1»: %2 не читается как число (слишком большое "
                               "или записано неверно)"),
                {fieldName(field), quotedArgument(outcome.fieldTexts[fieldIndex(field)])})};
        }
        case RunEnd::ArithmeticFault:
            throw CliFailure{
                translatedText("kelvarin::CliDesignInput",
                               "расчет не удался: арифметическая ошибка (корень из отрицательного "
                               "числа, деление на ноль или переполнение); проверьте величины и их "
                               "знаки")};
    }
    return outcome;
}

void writeOutput(const std::string& path, std::string_view bytes, std::ostream& out) {
    if (path == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return;
    }
    const QString name = QFile::decodeName(path.c_str());
    const QFileInfo info(name);
    const auto refuse = [&](const std::string& reason) {
        throw CliFailure{
            withArguments(translatedText("kelvarin::CliDesignInput", "не удалось записать %1: %2"),
                          {quotedArgument(path), reason})};
    };
    if (info.isDir()) {
        refuse(translatedText("kelvarin::CliDesignInput", "это каталог"));
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        refuse(
            withArguments(translatedText("kelvarin::CliDesignInput", "нет каталога %1"),
                          {quotedArgument(QFile::encodeName(info.absolutePath()).toStdString())}));
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        refuse(withArguments(translatedText("kelvarin::CliDesignInput",
                                            "%1 (прежний файл, если он был, не изменен)"),
                             {file.errorString().toStdString()}));
    }
}

}  // namespace kelvarin
