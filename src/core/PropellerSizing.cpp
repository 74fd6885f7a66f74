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

void SizePropeller(PropellerDesign& design, CalculationWindow& window) {
    // All six are validated in both modes, the ones about to be replaced too.
    ReadInput(window, InputField::Dv, design.Dv);
    ReadInput(window, InputField::Hv, design.Hv);
    ReadInput(window, InputField::Nd, design.Nd);
    ReadInput(window, InputField::Nv, design.Nv);
    ReadInput(window, InputField::Vm, design.Vm);
    ReadInput(window, InputField::Vr, design.Vr);

    const long double power = design.Nd;
    const long double maxSpeed = design.Vm;

    if (!window.DiamChecked()) {
        const long double speed = design.Nv;
        const long double q = checked::Divide(power, (maxSpeed * speed) * speed);
        design.Dv = checked::Store(kDiameterCoefficient * checked::Sqrt(checked::Sqrt(q)));
        window.SetFieldText(InputField::Dv, FormatFixed(design.Dv, 5, 1));
    }
    if (window.DiamChecked()) {
        const long double metres = design.Dv / kCentimetresPerMetre;
        const long double t = checked::Divide(kDiameterCoefficient, metres * metres);
        design.Nv = checked::Store(t * checked::Sqrt(checked::Divide(power, maxSpeed)));
        window.SetFieldText(InputField::Nv, FormatFixed(design.Nv, 5, 0));
    }

    design.Hv = checked::Store(
        checked::Divide(kPitchCoefficient * static_cast<long double>(design.Vr), design.Nv));
    window.SetFieldText(InputField::Hv, FormatFixed(design.Hv, 1, 2));
}

}  // namespace kelvarin
