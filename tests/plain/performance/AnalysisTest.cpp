// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/BladeTables.h"
#include "core/CalculationRun.h"
#include "performance/DesignGeometry.h"
#include "performance/ModelConstants.h"
#include "performance/PerformanceCurves.h"
#include "performance/PerformanceError.h"
#include "performance/SectionModel.h"

namespace kelvarin {
namespace {

// The three-blade Clark Y propeller 5868-9 of D. Biermann and E. P. Hartman, The aerodynamic
// characteristics of six full-scale propellers having different airfoil sections, NACA Report
// 650 (1939): blade width b/D and face pitch p/D from its blade-form curves (p/D as drawn for
// 25 degrees at 0.75 R), the round tip closing at R. The report's thickness curve could not be
// read here; the ratios below are those of metal blades of its day (0.06 at the tip).
PropellerGeometry clarkY5868(double faceAngleAt75Deg) {
    const double rR[] = {0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
    const double bD[] = {0.036, 0.0525, 0.07, 0.076, 0.0735, 0.066, 0.0565, 0.045, 0.0};
    const double pD[] = {0.67, 0.84, 0.94, 0.98, 1.02, 1.09, 1.125, 1.19, 1.255};
    const double tc[] = {0.30, 0.20, 0.15, 0.12, 0.10, 0.085, 0.075, 0.068, 0.062};
    const double drawnAt = std::atan(0.5 * (1.09 + 1.125) / (kPi * 0.75)) * 180 / kPi;
    PropellerGeometry g{3.048, 3, {}};
    for (int i = 0; i < 9; ++i) {
        const double face = std::atan(pD[i] / (kPi * rR[i])) * 180 / kPi;
        g.stations.push_back(
            fromFlatFace({rR[i], 2 * bD[i], face + faceAngleAt75Deg - drawnAt, tc[i]}));
    }
    return g;
}

// The default design, as a calculation of the start texts leaves it.
PropellerDesign defaultDesign() {
    return runCalculation(startTexts(), InputMode::Calculated).design;
}

TEST(Performance, MomentumTheoryBoundsThrustForThePowerAbsorbed) {
    const AirState air = airAt(0);
    for (const PropellerGeometry& g : {geometryFromDesign(defaultDesign()), clarkY5868(30)}) {
        const PropellerAnalysis analysis(g, air);
        const double area = kPi * g.diameterM * g.diameterM / 4;
        for (double rpm : {600.0, 1500.0, 2500.0}) {
            // At rest the actuator disk's thrust for a power, (2 rho A P^2)^(1/3), ...
            const OperatingPoint rest = analysis.operatingPoint(0, rpm);
            ASSERT_TRUE(rest.converged);
            const double power = rest.powerKw * 1000;
            EXPECT_LT(rest.thrustN, std::cbrt(2 * air.densityKgM3 * area * power * power)) << rpm;
            // ... and in flight Froude's efficiency 2 / (1 + sqrt(1 + T / (q A))).
            for (double kmh : {40.0, 100.0, 200.0}) {
                const OperatingPoint p = analysis.operatingPoint(kmh, rpm);
                ASSERT_TRUE(p.converged);
                if (p.thrustN > 0) {
                    const double q = 0.5 * air.densityKgM3 * std::pow(kmh / 3.6, 2);
                    EXPECT_LT(p.efficiency, 2 / (1 + std::sqrt(1 + p.thrustN / (q * area))));
                }
            }
        }
    }
}

TEST(Performance, BladeAtItsZeroLiftAngleGivesNoThrustAtRest) {
    PropellerGeometry g{1.5, 2, {}};
    for (double r = 0.2; r < 1.01; r += 0.2) {
        const double t = 0.2 - 0.1 * r;
        g.stations.push_back({r, 0.15, flatBottomedSection(t, 0).zeroLiftAngleRad * 180 / kPi, t});
    }
    const OperatingPoint p = PropellerAnalysis(g, airAt(0)).operatingPoint(0, 2000);
    ASSERT_TRUE(p.converged);
    EXPECT_NEAR(p.thrustN, 0, 1e-6);
    EXPECT_GT(p.powerKw, 0);  // the profile drag still takes power
}

// NACA Report 650, propeller 5868-9 at 20 degrees (flat face, 0.75 R) and 1000 rpm: CT and CP
// read off its charts against V/nD; the static thrust, and two points where no blade stalls.
TEST(Performance, ClarkYPropellerOfNacaReport650WithinTenPercent) {
    const PropellerAnalysis analysis(clarkY5868(20), airAt(0));
    const auto at = [&](double j) {
        return analysis.operatingPoint(j * 1000.0 / 60 * 3.048 * 3.6, 1000);
    };
    EXPECT_NEAR(at(0.048).thrustCoefficient, 0.1567, 0.1 * 0.1567);
    struct Measured {
        double j, ct, cp;
    };
    for (const Measured& m : {Measured{0.398, 0.1268, 0.0847}, Measured{0.668, 0.0789, 0.0669}}) {
        EXPECT_NEAR(at(m.j).thrustCoefficient, m.ct, 0.1 * m.ct) << "J " << m.j;
        EXPECT_NEAR(at(m.j).powerCoefficient, m.cp, 0.1 * m.cp) << "J " << m.j;
    }
}

// A small propeller as the UIUC propeller database gives it (chord-line angles, no section), run
// at two speeds: the APC 9x4.5 thin electric of J. B. Brandt and M. S. Selig, Propeller
// performance data at low Reynolds numbers, AIAA 2011-1255 (database volume 1: apce_9x45_geom,
// runs rd0996 at 4002 rpm and jb0998 at 6018 rpm), thickness ratios as APC's own files give them
// for its electric propellers. At the lower speed its sections lose camber to laminar separation.
TEST(Performance, SmallPropellerAtTwoSpeedsOfTheUiucDatabaseWithinTenPercent) {
    const double chord[] = {0.157, 0.163, 0.187, 0.206, 0.217, 0.222, 0.222, 0.217, 0.209,
                            0.197, 0.183, 0.167, 0.150, 0.133, 0.116, 0.099, 0.074, 0.049};
    const double beta[] = {34.80, 36.50, 34.26, 29.64, 25.62, 22.53, 20.25, 18.37, 16.83,
                           15.51, 14.38, 13.45, 12.56, 12.09, 11.25, 10.46, 9.68,  8.90};
    PropellerGeometry g{9 * 0.0254, 2, {}};
    for (int i = 0; i < 18; ++i) {
        const double r = 0.15 + 0.05 * i;
        g.stations.push_back({r, chord[i], beta[i], r < 0.6 ? 0.21 - 0.18 * r : 0.102});
    }
    const PropellerAnalysis analysis(g, airAt(0));
    struct Measured {
        double rpm, j, ct, cp;
    };
    for (const Measured& m :
         {Measured{4002, 0.315, 0.0524, 0.0316}, Measured{6018, 0.375, 0.0480, 0.0307}}) {
        const OperatingPoint p =
            analysis.operatingPoint(m.j * m.rpm / 60 * g.diameterM * 3.6, m.rpm);
        EXPECT_NEAR(p.thrustCoefficient, m.ct, 0.1 * m.ct) << m.rpm;
        EXPECT_NEAR(p.powerCoefficient, m.cp, 0.1 * m.cp) << m.rpm;
    }
}

TEST(Performance, DesignAnglesAreTurnedFromTheFlatFaceToTheChordLine) {
    const PropellerGeometry g = geometryFromDesign(defaultDesign());
    ASSERT_EQ(g.stations.size(), 9u);  // stations 3..11; the hub carries no section
    EXPECT_DOUBLE_EQ(g.diameterM, 1.517);
    const BladeStation& tip = g.stations.back();
    // Station 11: 12.31 degrees on the face, the leading edge 0.3 * 7 % of the chord above it.
    EXPECT_NEAR(tip.bladeAngleDeg, 12.311 + std::atan(0.021) * 180 / kPi, 1e-3);
    EXPECT_NEAR(tip.chordFraction, 0.06521 / 0.7585 * std::hypot(1, 0.021), 1e-4);
    EXPECT_DOUBLE_EQ(tip.thicknessRatio, 0.07);
}

// The zero-lift and ideal angles in ModelConstants.h are thin-aerofoil theory over the section
// of the blade tables; they must follow the tables if those change.
TEST(Performance, SectionConstantsFollowTheProfileTables) {
    double zeroLift = 0;
    double ideal = 0;
    double greatestCamber = 0;
    for (std::size_t j = 0; j + 1 < kProfilePointCount; ++j) {
        const auto camber = [](std::size_t k) {  // from the chord line, per unit thickness
            return (kProfileUpperTenths[k] + kProfileLowerTenths[k]) / 20 -
                   0.3 * (1 - kProfileChordPercent[k] / 100);
        };
        greatestCamber = std::max(greatestCamber, camber(j));
        const double x0 = kProfileChordPercent[j] / 100;
        const double x1 = kProfileChordPercent[j + 1] / 100;
        const double slope = (camber(j + 1) - camber(j)) / (x1 - x0);
        const double t0 = std::acos(1 - 2 * x0);
        const double t1 = std::acos(1 - 2 * x1);
        zeroLift -= slope * ((std::sin(t1) - t1) - (std::sin(t0) - t0)) / kPi;
        ideal += slope * (t1 - t0) / kPi;
    }
    EXPECT_NEAR(kZeroLiftAnglePerThickness, zeroLift, 1e-6);
    EXPECT_NEAR(kIdealAnglePerThickness, ideal, 1e-6);
    EXPECT_NEAR(kFlatBottomCamberPerThickness, greatestCamber, 1e-6);
    EXPECT_DOUBLE_EQ(kLeadingEdgeHeightPerThickness, kProfileUpperTenths[0] / 10);
}

TEST(Performance, EngineBalanceAndTheWindowsCurves) {
    const PropellerAnalysis analysis(geometryFromDesign(defaultDesign()), airAt(0));
    const PerformanceSummary s = summarize(
        analysis, engineAndFlightOf(runCalculation(startTexts(), InputMode::Calculated).engine));
    ASSERT_TRUE(s.balanceRpmAtRest && s.balanceRpmAtDesignSpeed);
    EXPECT_NEAR(analysis.operatingPoint(0, *s.balanceRpmAtRest).powerKw, s.enginePowerKw, 0.01);
    EXPECT_NEAR(analysis.operatingPoint(40, *s.balanceRpmAtDesignSpeed).powerKw, s.enginePowerKw,
                0.01);
    EXPECT_EQ(s.bySpeed.back().speedKmh, 50);
    EXPECT_LE(s.powerAtRest.front().rpm, 0.25 * 2300);
    EXPECT_GE(s.powerAtRest.back().rpm, 1.15 * *s.balanceRpmAtRest);
    // No engine power within the rpm searched: no balance, not a wrong one.
    EXPECT_FALSE(rpmAbsorbing(analysis, 0, 1e6, 100, 3000));
}

TEST(Performance, AirOfTheStandardAtmosphere) {
    EXPECT_NEAR(airAt(0).densityKgM3, 1.2250, 1e-4);
    EXPECT_NEAR(airAt(0).viscosityPaS, 1.789e-5, 0.005e-5);
    EXPECT_NEAR(airAt(11000).densityKgM3, 0.3639, 1e-4);
    EXPECT_NEAR(airAt(1000, 30.0).densityKgM3, 1.2250 * 0.8870 * 288.15 / 303.15, 1e-3);
}

TEST(Performance, InputOutsideSenseIsRefusedInRussian) {
    const PropellerAnalysis analysis(clarkY5868(20), airAt(0));
    const auto refused = [](auto&& call, const char* word) {
        try {
            call();
        } catch (const PerformanceError& e) {
            return std::string(e.what()).find(word) != std::string::npos;
        }
        return false;
    };
    const double nan = std::nan("");
    EXPECT_TRUE(refused([&] { analysis.operatingPoint(-1, 1000); }, "Скорость"));
    EXPECT_TRUE(refused([&] { analysis.operatingPoint(nan, 1000); }, "Скорость"));
    EXPECT_TRUE(refused([&] { analysis.operatingPoint(700, 1000); }, "Скорость"));
    EXPECT_TRUE(refused([&] { analysis.operatingPoint(10, 0); }, "Обороты"));
    EXPECT_TRUE(refused([&] { analysis.operatingPoint(10, 1e9); }, "Обороты"));
    EXPECT_TRUE(refused([&] { airAt(12000); }, "Высота"));
    EXPECT_TRUE(refused([&] { airAt(0, -100.0); }, "Температура"));
    EXPECT_TRUE(refused([&] { airAt(0, nan); }, "Температура"));
    EXPECT_TRUE(refused([&] { PropellerAnalysis({0, 2, {}}, airAt(0)); }, "Диаметр"));
    EXPECT_TRUE(refused([&] { PropellerAnalysis({1, 0, {}}, airAt(0)); }, "лопастей"));
    EXPECT_TRUE(refused(
        [&] {
            PropellerAnalysis({1, 2, {{0.5, 0.1, 10, 0.1}, {0.4, 0.1, 10, 0.1}}}, airAt(0));
        },
        "Станция 2"));
    EXPECT_TRUE(refused([&] { checkEngineAndFlight({0, 2300, 40, 50}); }, "Мощность"));
}

TEST(Performance, NoSolutionIsAGapAndNothingEverComesOutNaN) {
    // A blade twisted past sense, windmilling hard: momentum theory has no answer for it.
    const PropellerGeometry twisted{0.323,
                                    2,
                                    {{0.072, 0.130, 11.14, 0.066},
                                     {0.304, 0.162, 54.31, 0.129},
                                     {0.536, 0.266, 88.57, 0.401},
                                     {0.768, 0.095, 89.40, 0.315},
                                     {1.000, 0.292, 89.19, 0.217}}};
    const OperatingPoint gap = PropellerAnalysis(twisted, airAt(0)).operatingPoint(100.6, 167);
    EXPECT_FALSE(gap.converged);
    EXPECT_EQ(gap.thrustN, 0);
    EXPECT_EQ(gap.speedKmh, 100.6);

    std::mt19937 random(7);
    std::uniform_real_distribution<double> u(0, 1);
    for (int n = 0; n < 300; ++n) {
        PropellerGeometry g{0.1 + 5 * u(random), 1 + static_cast<int>(6 * u(random)), {}};
        const double root = 0.05 + 0.4 * u(random);
        for (int i = 0; i < 5; ++i) {
            g.stations.push_back({root + (1 - root) * i / 4, 0.5 * u(random), -40 + 130 * u(random),
                                  0.01 + 0.49 * u(random)});
        }
        const OperatingPoint p = PropellerAnalysis(g, airAt(0))
                                     .operatingPoint(600 * u(random) * (n % 3 ? 1 : 0),
                                                     1 + 29999 * u(random) * u(random));
        for (double v : {p.thrustN, p.powerKw, p.torqueNm, p.efficiency, p.thrustCoefficient,
                         p.powerCoefficient, p.advanceRatio}) {
            ASSERT_TRUE(std::isfinite(v)) << n;
        }
    }
}

}  // namespace
}  // namespace kelvarin
