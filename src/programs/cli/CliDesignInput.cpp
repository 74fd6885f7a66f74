// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliDesignInput.h"

#include <QFile>
#include <algorithm>
#include <ostream>

#include "atomicfile/DeviceWrite.h"
#include "atomicfile/FileReplacement.h"
#include "atomicfile/FileWriteError.h"
#include "cli/CliCommand.h"
#include "core/DecimalSeparator.h"
#include "core/Translation.h"
#include "designfile/DesignFile.h"
#include "designfile/FieldTextRule.h"
#include "performance/EngineMatch.h"
#include "performance/TextNumbers.h"

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
        "                     только лопасть)\n"
        "  --blade-angles П   углы лопасти: rule — по правилу программы, шаг лопасти\n"
        "                     вдвое больше шага винта (по умолчанию); pitch — по шагу\n"
        "                     винта; engine — шаг подбирается так, чтобы винт поглощал\n"
        "                     мощность двигателя на его оборотах и расчетной скорости\n"
        "  --engine-curve К   мощность двигателя на других оборотах: точки ОБ:Л/С через\n"
        "                     запятую, обороты по возрастанию, числа с точкой, например\n"
        "                     1500:10.5,2300:14 (по умолчанию — постоянный крутящий\n"
        "                     момент ниже номинальных оборотов)\n");
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

BladeAngleRule ruleOption(const std::string& given) {
    if (const std::optional<BladeAngleRule> rule = bladeAngleRuleFromKey(given)) {
        return *rule;
    }
    throw CliUsageError{withArguments(
        translatedText("kelvarin::CliDesignInput",
                       "--blade-angles: %1 не правило углов; возможны rule, pitch и engine"),
        {quotedArgument(given)})};
}

// "1500:10.5,2300:14": rpm and power of each point.
EnginePowerCurve curveOption(const std::string& given) {
    EnginePowerCurve curve;
    std::size_t start = 0;
    while (start <= given.size()) {
        const std::size_t comma = std::min(given.find(',', start), given.size());
        const std::string_view point = std::string_view(given).substr(start, comma - start);
        const std::size_t colon = point.find(':');
        const std::optional<double> rpm =
            colon == std::string_view::npos ? std::nullopt : parseNumber(point.substr(0, colon));
        const std::optional<double> power =
            colon == std::string_view::npos ? std::nullopt : parseNumber(point.substr(colon + 1));
        if (!rpm || !power) {
            throw CliUsageError{withArguments(
                translatedText("kelvarin::CliDesignInput",
                               "--engine-curve: точка %1 не вида ОБОРОТЫ:МОЩНОСТЬ (например "
                               "1500:10.5,2300:14)"),
                {quotedArgument(point)})};
        }
        curve.push_back({*rpm, *power});
        start = comma + 1;
    }
    const EnginePowerCurveProblem problem = enginePowerCurveProblem(curve);
    if (!problem.text.empty()) {
        throw CliUsageError{"--engine-curve: " + problem.text};
    }
    return curve;
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
    if (arguments.has("blade-angles")) {
        document.bladeAngleRule = ruleOption(arguments.value("blade-angles"));
    }
    if (arguments.has("engine-curve")) {
        document.enginePowerCurve = curveOption(arguments.value("engine-curve"));
    }
    return document;
}

CalculationOutcome calculateDesign(const DesignDocument& document) {
    const InputMode mode = inputMode(document);
    PropellerDesign design;
    design.angles.rule = document.bladeAngleRule;
    CalculationOutcome outcome = runCalculation(document.fieldTexts, mode, design);
    if (!outcome.messages.empty()) {
        std::string reason;
        bool aboutAnInput = false;
        for (const FieldMessage& message : outcome.messages) {
            reason += (reason.empty() ? "" : "\n") + message.text;
            aboutAnInput = aboutAnInput || !isComputedIn(mode, message.field);
        }
        // A computed field's message names the inputs to change; it has no value to give.
        throw CliFailure{reason + "\n" +
                         (aboutAnInput ? translatedText("kelvarin::CliDesignInput",
                                                        "(в окне поле получило бы значение по "
                                                        "умолчанию; здесь расчет остановлен: "
                                                        "задайте значение сами)")
                                       : translatedText("kelvarin::CliDesignInput",
                                                        "(в окне поле получило бы значение по "
                                                        "умолчанию; здесь расчет остановлен)"))};
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
    const EngineMatch match = applyBladeAngles(outcome, airAt(0));
    if (!match.problem.empty()) {
        throw CliFailure{match.problem};
    }
    return outcome;
}

void writeOutput(const std::string& path, std::string_view bytes, std::ostream& out) {
    if (path == "-") {
        // Whether standard output took it is known only at its flush, at the end of the run.
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    try {
        if (replaceFile(path, bytes) == Replacement::NotRegularFile) {
            writeToDevice(path, bytes);
        }
    } catch (const FileWriteError& e) {
        throw CliFailure{e.what()};
    }
}

}  // namespace kelvarin
