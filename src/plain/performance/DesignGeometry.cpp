// SPDX-License-Identifier: GPL-3.0-or-later
#include "performance/DesignGeometry.h"

#include "core/BladeTables.h"
#include "core/Translation.h"
#include "performance/PerformanceError.h"

namespace kelvarin {

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

EngineAndFlight engineAndFlightOf(const EngineAndFlightRecord& record) {
    const auto figure = [](const std::optional<double>& value, const char* caption) {
        if (!value) {
            throw PerformanceError(withArguments(
                translatedText("kelvarin::DesignGeometry",
                               "В поле «%1» не число: исправьте его и рассчитайте винт снова."),
                {translatedText("kelvarin::DesignGeometry", caption)}));
        }
        return *value;
    };
    return {
        figure(record.enginePowerHp,
               textToTranslate("kelvarin::DesignGeometry", "Мощность двигателя")),
        figure(record.rpm, textToTranslate("kelvarin::DesignGeometry", "Частота вращения винта")),
        figure(record.designSpeedKmh,
               textToTranslate("kelvarin::DesignGeometry", "Скорость расчетная")),
        figure(record.maxSpeedKmh,
               textToTranslate("kelvarin::DesignGeometry", "Скорость максимальная"))};
}

}  // namespace kelvarin
