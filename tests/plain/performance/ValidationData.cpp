// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValidationData.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "performance/Atmosphere.h"
#include "performance/GeometryFile.h"

namespace kelvarin {

namespace {

struct Station {
    double r, c, angle, t;
    std::optional<double> camber;
};

double angleAt75(const std::vector<Station>& stations) {
    for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
        const Station& a = stations[i];
        const Station& b = stations[i + 1];
        if (a.r <= 0.75 && b.r >= 0.75) {
            return a.angle + (0.75 - a.r) / (b.r - a.r) * (b.angle - a.angle);
        }
    }
    throw std::runtime_error("no stations either side of 0.75 R");
}

// The stations turned to a blade angle at 0.75 R, through the geometry file's own reader.
PropellerGeometry geometryOf(const std::vector<Station>& stations, const GeometryFileOptions& o,
                             std::optional<double> setting, const std::string& name) {
    const double turn = setting ? *setting - angleAt75(stations) : 0.0;
    std::ostringstream csv;
    csv.precision(10);
    for (const Station& s : stations) {
        csv << s.r << ',' << s.c << ',' << s.angle + turn << ',' << s.t;
        if (s.camber) {
            csv << ',' << *s.camber;
        }
        csv << '\n';
    }
    std::istringstream in(csv.str());
    return readGeometry(in, name, o);
}

std::vector<ValidationSet> readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    const std::string file = path.filename().string();
    GeometryFileOptions options;
    std::vector<Station> stations;
    std::vector<ValidationSet> sets;
    std::string line;
    int number = 0;
    const auto fail = [&](const std::string& what) {
        throw std::runtime_error(file + ", line " + std::to_string(number) + ": " + what);
    };
    double runRpm = 0;
    while (std::getline(in, line)) {
        ++number;
        std::istringstream words(line);
        std::string key;
        if (!(words >> key) || key[0] == '#') {
            continue;
        }
        if (key == "diameter") {
            words >> options.diameterM;
        } else if (key == "blades") {
            words >> options.bladeCount;
        } else if (key == "datum") {
            std::string datum;
            words >> datum;
            options.angleDatum = datum == "face" ? AngleDatum::FlatFace : AngleDatum::ChordLine;
        } else if (key == "station") {
            Station s{};
            if (!(words >> s.r >> s.c >> s.angle >> s.t)) {
                fail("a station needs r/R, c/R, angle and t/c");
            }
            double camber = 0;
            if (words >> camber) {
                s.camber = camber;
            }
            stations.push_back(s);
        } else if (key == "run" || key == "static") {
            ValidationSet set;
            set.isStatic = key == "static";
            std::string label = key;
            if (!set.isStatic && !(words >> label >> runRpm)) {
                fail("a run needs a name and its rpm");
            }
            std::optional<double> setting;
            std::string word;
            while (words >> word) {
                if (word == "holdout") {
                    set.heldBack = true;
                } else if (word == "tolerance") {
                    words >> set.tolerance;
                } else if (word == "setting") {
                    double angle = 0;
                    words >> angle;
                    setting = angle;
                }
            }
            set.name = path.stem().string() + " " + label;
            set.geometry = geometryOf(stations, options, setting, file);
            sets.push_back(std::move(set));
        } else if (key == "point" || key == "static-point") {
            if (sets.empty()) {
                fail("a point before any run");
            }
            MeasuredPoint p;
            std::string cp;
            double first = 0;
            if (!(words >> first >> p.thrustCoefficient >> cp)) {
                fail("a point needs three numbers");
            }
            (key == "point" ? p.advanceRatio : p.rpm) = first;
            if (key == "point") {
                p.rpm = runRpm;
            }
            if (cp != "-") {
                p.powerCoefficient = std::stod(cp);
            }
            sets.back().points.push_back(p);
        } else {
            fail("unknown key " + key);
        }
    }
    return sets;
}

}  // namespace

std::vector<ValidationSet> readValidationSets(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".txt") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    std::vector<ValidationSet> all;
    for (const auto& f : files) {
        for (ValidationSet& s : readFile(f)) {
            all.push_back(std::move(s));
        }
    }
    return all;
}

bool isUnstalled(const ValidationSet& set, const MeasuredPoint& point) {
    double greatestThrust = 0;
    double peakPower = 0;
    double peakAt = 0;
    for (const MeasuredPoint& p : set.points) {
        greatestThrust = std::max(greatestThrust, p.thrustCoefficient);
        if (p.powerCoefficient && *p.powerCoefficient > peakPower) {
            peakPower = *p.powerCoefficient;
            peakAt = p.advanceRatio;
        }
    }
    return point.advanceRatio >= peakAt && point.thrustCoefficient >= 0.2 * greatestThrust;
}

OperatingPoint analysedAt(const PropellerAnalysis& analysis, const MeasuredPoint& point) {
    const double kmh = point.advanceRatio * point.rpm / 60 * analysis.geometry().diameterM * 3.6;
    return analysis.operatingPoint(kmh, point.rpm);
}

SetErrors errorsOf(const ValidationSet& set) {
    const PropellerAnalysis analysis(set.geometry, airAt(0));
    SetErrors e;
    int powerPoints = 0;
    for (const MeasuredPoint& p : set.points) {
        if (!isUnstalled(set, p)) {
            continue;
        }
        const OperatingPoint o = analysedAt(analysis, p);
        e.thrust += std::abs(o.thrustCoefficient / p.thrustCoefficient - 1);
        ++e.points;
        if (p.powerCoefficient) {
            e.power += std::abs(o.powerCoefficient / *p.powerCoefficient - 1);
            ++powerPoints;
        }
    }
    e.thrust /= std::max(e.points, 1);
    e.power /= std::max(powerPoints, 1);
    return e;
}

}  // namespace kelvarin
