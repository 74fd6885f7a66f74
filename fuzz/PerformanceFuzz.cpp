// SPDX-License-Identifier: GPL-3.0-or-later
// The performance analysis over arbitrary input: a propeller's stations, air, speed and rpm as
// raw doubles (NaN, infinities and all), or as the text of a geometry file. Every call ends
// with a result or a PerformanceError; a result's figures are finite, a point without solution
// is all zeros, and the formats write it without a "nan" or an "inf".
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "performance/GeometryFile.h"
#include "performance/PerformanceCurves.h"
#include "performance/PerformanceError.h"
#include "performance/ResultFormat.h"

namespace {

using namespace kelvarin;

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

void CheckPoint(const OperatingPoint& p) {
    for (double v : {p.thrustN, p.thrustKgf, p.powerKw, p.powerHp, p.torqueNm, p.efficiency,
                     p.advanceRatio, p.thrustCoefficient, p.powerCoefficient}) {
        Check(std::isfinite(v), "a figure that is not a number");
        Check(p.converged || v == 0, "a gap with figures");
    }
    Check(p.efficiency >= 0, "negative efficiency");
}

PropellerGeometry TypedGeometry(FuzzInput& in) {
    PropellerGeometry g;
    g.diameterM = in.take<double>();
    g.bladeCount = in.take<std::int8_t>();
    const int count = in.take<std::uint8_t>() % 24;
    for (int i = 0; i < count; ++i) {
        BladeStation s;
        s.radiusFraction = in.take<double>();
        s.chordFraction = in.take<double>();
        s.bladeAngleDeg = in.take<double>();
        s.thicknessRatio = in.take<double>();
        if (in.takeBool()) {
            s.camberRatio = in.take<double>();
        }
        g.stations.push_back(in.takeBool() ? fromFlatFace(s) : s);
    }
    return g;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const bool fromText = in.takeBool();
    const double altitude = in.take<double>();
    const bool hot = in.takeBool();
    const double temperature = in.take<double>();
    double speeds[3] = {in.take<double>(), in.take<double>(), in.take<double>()};
    double rpms[3] = {in.take<double>(), in.take<double>(), in.take<double>()};
    const bool balance = in.take<std::uint8_t>() % 8 == 0;
    const std::string rangeText = in.takeString(24);
    try {
        (void)speedsOf(parseSpeedRange(rangeText));
    } catch (const PerformanceError&) {
    }
    try {
        PropellerGeometry geometry;
        if (fromText) {
            const double diameter = in.take<double>();
            const int blades = in.take<std::int8_t>();
            const AngleDatum datum = in.takeBool() ? AngleDatum::FlatFace : AngleDatum::ChordLine;
            std::istringstream text(in.rest());
            geometry = readGeometry(text, "fuzz.csv", {diameter, blades, datum});
        } else {
            geometry = TypedGeometry(in);
        }
        const AirState air = hot ? airAt(altitude, temperature) : airAt(altitude);
        const PropellerAnalysis analysis(geometry, air);
        std::vector<OperatingPoint> points;
        for (int i = 0; i < 3; ++i) {
            try {
                points.push_back(analysis.operatingPoint(speeds[i], rpms[i]));
                CheckPoint(points.back());
            } catch (const PerformanceError&) {
            }
        }
        if (balance && !points.empty()) {
            const double rpm = points.front().rpm;
            const auto found = rpmAbsorbing(analysis, points.front().speedKmh, std::abs(speeds[1]),
                                            rpm / 4, std::min(kMaxRpm, rpm * 4));
            Check(!found || (*found >= rpm / 4 - 1 && *found <= rpm * 4 + 1), "balance outside");
        }
        for (ResultFormat f : {ResultFormat::Text, ResultFormat::Csv, ResultFormat::Json}) {
            const std::string out = formatResults(points, air, f);
            Check(out.find("nan") == std::string::npos && out.find("inf") == std::string::npos,
                  "nan or inf written");
        }
    } catch (const PerformanceError& e) {
        Check(e.what()[0] != '\0', "a refusal without a message");
    }
    return 0;
}
