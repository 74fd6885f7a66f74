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
        fields.write(InputField::Diameter, formatFixed(design.sizing.diameterCm, 5, 1));
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
    fields.write(InputField::Pitch, formatFixed(design.sizing.pitchM, 1, 2));
}

}  // namespace kelvarin
