// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace kelvarin {

// The air a propeller works in.
struct AirState {
    double altitudeM = 0;
    double temperatureK = 0;
    double pressurePa = 0;
    double densityKgM3 = 0;
    double viscosityPaS = 0;  // dynamic viscosity
    double speedOfSoundMS = 0;
};

inline constexpr double kMinAltitudeM = -500.0;
inline constexpr double kMaxAltitudeM = 11000.0;
inline constexpr double kMinTemperatureC = -80.0;
inline constexpr double kMaxTemperatureC = 60.0;

// The standard atmosphere at `altitudeM` above sea level (kMinAltitudeM..kMaxAltitudeM). A given
// temperature (kMinTemperatureC..kMaxTemperatureC) replaces the standard one at that altitude
// while the pressure stays standard, as on a hot or cold day. Throws PerformanceError with a
// Russian message for values outside those ranges or not numbers.
AirState airAt(double altitudeM, std::optional<double> temperatureC = std::nullopt);

}  // namespace kelvarin
