// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PropellerSizing.h"

#include "core/CheckedArithmetic.h"
#include "core/NumberFormat.h"
#include "core/ReadInput.h"

namespace kelvarin {

namespace {

constexpr long double kDiameterCoefficient = 10000.0L;
constexpr long double kCentimetresPerMetre = 100.0L;
constexpr long double kPitchCoefficient = 30.0L;

}  // namespace

void sizePropeller(PropellerDesign& design, FieldSheet& fields, bool byDiameter) {
    // All six are validated in both modes, the ones about to be replaced too.
    design.sizing.diameterCm = readInput(fields, InputField::Diameter);
    design.sizing.pitchM = readInput(fields, InputField::Pitch);
    design.inputs.powerHp = readInput(fields, InputField::Power);
    design.inputs.speedRpm = readInput(fields, InputField::PropellerSpeed);
    design.inputs.maxSpeedKmh = readInput(fields, InputField::MaxSpeed);
    design.inputs.designSpeedKmh = readInput(fields, InputField::DesignSpeed);

    const long double power = design.inputs.powerHp;
    const long double maxSpeed = design.inputs.maxSpeedKmh;

    if (!byDiameter) {
        const long double speed = design.inputs.speedRpm;
        const long double q = checked::divide(power, (maxSpeed * speed) * speed);
        design.sizing.diameterCm =
            checked::store(kDiameterCoefficient * checked::sqrt(checked::sqrt(q)));
        fields.write(InputField::Diameter, formatFixed(design.sizing.diameterCm, 5, 1));
    } else {
        const long double metres = design.sizing.diameterCm / kCentimetresPerMetre;
        const long double t = checked::divide(kDiameterCoefficient, metres * metres);
        design.inputs.speedRpm =
            checked::store(t * checked::sqrt(checked::divide(power, maxSpeed)));
        fields.write(InputField::PropellerSpeed, formatFixed(design.inputs.speedRpm, 5, 0));
    }

    design.sizing.pitchM = checked::store(
        checked::divide(kPitchCoefficient * static_cast<long double>(design.inputs.designSpeedKmh),
                        design.inputs.speedRpm));
    fields.write(InputField::Pitch, formatFixed(design.sizing.pitchM, 1, 2));
}

}  // namespace kelvarin
