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
    readInput(window, InputField::Diameter, design.Dv);
    readInput(window, InputField::Pitch, design.Hv);
    readInput(window, InputField::Power, design.Nd);
    readInput(window, InputField::PropellerSpeed, design.Nv);
    readInput(window, InputField::MaxSpeed, design.Vm);
    readInput(window, InputField::DesignSpeed, design.Vr);

    const long double power = design.Nd;
    const long double maxSpeed = design.Vm;

    if (!window.diamChecked()) {
        const long double speed = design.Nv;
        const long double q = checked::divide(power, (maxSpeed * speed) * speed);
        design.Dv = checked::store(kDiameterCoefficient * checked::sqrt(checked::sqrt(q)));
        window.setFieldText(InputField::Diameter, formatFixed(design.Dv, 5, 1));
    }
    if (window.diamChecked()) {
        const long double metres = design.Dv / kCentimetresPerMetre;
        const long double t = checked::divide(kDiameterCoefficient, metres * metres);
        design.Nv = checked::store(t * checked::sqrt(checked::divide(power, maxSpeed)));
        window.setFieldText(InputField::PropellerSpeed, formatFixed(design.Nv, 5, 0));
    }

    design.Hv = checked::store(
        checked::divide(kPitchCoefficient * static_cast<long double>(design.Vr), design.Nv));
    window.setFieldText(InputField::Pitch, formatFixed(design.Hv, 1, 2));
}

}  // namespace kelvarin
