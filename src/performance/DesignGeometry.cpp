// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/DesignGeometry.h"

#include "core/BladeTables.h"
#include "core/Failure.h"
#include "core/TextToNumber.h"

namespace kelvarin::performance {

PropellerGeometry geometryFromDesign(const PropellerDesign& design) {
    PropellerGeometry geometry;
    geometry.diameterM = design.sizing.diameterCm / 100.0;
    geometry.bladeCount = 2;
    const double tipRadiusM = geometry.diameterM / 2.0;
    for (int k = kFirstSection; k <= kLastSection; ++k) {
        const std::size_t i = stationIndex(k);
        BladeStation face;
        face.radiusFraction = kRelativeRadius[i];
        face.chordFraction = tipRadiusM > 0 ? design.stations.chordM[i] / tipRadiusM : 0;
        face.bladeAngleDeg = design.stations.bladeAngleDeg[i];
        face.thicknessRatio = kThicknessPercent[i] / 100.0;
        geometry.stations.push_back(fromFlatFace(face));
    }
    return geometry;
}

EngineAndFlight engineAndFlightFromDesign(const PropellerDesign& design) {
    const SizingInputs& in = design.inputs;
    return {in.powerHp, in.speedRpm, in.designSpeedKmh, in.maxSpeedKmh};
}

EngineAndFlight engineAndFlightFromDesign(const PropellerDesign& design, InputMode mode,
                                          const FieldTexts& texts) {
    if (mode != InputMode::Manual) {
        return engineAndFlightFromDesign(design);
    }
    const auto read = [&texts](InputField field) {
        try {
            return textToNumber(texts[fieldIndex(field)]);
        } catch (const Failure&) {
            return 0.0;
        }
    };
    return {read(InputField::Power), read(InputField::PropellerSpeed),
            read(InputField::DesignSpeed), read(InputField::MaxSpeed)};
}

}  // namespace kelvarin::performance
