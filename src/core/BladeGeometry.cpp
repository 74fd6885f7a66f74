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
    StationTable& s = design.stations;
    const long double diameter = design.sizing.diameterCm;
    const long double pitch = design.sizing.pitchM;
    for (int k = kFirstStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        s.bladeWidthM[i] = checked::store(kBladeWidthPercent[i] * diameter / 100.0L / 100.0L);
        // Circumference of the station circle in metres.
        const long double circumference = kPi * kRelativeRadius[i] * diameter / 100.0L;
        const double t = checked::store(checked::divide(2.0L * pitch, circumference));
        s.bladeAngleDeg[i] =
            checked::store(std::atan(static_cast<long double>(t)) * kDegreesPerHalfTurn / kPi);
        s.chordM[i] = checked::store(checked::divide(
            s.bladeWidthM[i], std::cos(s.bladeAngleDeg[i] * kPi / kDegreesPerHalfTurn)));
        s.axialDepthM[i] =
            checked::store(checked::divide(2.0L * pitch * s.bladeWidthM[i], circumference));
    }
}

void computeProfiles(PropellerDesign& design) {
    for (SectionProfile& p : design.profiles) {
        p = SectionProfile{};
    }
    const StationTable& s = design.stations;
    for (int k = kFirstSection; k <= kLastSection; ++k) {
        const std::size_t i = stationIndex(k);
        SectionProfile& p = design.profiles[i];
        const long double cosA = std::cos(s.bladeAngleDeg[i] * kPi / kDegreesPerHalfTurn);
        for (std::size_t j = 0; j < kProfilePointCount; ++j) {
            p.xMm[j] = checked::store(s.chordM[i] * kProfileChordPercent[j] * 10.0L);
            p.upperMm[j] = checked::store(
                checked::divide(kProfileUpperTenths[j] * kThicknessPercent[i] * s.bladeWidthM[i],
                                cosA * 1000.0L) *
                1000.0L);
            p.lowerMm[j] = checked::store(
                checked::divide(kProfileLowerTenths[j] * kThicknessPercent[i] * s.bladeWidthM[i],
                                cosA * 1000.0L) *
                1000.0L);
        }
    }
}

}  // namespace

void computeGeometry(PropellerDesign& design, FieldSheet& fields) {
    design.sizing.diameterCm = readInput(fields, InputField::Diameter);
    design.sizing.pitchM = readInput(fields, InputField::Pitch);
    try {
        computeStations(design);
        computeProfiles(design);
    } catch (const ArithmeticError&) {
        // The step ends quietly; the run goes on with the report.
    }
}

}  // namespace kelvarin
