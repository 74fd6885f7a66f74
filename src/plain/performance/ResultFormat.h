// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Atmosphere.h"
#include "PerformanceCurves.h"
#include "PropellerAnalysis.h"

namespace kelvarin {

enum class ResultFormat {
    Text,  // an aligned table with Russian column names, for a terminal
    Csv,   // one header line of column names, then a line a point
    Json,  // {"air": {...}, "points": [{...}, ...]}
};

// "text", "csv" or "json"; nothing for anything else.
std::optional<ResultFormat> parseResultFormat(std::string_view name);

// Operating points as text of the given format, numbers always with a decimal point whatever the
// locale, lines ended by '\n'. A point without solution keeps its speed and rpm and shows
// "нет решения" (text), empty fields (CSV) or nulls (JSON) instead of its figures.
std::string formatResults(const std::vector<OperatingPoint>& points, const AirState& air,
                          ResultFormat format);

// The same with what the engine makes of the propeller (a designed one, whose engine is known):
// the engine, the static thrust at its rpm and the rpm at which the propeller absorbs its power
// at rest and at the design speed, as the window "Характеристики винта" writes them above its
// plots. Text puts them in lines above the table, JSON in an "engine" object after
// "air"; CSV stays one line a point, without them.
std::string formatResults(const std::vector<OperatingPoint>& points, const AirState& air,
                          ResultFormat format, const EngineAndFlight& engine,
                          const PerformanceSummary& summary);

}  // namespace kelvarin
