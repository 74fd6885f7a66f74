// SPDX-License-Identifier: GPL-3.0-or-later
#include "Atmosphere.h"

#include <cmath>
#include <string>

#include "ModelConstants.h"
#include "PerformanceError.h"
#include "TextNumbers.h"

namespace kelvarin::performance {

AirState airAt(double altitudeM, std::optional<double> temperatureC) {
    if (!std::isfinite(altitudeM) || altitudeM < kMinAltitudeM || altitudeM > kMaxAltitudeM) {
        throw PerformanceError(
            "Высота над уровнем моря должна быть от " + russianNumber(kMinAltitudeM, 0) + " до " +
            russianNumber(kMaxAltitudeM, 0) + " м, задано: " + russianNumber(altitudeM, 1) + " м.");
    }
    if (temperatureC && (!std::isfinite(*temperatureC) || *temperatureC < kMinTemperatureC ||
                         *temperatureC > kMaxTemperatureC)) {
        throw PerformanceError("Температура воздуха должна быть от " +
                               russianNumber(kMinTemperatureC, 0) + " до +" +
                               russianNumber(kMaxTemperatureC, 0) +
                               " °C, задано: " + russianNumber(*temperatureC, 1) + " °C.");
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

}  // namespace kelvarin::performance
