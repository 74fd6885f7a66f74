// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladeGeometry.h"

#include <cmath>

#include "core/CheckedArithmetic.h"
#include "core/ReadInput.h"

namespace kelvarin {

namespace {

constexpr long double kPi = 3.141592653589793;  // full double precision
constexpr long double kDegreesPerHalfTurn = 180.0L;

void computeStations(PropellerDesign& design) {
    StationTable& s = design.Stations;
    const long double diameter = design.Dv;
    const long double pitch = design.Hv;
    for (int k = kFirstStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        s.Bl[i] = checked::store(kBladeWidthPercent[i] * diameter / 100.0L / 100.0L);
        // Circumference of the station circle in metres.
        const long double circumference = kPi * kRelativeRadius[i] * diameter / 100.0L;
        const double t = checked::store(checked::divide(2.0L * pitch, circumference));
        s.Alpha[i] =
            checked::store(std::atan(static_cast<long double>(t)) * kDegreesPerHalfTurn / kPi);
        s.BlCos[i] = checked::store(
            checked::divide(s.Bl[i], std::cos(s.Alpha[i] * kPi / kDegreesPerHalfTurn)));
        s.Hc[i] = checked::store(checked::divide(2.0L * pitch * s.Bl[i], circumference));
    }
}

void computeProfiles(PropellerDesign& design) {
    for (SectionProfile& p : design.Profiles) {
        p = SectionProfile{};
    }
    const StationTable& s = design.Stations;
    for (int k = kFirstSection; k <= kLastSection; ++k) {
        const std::size_t i = stationIndex(k);
        SectionProfile& p = design.Profiles[i];
        const long double cosA = std::cos(s.Alpha[i] * kPi / kDegreesPerHalfTurn);
        for (std::size_t j = 0; j < kProfilePointCount; ++j) {
            p.X[j] = checked::store(s.BlCos[i] * kProfileChordPercent[j] * 10.0L);
            p.Yv[j] = checked::store(
                checked::divide(kProfileUpperTenths[j] * kThicknessPercent[i] * s.Bl[i],
                                cosA * 1000.0L) *
                1000.0L);
            p.Yn[j] = checked::store(
                checked::divide(kProfileLowerTenths[j] * kThicknessPercent[i] * s.Bl[i],
                                cosA * 1000.0L) *
                1000.0L);
        }
    }
}

}  // namespace

void computeGeometry(PropellerDesign& design, CalculationWindow& window) {
    readInput(window, InputField::Diameter, design.Dv);
    readInput(window, InputField::Pitch, design.Hv);
    try {
        computeStations(design);
        computeProfiles(design);
    } catch (const ArithmeticError&) {
        // The step ends quietly; the run goes on with the report.
    }
}

}  // namespace kelvarin
