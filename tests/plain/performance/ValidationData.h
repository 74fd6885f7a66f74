// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "performance/PropellerAnalysis.h"

namespace kelvarin {

// One measured point: in flight (advance ratio J, CT, CP at the run's rpm) or static (J 0 at its
// own rpm). A coefficient the source does not give is empty.
struct MeasuredPoint {
    double advanceRatio = 0;
    double rpm = 0;
    double thrustCoefficient = 0;
    std::optional<double> powerCoefficient;
};

// One published data set: a propeller at one blade angle, a run at one rpm or a static test.
// Held-back sets were kept out of the model's tuning.
struct ValidationSet {
    std::string name;  // file and run
    PropellerGeometry geometry;
    bool isStatic = false;
    bool heldBack = false;
    double tolerance = 0.1;  // mean error the analysis must keep within, unless a file says more
    std::vector<MeasuredPoint> points;
};

// Every data set of every file in `folder` (tests/plain/performance/data), in file name order. The
// file format is described in that folder's README.md. Throws std::runtime_error naming the file
// and line of anything it cannot read.
std::vector<ValidationSet> readValidationSets(const std::string& folder);

// Mean relative errors of the analysis against a set, over its unstalled points: from the
// measured power coefficient's peak on (below it the blade is stalled) and while the thrust is at
// least a fifth of the set's greatest (near zero thrust a relative error means nothing).
struct SetErrors {
    double thrust = 0;
    double power = 0;
    int points = 0;
};
SetErrors errorsOf(const ValidationSet& set);

// Whether a point of the set counts for its errors, as errorsOf() says.
bool isUnstalled(const ValidationSet& set, const MeasuredPoint& point);

// The analysis at a measured point, in air of the standard atmosphere at sea level.
OperatingPoint analysedAt(const PropellerAnalysis& analysis, const MeasuredPoint& point);

}  // namespace kelvarin
