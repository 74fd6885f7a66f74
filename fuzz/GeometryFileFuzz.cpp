// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry file reader on arbitrary text: it accepts only a propeller the analysis can take
// (every station in range, radii growing from the root to the tip, all figures finite) and
// refuses everything else with a message naming the file, readable UTF-8 whenever the file is.
// A file read with Windows line ends gives the same propeller.
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "FuzzInput.h"
#include "performance/GeometryFile.h"
#include "performance/PerformanceError.h"

namespace {

using namespace kelvarin;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

bool validUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

bool finiteWithin(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

void checkGeometry(const PropellerGeometry& g) {
    check(finiteWithin(g.diameterM, kMinDiameterM, kMaxDiameterM), "diameter out of range");
    check(g.bladeCount >= kMinBladeCount && g.bladeCount <= kMaxBladeCount, "blade count");
    check(g.stations.size() >= 2, "fewer than two stations");
    double previous = 0;
    for (const BladeStation& s : g.stations) {
        check(finiteWithin(s.radiusFraction, 0, 1) && s.radiusFraction > previous,
              "radius out of range or not growing");
        check(finiteWithin(s.chordFraction, 0, kMaxChordFraction), "chord out of range");
        check(finiteWithin(s.bladeAngleDeg, kMinBladeAngleDeg, kMaxBladeAngleDeg), "angle");
        check(finiteWithin(s.thicknessRatio, kMinThicknessRatio, kMaxThicknessRatio), "thickness");
        check(!s.camberRatio || finiteWithin(*s.camberRatio, 0, kMaxCamberRatio), "camber");
        previous = s.radiusFraction;
    }
    check(g.stations.back().radiusFraction >= 0.5, "no station near the tip");
}

bool sameStations(const PropellerGeometry& a, const PropellerGeometry& b) {
    if (a.stations.size() != b.stations.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.stations.size(); ++i) {
        const BladeStation& x = a.stations[i];
        const BladeStation& y = b.stations[i];
        if (x.radiusFraction != y.radiusFraction || x.chordFraction != y.chordFraction ||
            x.bladeAngleDeg != y.bladeAngleDeg || x.thicknessRatio != y.thicknessRatio ||
            x.camberRatio != y.camberRatio) {
            return false;
        }
    }
    return true;
}

// Mostly sensible options, so that the fuzzer spends its time on the text.
GeometryFileOptions takeOptions(FuzzInput& in) {
    static constexpr double kDiameters[8] = {1.6, 0.05, 20.0, 0.0, 0.049, 20.01, NAN, INFINITY};
    const auto flags = in.take<std::uint8_t>();
    GeometryFileOptions options;
    options.angleDatum = (flags & 1) != 0 ? AngleDatum::FlatFace : AngleDatum::ChordLine;
    options.bladeCount = (flags >> 1) % 16;
    options.diameterM = kDiameters[(flags >> 5) % 8];
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const GeometryFileOptions options = takeOptions(in);
    const std::string text = in.rest();
    std::istringstream stream(text);
    PropellerGeometry geometry;
    try {
        geometry = readGeometry(stream, "fuzz.csv", options);
    } catch (const PerformanceError& e) {
        const std::string message = e.what();
        check(message.find("fuzz.csv") != std::string::npos, "a refusal that names no file");
        check(!validUtf8(text) || validUtf8(message), "a message cut inside a character");
        return 0;
    }
    checkGeometry(geometry);
    // Each carriage return lengthens its line; stay clear of the longest line allowed.
    if (text.size() < 4000) {
        std::string windows;
        for (char c : text) {
            windows += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        std::istringstream again(windows);
        check(sameStations(readGeometry(again, "fuzz.csv", options), geometry),
              "Windows line ends read differently");
    }
    return 0;
}
