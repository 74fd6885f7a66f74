// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PropellerSizing.h"

#include "core/CheckedArithmetic.h"
#include "core/NumberFormat.h"
#include "core/ReadInput.h"
#include "core/TextToNumber.h"
#include "core/Translation.h"

namespace kelvarin {

namespace {

constexpr long double kDiameterCoefficient = 10000.0L;
constexpr long double kCentimetresPerMetre = 100.0L;
constexpr long double kPitchCoefficient = 30.0L;

// What to change when a result rounds to zero in its field: the inputs that move it, as the
// window names them.
constexpr const char* kDiameterRoundsToZero =
    textToTranslate("kelvarin::PropellerSizing",
                    "Рассчитанный диаметр винта округляется до нуля: увеличьте мощность "
                    "двигателя или уменьшите частоту вращения винта или скорость максимальную");
constexpr const char* kPitchRoundsToZero =
    textToTranslate("kelvarin::PropellerSizing",
                    "Рассчитанный шаг винта округляется до нуля: увеличьте скорость расчетную "
                    "или уменьшите частоту вращения винта");
constexpr const char* kPitchByDiameterRoundsToZero = textToTranslate(
    "kelvarin::PropellerSizing",
    "Рассчитанный шаг винта округляется до нуля: увеличьте диаметр винта, скорость расчетную "
    "или скорость максимальную либо уменьшите мощность двигателя");

// Writes a result as the geometry step will read it back. The field is read-only in this mode,
// so the field's own "enter a value greater than zero" would ask the impossible of the user:
// a result that rounds to zero brings `advice` instead, then the fallback as an empty field
// would. A result rounded beyond the double range could not be read back at all.
void writeResult(FieldSheet& fields, InputField field, const std::string& text,
                 const char* advice) {
    double shown = 0;
    try {
        shown = textToNumber(text);
    } catch (const ConversionError&) {
        throw ArithmeticError(
            translatedText("kelvarin::CheckedArithmetic", "Число вне допустимого диапазона"));
    }
    fields.write(field, text);
    if (!(shown > 0)) {
        fields.addMessage(field, translatedText("kelvarin::PropellerSizing", advice));
        fields.write(field, fallbackText(field));
    }
}

}  // namespace

void sizePropeller(PropellerDesign& design, FieldSheet& fields, bool byDiameter) {
    const InputMode mode = byDiameter ? InputMode::ByDiameter : InputMode::Calculated;
    // The fields this mode replaces are not read: the user cannot edit them here, so whatever
    // they hold (a paste from another mode, a rounded result) must not stop the run.
    const auto read = [&](InputField field, double& value) {
        if (!isComputedIn(mode, field)) {
            value = readInput(fields, field);
        }
    };
    read(InputField::Diameter, design.sizing.diameterCm);
    read(InputField::Power, design.inputs.powerHp);
    read(InputField::PropellerSpeed, design.inputs.speedRpm);
    read(InputField::MaxSpeed, design.inputs.maxSpeedKmh);
    read(InputField::DesignSpeed, design.inputs.designSpeedKmh);

    const long double power = design.inputs.powerHp;
    const long double maxSpeed = design.inputs.maxSpeedKmh;

    if (!byDiameter) {
        const long double speed = design.inputs.speedRpm;
        const long double q = checked::divide(power, (maxSpeed * speed) * speed);
        design.sizing.diameterCm =
            checked::store(kDiameterCoefficient * checked::sqrt(checked::sqrt(q)));
        writeResult(fields, InputField::Diameter, formatFixed(design.sizing.diameterCm, 5, 1),
                    kDiameterRoundsToZero);
    } else {
        const long double metres = design.sizing.diameterCm / kCentimetresPerMetre;
        const long double t = checked::divide(kDiameterCoefficient, metres * metres);
        design.inputs.speedRpm =
            checked::store(t * checked::sqrt(checked::divide(power, maxSpeed)));
        // Never read back: the pitch below takes the speed unrounded.
        fields.write(InputField::PropellerSpeed, formatFixed(design.inputs.speedRpm, 5, 0));
    }

    design.sizing.pitchM = checked::store(
        checked::divide(kPitchCoefficient * static_cast<long double>(design.inputs.designSpeedKmh),
                        design.inputs.speedRpm));
    writeResult(fields, InputField::Pitch, formatFixed(design.sizing.pitchM, 1, 2),
                byDiameter ? kPitchByDiameterRoundsToZero : kPitchRoundsToZero);
}

}  // namespace kelvarin
