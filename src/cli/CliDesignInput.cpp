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

namespace kelvarin {

const std::string_view kDesignInputHelp =
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
    "                     только лопасть)\n";

namespace {

// The option's value as a field text: either separator becomes the current one.
std::string fieldText(const CliArguments& arguments, std::string_view option, InputField field,
                      std::size_t valueIndex = 0) {
    const char separator = decimalSeparator();
    const std::string& given = arguments.value(option, valueIndex);
    const std::string text = withSeparator(withSeparator(given, ',', separator), '.', separator);
    if (fieldTextProblem(text, separator).empty()) {
        return text;
    }
    const std::string what =
        "--" + std::string(option) + " (" + std::string(fieldName(field)) + "): ";
    if (given.size() > kMaxFieldTextLength) {
        throw CliUsageError{what + "значение длиннее " + std::to_string(kMaxFieldTextLength) +
                            " символов"};
    }
    throw CliUsageError{what + quotedArgument(given) +
                        " не число: нужны цифры и не больше одного десятичного знака (точки "
                        "или запятой)"};
}

}  // namespace

DesignDocument designFromArguments(const CliArguments& arguments, bool rpmIsTheDesigns) {
    const auto& files = arguments.positionals();
    if (files.size() > 1) {
        throw CliUsageError{"нужен один файл проекта, а указано больше: " +
                            quotedArgument(files[0]) + ", " + quotedArgument(files[1])};
    }
    if (arguments.has("by-diameter") && arguments.has("manual")) {
        throw CliUsageError{"--by-diameter и --manual взаимоисключающие: выберите один режим"};
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
        throw CliFailure{reason +
                         "\n(в окне поле получило бы значение по умолчанию; здесь "
                         "расчет остановлен: задайте значение сами)"};
    }
    switch (outcome.end) {
        case RunEnd::Completed:
            break;
        case RunEnd::NotANumber: {
            const InputField field = outcome.notANumberField.value_or(InputField::Diameter);
            throw CliFailure{"поле «" + std::string(fieldName(field)) +
                             "»: " + quotedArgument(outcome.fieldTexts[fieldIndex(field)]) +
                             " не читается как число (слишком большое или записано неверно)"};
        }
        case RunEnd::ArithmeticFault:
            throw CliFailure{
                "расчет не удался: арифметическая ошибка (корень из отрицательного "
                "числа, деление на ноль или переполнение); проверьте величины и их "
                "знаки"};
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
        throw CliFailure{"не удалось записать " + quotedArgument(path) + ": " + reason};
    };
    if (info.isDir()) {
        refuse("это каталог");
    }
    if (!QFileInfo(info.absolutePath()).isDir()) {
        refuse("нет каталога " +
               quotedArgument(QFile::encodeName(info.absolutePath()).toStdString()));
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        refuse(file.errorString().toStdString() + " (прежний файл, если он был, не изменен)");
    }
}

}  // namespace kelvarin
