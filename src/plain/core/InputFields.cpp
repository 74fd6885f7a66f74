// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/InputFields.h"

#include "core/DecimalSeparator.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

struct BuiltInTexts {
    const char* message;
    std::string_view fallback;  // spelt with a comma
    std::string_view start;     // spelt with a comma
};

const BuiltInTexts& builtInTexts(InputField field) {
    static constexpr std::array<BuiltInTexts, kInputFieldCount> kTexts = {{
        {textToTranslate("kelvarin::InputFields",
                         "Необходимо ввести параметр диаметр винта больше нуля"),
         "127", "151,7"},
        {textToTranslate("kelvarin::InputFields",
                         "Необходимо ввести параметр шаг винта больше нуля"),
         "0,20", "0,52"},
        {textToTranslate("kelvarin::InputFields",
                         "Необходимо ввести параметр мощность двигателя больше нуля"),
         "14", "14"},
        {textToTranslate("kelvarin::InputFields",
                         "Необходимо ввести параметр число оборотов винта больше нуля"),
         "2300", "2300"},
        {textToTranslate("kelvarin::InputFields",
                         "Необходимо ввести параметр скрорость максимальная больше нуля"),
         "50", "50"},
        {textToTranslate("kelvarin::InputFields",
                         "Необходимо ввести параметр скрорость расчетная больше нуля"),
         "40", "40"},
    }};
    return kTexts[fieldIndex(field)];
}

}  // namespace

std::string emptyFieldMessage(InputField field) {
    return translatedText("kelvarin::InputFields", builtInTexts(field).message);
}

std::string fallbackText(InputField field) {
    return localizeDecimalText(builtInTexts(field).fallback);
}

std::string startText(InputField field) {
    return localizeDecimalText(builtInTexts(field).start);
}

FieldTexts startTexts() {
    FieldTexts texts;
    for (InputField field : kInputFields) {
        texts[fieldIndex(field)] = startText(field);
    }
    return texts;
}

}  // namespace kelvarin
