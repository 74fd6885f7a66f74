// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladeGeometry.h"

#include <cmath>

#include "core/CheckedArithmetic.h"
#include "core/ReadInput.h"

namespace kelvarin {

namespace {

constexpr long double kPi = 3.141592653589793;  // full double precision
constexpr long double kDegreesPerHalfTurn = 180.0L;

// Every station's angle follows one helix of pitch `helix`, in metres.
void computeStations(PropellerDesign& design, long double helix) {
    StationTable& s = design.stations;
    const long double diameter = design.sizing.diameterCm;
    for (int k = kFirstStation; k <= kLastStation; ++k) {
        const std::size_t i = stationIndex(k);
        s.bladeWidthM[i] = checked::store(kBladeWidthPercent[i] * diameter / 100.0L / 100.0L);
        // Circumference of the station circle in metres.
        const long double circumference = kPi * kRelativeRadius[i] * diameter / 100.0L;
        const double t = checked::store(checked::divide(helix, circumference));
        s.bladeAngleDeg[i] =
            checked::store(std::atan(static_cast<long double>(t)) * kDegreesPerHalfTurn / kPi);
        s.chordM[i] = checked::store(checked::divide(
            s.bladeWidthM[i], std::cos(s.bladeAngleDeg[i] * kPi / kDegreesPerHalfTurn)));
        s.axialDepthM[i] = checked::store(checked::divide(helix * s.bladeWidthM[i], circumference));
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

// The helix of the design's rule. Twice the pitch is formed in long double, as the first rule
// always did, so that its tables keep every bit.
long double ruleHelix(const PropellerDesign& design) {
    const long double pitch = design.sizing.pitchM;
    switch (design.angles.rule) {
        case BladeAngleRule::Rule:
            return 2.0L * pitch;
        case BladeAngleRule::Pitch:
            return pitch;
        case BladeAngleRule::Engine:
            return design.angles.engineHelixPitchM > 0 ? design.angles.engineHelixPitchM : pitch;
    }
    return 2.0L * pitch;
}

void computeBlade(PropellerDesign& design, long double helix) {
    design.helixPitchM = static_cast<double>(helix);
    try {
        computeStations(design, helix);
        computeProfiles(design);
    } catch (const ArithmeticError&) {
        // The step ends quietly; the run goes on with the report.
    }
}

}  // namespace

void computeGeometry(PropellerDesign& design, FieldSheet& fields) {
    design.sizing.diameterCm = readInput(fields, InputField::Diameter);
    design.sizing.pitchM = readInput(fields, InputField::Pitch);
    computeBlade(design, ruleHelix(design));
}

void applyEngineHelix(PropellerDesign& design, double helixPitchM) {
    design.angles.engineHelixPitchM = helixPitchM;
    computeBlade(design, helixPitchM);
}

void applyBladeAngleRule(PropellerDesign& design) {
    computeBlade(design, ruleHelix(design));
}

}  // namespace kelvarin
