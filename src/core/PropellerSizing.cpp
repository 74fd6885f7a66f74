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

void sizePropeller(PropellerDesign& design, CalculationWindow& window) {
    // All six are validated in both modes, the ones about to be replaced too.
    readInput(window, InputField::Diameter, design.sizing.diameterCm);
    readInput(window, InputField::Pitch, design.sizing.pitchM);
    readInput(window, InputField::Power, design.inputs.powerHp);
    readInput(window, InputField::PropellerSpeed, design.inputs.speedRpm);
    readInput(window, InputField::MaxSpeed, design.inputs.maxSpeedKmh);
    readInput(window, InputField::DesignSpeed, design.inputs.designSpeedKmh);

    const long double power = design.inputs.powerHp;
    const long double maxSpeed = design.inputs.maxSpeedKmh;

    if (!window.diamChecked()) {
        const long double speed = design.inputs.speedRpm;
        const long double q = checked::divide(power, (maxSpeed * speed) * speed);
        design.sizing.diameterCm =
            checked::store(kDiameterCoefficient * checked::sqrt(checked::sqrt(q)));
        window.setFieldText(InputField::Diameter, formatFixed(design.sizing.diameterCm, 5, 1));
    }
    if (window.diamChecked()) {
        const long double metres = design.sizing.diameterCm / kCentimetresPerMetre;
        const long double t = checked::divide(kDiameterCoefficient, metres * metres);
        design.inputs.speedRpm =
            checked::store(t * checked::sqrt(checked::divide(power, maxSpeed)));
        window.setFieldText(InputField::PropellerSpeed, formatFixed(design.inputs.speedRpm, 5, 0));
    }

    design.sizing.pitchM = checked::store(
        checked::divide(kPitchCoefficient * static_cast<long double>(design.inputs.designSpeedKmh),
                        design.inputs.speedRpm));
    window.setFieldText(InputField::Pitch, formatFixed(design.sizing.pitchM, 1, 2));
}

}  // namespace kelvarin
