// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladeGeometry.h"

#include <cmath>

#include "core/CheckedArithmetic.h"
#include "core/ReadInput.h"

namespace kelvarin {

namespace {

constexpr long double kPi = 3.141592653589793;  // full double precision
constexpr long double kDegreesPerHalfTurn = 180.0L;

void ComputeStations(PropellerDesign& design) {
    StationTable& s = design.Stations;
    const long double diameter = design.Dv;
    const long double pitch = design.Hv;
    for (int k = kFirstStation; k <= kLastStation; ++k) {
        const std::size_t i = StationIndex(k);
        s.Bl[i] = checked::Store(BlRatio[i] * diameter / 100.0L / 100.0L);
        // Circumference of the station circle in metres.
        const long double circumference = kPi * RelRadius[i] * diameter / 100.0L;
        const double t = checked::Store(checked::Divide(2.0L * pitch, circumference));
        s.Alpha[i] =
            checked::Store(std::atan(static_cast<long double>(t)) * kDegreesPerHalfTurn / kPi);
        s.BlCos[i] = checked::Store(
            checked::Divide(s.Bl[i], std::cos(s.Alpha[i] * kPi / kDegreesPerHalfTurn)));
        s.Hc[i] = checked::Store(checked::Divide(2.0L * pitch * s.Bl[i], circumference));
    }
}

void ComputeProfiles(PropellerDesign& design) {
    for (SectionProfile& p : design.Profiles) {
        p = SectionProfile{};
    }
    const StationTable& s = design.Stations;
    for (int k = kFirstSection; k <= kLastSection; ++k) {
        const std::size_t i = StationIndex(k);
        SectionProfile& p = design.Profiles[i];
        const long double cosA = std::cos(s.Alpha[i] * kPi / kDegreesPerHalfTurn);
        for (std::size_t j = 0; j < kProfilePointCount; ++j) {
            p.X[j] = checked::Store(s.BlCos[i] * ProfileX[j] * 10.0L);
            p.Yv[j] = checked::Store(
                checked::Divide(ProfileYv[j] * ThickRatio[i] * s.Bl[i], cosA * 1000.0L) * 1000.0L);
            p.Yn[j] = checked::Store(
                checked::Divide(ProfileYn[j] * ThickRatio[i] * s.Bl[i], cosA * 1000.0L) * 1000.0L);
        }
    }
}

}  // namespace

void ComputeGeometry(PropellerDesign& design, CalculationWindow& window) {
    ReadInput(window, InputField::Dv, design.Dv);
    ReadInput(window, InputField::Hv, design.Hv);
    try {
        ComputeStations(design);
        ComputeProfiles(design);
    } catch (const ArithmeticError&) {
        // The step ends quietly; the run goes on with the report.
    }
}

}  // namespace kelvarin
