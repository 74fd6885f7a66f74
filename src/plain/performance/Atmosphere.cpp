// SPDX-License-Identifier: GPL-3.0-or-later
#include "Atmosphere.h"

#include <cmath>
#include <string>

#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"
#include "core/Translation.h"

namespace kelvarin {

AirState airAt(double altitudeM, std::optional<double> temperatureC) {
    if (!std::isfinite(altitudeM) || altitudeM < kMinAltitudeM || altitudeM > kMaxAltitudeM) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::Atmosphere",
                           "Высота над уровнем моря должна быть от %1 до %2 м, задано: %3 м."),
            {russianNumber(kMinAltitudeM, 0), russianNumber(kMaxAltitudeM, 0),
             russianNumber(altitudeM, 1)}));
    }
    if (temperatureC && (!std::isfinite(*temperatureC) || *temperatureC < kMinTemperatureC ||
                         *temperatureC > kMaxTemperatureC)) {
        throw PerformanceError(withArguments(
            translatedText("kelvarin::Atmosphere",
                           "Температура воздуха должна быть от %1 до +%2 °C, задано: %3 °C."),
            {russianNumber(kMinTemperatureC, 0), russianNumber(kMaxTemperatureC, 0),
             russianNumber(*temperatureC, 1)}));
    }
    AirState air;
    air.altitudeM = altitudeM;
    const double standardK = kSeaLevelTemperatureK - kLapseRateKPerM * altitudeM;
    air.pressurePa =
        kSeaLevelPressurePa * std::pow(standardK / kSeaLevelTemperatureK,
                                       kStandardGravity / (kLapseRateKPerM * kAirGasConstant));
    air.temperatureK = temperatureC ? *temperatureC + kZeroCelsiusK : standardK;
    air.densityKgM3 = air.pressurePa / (kAirGasConstant * air.temperatureK);
    air.viscosityPaS = kSutherlandReferenceViscosityPaS *
                       std::pow(air.temperatureK / kSutherlandReferenceTemperatureK, 1.5) *
                       (kSutherlandReferenceTemperatureK + kSutherlandConstantK) /
                       (air.temperatureK + kSutherlandConstantK);
    air.speedOfSoundMS = std::sqrt(kAirHeatCapacityRatio * kAirGasConstant * air.temperatureK);
    return air;
}

}  // namespace kelvarin
