// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladeGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/BladePitch.h"
#include "core/EnginePowerCurve.h"
#include "core/Failure.h"
#include "core/ReadInput.h"
#include "support/ScopedSeparator.h"
#include "support/StartTexts.h"

namespace kelvarin {
namespace {

using testing::ScopedSeparator;
using testing::startTextsWith;

class Geometry : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
    PropellerDesign d;

    // The geometry of the start texts with some fields changed.
    void Compute(std::initializer_list<std::pair<InputField, std::string>> changed = {}) {
        fields = FieldSheet(startTextsWith(changed));
        computeGeometry(d, fields);
    }

    FieldSheet fields{startTextsWith()};

    const StationTable& s() const { return d.stations; }
    const SectionProfile& profile(int station) const { return d.profiles[stationIndex(station)]; }
};

TEST_F(Geometry, DefaultDesignStations) {
    Compute();
    EXPECT_EQ(d.sizing.diameterCm, 151.7);
    EXPECT_EQ(d.sizing.pitchM, 0.52);
    const std::size_t s3 = stationIndex(3), s11 = stationIndex(11);
    EXPECT_NEAR(s().bladeWidthM[s3], 0.09557, 5e-6);
    EXPECT_NEAR(s().bladeAngleDeg[s3], 47.49, 5e-3);
    EXPECT_NEAR(s().chordM[s3], 0.1414, 5e-5);
    EXPECT_NEAR(s().axialDepthM[s3], 0.1043, 5e-5);
    EXPECT_NEAR(s().bladeWidthM[s11], 0.06371, 5e-6);
    EXPECT_NEAR(s().bladeAngleDeg[s11], 12.31, 5e-3);
    EXPECT_NEAR(s().chordM[s11], 0.06521, 5e-6);
    EXPECT_NEAR(s().axialDepthM[s11], 0.01390, 5e-6);
    // Stations 1 and 2 share their radius, so their angle, but not their width.
    EXPECT_NEAR(s().bladeAngleDeg[0], 65.38, 5e-3);
    EXPECT_EQ(s().bladeAngleDeg[0], s().bladeAngleDeg[1]);
    EXPECT_NE(s().bladeWidthM[0], s().bladeWidthM[1]);
    // Hc is Bl * tan(Alpha), BlCos is Bl / cos(Alpha).
    for (std::size_t i = 0; i < kStationCount; ++i) {
        const double a = s().bladeAngleDeg[i] * M_PI / 180;
        EXPECT_NEAR(s().axialDepthM[i], s().bladeWidthM[i] * std::tan(a), 1e-12);
        EXPECT_NEAR(s().chordM[i], s().bladeWidthM[i] / std::cos(a), 1e-12);
    }
}

TEST_F(Geometry, ProfilesFollowTheOneShape) {
    Compute();
    EXPECT_NEAR(profile(3).xMm[12], 141.4, 0.05);
    EXPECT_NEAR(profile(3).upperMm[5], 29.99, 0.005);
    EXPECT_NEAR(profile(3).upperMm[0], 8.996, 0.0005);
    for (int k = 3; k <= 11; ++k) {
        const SectionProfile& p = profile(k);
        EXPECT_EQ(p.xMm[0], 0.0);
        EXPECT_NEAR(p.xMm[12], s().chordM[stationIndex(k)] * 1000, 1e-9);
        EXPECT_EQ(p.upperMm[0], p.lowerMm[0]);
        EXPECT_EQ(p.upperMm[12], 0.0);
        for (std::size_t j = 5; j < kProfilePointCount; ++j) {
            EXPECT_EQ(p.lowerMm[j], 0.0);
        }
        // Maximum thickness is kThicknessPercent percent of the chord.
        EXPECT_NEAR(p.upperMm[5], kThicknessPercent[stationIndex(k)] / 100 * p.xMm[12], 1e-9);
    }
    for (int k = 1; k <= 2; ++k) {
        for (std::size_t j = 0; j < kProfilePointCount; ++j) {
            EXPECT_EQ(profile(k).xMm[j], 0.0);
            EXPECT_EQ(profile(k).upperMm[j], 0.0);
        }
    }
}

TEST_F(Geometry, EmptyOrZeroFieldsFallBack) {
    Compute({{InputField::Diameter, ""}, {InputField::Pitch, "0,0"}});
    EXPECT_EQ(d.sizing.diameterCm, 127.0);
    EXPECT_EQ(d.sizing.pitchM, 0.2);
    EXPECT_EQ(fields.text(InputField::Diameter), "127");
    EXPECT_EQ(fields.text(InputField::Pitch), "0,20");
    EXPECT_EQ(fields.messages().size(), 2u);
}

TEST_F(Geometry, AConversionFailureChangesNoTable) {
    Compute();
    const PropellerDesign before = d;
    EXPECT_THROW(Compute({{InputField::Diameter, "300"}, {InputField::Pitch, "0.5"}}),
                 FieldNotANumber);
    EXPECT_EQ(d.sizing.diameterCm, 300.0);  // stored before the pitch failed
    EXPECT_EQ(d.stations.bladeWidthM, before.stations.bladeWidthM);
    EXPECT_EQ(d.profiles[2].xMm, before.profiles[2].xMm);
}

// The ratio t is rounded to a double before its arctangent; taking it unrounded would give the
// neighbouring angle in both cases.
TEST_F(Geometry, TheAngleIsTakenOfTheRatioStoredAsADouble) {
    Compute({{InputField::Diameter, "109"}, {InputField::Pitch, "0,39"}});
    EXPECT_EQ(s().bladeAngleDeg[stationIndex(10)], 0x1.c67d214c3218cp+3);

    Compute({{InputField::Diameter, "149"}, {InputField::Pitch, "0,48"}});
    EXPECT_EQ(s().bladeAngleDeg[stationIndex(7)], 0x1.2def38edf3dd3p+4);
}

// A fault in the tables ends the step quietly and keeps what was written so far.
TEST_F(Geometry, AnArithmeticFaultEndsOnlyThisStep) {
    Compute();
    // t is beyond the double range: overflow fault
    Compute({{InputField::Diameter, "1E-320"}, {InputField::Pitch, "1"}});
    EXPECT_EQ(d.sizing.diameterCm, 1e-320);
    EXPECT_EQ(d.stations.bladeWidthM[0], 9.0 * 1e-320 / 100 / 100);  // written before the fault
    EXPECT_NEAR(d.stations.bladeAngleDeg[0], 65.38, 5e-3);           // the previous run's value
    EXPECT_NEAR(profile(3).xMm[12], 141.4, 0.05);                    // profiles untouched

    // In range with extended intermediates: no fault.
    Compute({{InputField::Diameter, "1E308"}, {InputField::Pitch, "1"}});
    EXPECT_EQ(d.sizing.diameterCm, 1e308);
}

// Each rule's helix is read back from the angles at every station; the field keeps its pitch,
// and the chords and depths follow the angles.
TEST_F(Geometry, EveryStationFollowsTheHelixOfTheRule) {
    const struct {
        BladeAngleRule rule;
        double engineHelixM;
        double helixM;
    } cases[] = {
        {BladeAngleRule::Rule, 0, 1.04},    // twice the pitch field, as ever
        {BladeAngleRule::Pitch, 0, 0.52},   // the pitch field
        {BladeAngleRule::Engine, 0, 0.52},  // not matched yet: the pitch field
        {BladeAngleRule::Engine, 0.47, 0.47},
    };
    for (const auto& c : cases) {
        d = PropellerDesign{};
        d.angles = {c.rule, c.engineHelixM};
        Compute();
        EXPECT_EQ(d.sizing.pitchM, 0.52);
        EXPECT_NEAR(d.helixPitchM, c.helixM, 1e-15);
        EXPECT_NEAR(bladePitchM(d), c.helixM, 1e-12);
        for (std::size_t i = 0; i < kStationCount; ++i) {
            EXPECT_NEAR(stationPitchM(d, i), c.helixM, 1e-12);
            const double a = s().bladeAngleDeg[i] * M_PI / 180;
            EXPECT_NEAR(s().chordM[i], s().bladeWidthM[i] / std::cos(a), 1e-12);
            EXPECT_NEAR(s().axialDepthM[i], s().bladeWidthM[i] * std::tan(a), 1e-12);
        }
    }
    // A matched helix handed in later replaces the angles, profiles and all.
    const double before = profile(11).upperMm[5];
    applyEngineHelix(d, 0.6);
    EXPECT_NEAR(bladePitchM(d), 0.6, 1e-12);
    EXPECT_NE(profile(11).upperMm[5], before);
}

TEST(EngineCurve, AnUnusableCurveNamesItsPoint) {
    const struct {
        EnginePowerCurve curve;
        const char* problem;  // a part of it; empty for none
    } cases[] = {
        {{}, ""},  // the default engine
        {{{1000, 5}, {2000, 12}}, ""},
        {{{1000, 5}}, "от 2 до"},
        {{{1000, 5}, {1000, 6}}, "точка 2: обороты (1000 об/мин) должны быть больше"},
        {{{1000, 5}, {900, 6}}, "точка 2: обороты"},
        {{{0, 5}, {900, 6}}, "точка 1: обороты должны быть от 1"},
        {{{1000, 5}, {2000, -1}}, "точка 2: мощность"},
        {{{1000, std::nan("")}, {2000, 1}}, "точка 1: мощность"},
        {{{1000, 5}, {1e9, 6}}, "точка 2: обороты должны"},
    };
    for (const auto& c : cases) {
        const std::string problem = enginePowerCurveProblem(c.curve).text;
        if (*c.problem == 0) {
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        }
    }
}

}  // namespace
}  // namespace kelvarin
