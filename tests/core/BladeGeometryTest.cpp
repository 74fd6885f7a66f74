// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladeGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/Failure.h"
#include "support/RecordingWindow.h"

namespace kelvarin {
namespace {

using testing::RecordingWindow;
using testing::ScopedSeparator;

class Geometry : public ::testing::Test {
protected:
    ScopedSeparator comma{','};
    RecordingWindow w;
    PropellerDesign d;

    const StationTable& s() const { return d.Stations; }
    const SectionProfile& profile(int station) const { return d.Profiles[stationIndex(station)]; }
};

TEST_F(Geometry, DefaultDesignStations) {
    computeGeometry(d, w);
    EXPECT_EQ(d.Dv, 151.7);
    EXPECT_EQ(d.Hv, 0.52);
    const std::size_t s3 = stationIndex(3), s11 = stationIndex(11);
    EXPECT_NEAR(s().Bl[s3], 0.09557, 5e-6);
    EXPECT_NEAR(s().Alpha[s3], 47.49, 5e-3);
    EXPECT_NEAR(s().BlCos[s3], 0.1414, 5e-5);
    EXPECT_NEAR(s().Hc[s3], 0.1043, 5e-5);
    EXPECT_NEAR(s().Bl[s11], 0.06371, 5e-6);
    EXPECT_NEAR(s().Alpha[s11], 12.31, 5e-3);
    EXPECT_NEAR(s().BlCos[s11], 0.06521, 5e-6);
    EXPECT_NEAR(s().Hc[s11], 0.01390, 5e-6);
    // Stations 1 and 2 share their radius, so their angle, but not their width.
    EXPECT_NEAR(s().Alpha[0], 65.38, 5e-3);
    EXPECT_EQ(s().Alpha[0], s().Alpha[1]);
    EXPECT_NE(s().Bl[0], s().Bl[1]);
    // Hc is Bl * tan(Alpha), BlCos is Bl / cos(Alpha).
    for (std::size_t i = 0; i < kStationCount; ++i) {
        const double a = s().Alpha[i] * M_PI / 180;
        EXPECT_NEAR(s().Hc[i], s().Bl[i] * std::tan(a), 1e-12);
        EXPECT_NEAR(s().BlCos[i], s().Bl[i] / std::cos(a), 1e-12);
    }
}

TEST_F(Geometry, ProfilesFollowTheOneShape) {
    computeGeometry(d, w);
    EXPECT_NEAR(profile(3).X[12], 141.4, 0.05);
    EXPECT_NEAR(profile(3).Yv[5], 29.99, 0.005);
    EXPECT_NEAR(profile(3).Yv[0], 8.996, 0.0005);
    for (int k = 3; k <= 11; ++k) {
        const SectionProfile& p = profile(k);
        EXPECT_EQ(p.X[0], 0.0);
        EXPECT_NEAR(p.X[12], s().BlCos[stationIndex(k)] * 1000, 1e-9);
        EXPECT_EQ(p.Yv[0], p.Yn[0]);
        EXPECT_EQ(p.Yv[12], 0.0);
        for (std::size_t j = 5; j < kProfilePointCount; ++j) {
            EXPECT_EQ(p.Yn[j], 0.0);
        }
        // Maximum thickness is kThicknessPercent percent of the chord.
        EXPECT_NEAR(p.Yv[5], kThicknessPercent[stationIndex(k)] / 100 * p.X[12], 1e-9);
    }
    for (int k = 1; k <= 2; ++k) {
        for (std::size_t j = 0; j < kProfilePointCount; ++j) {
            EXPECT_EQ(profile(k).X[j], 0.0);
            EXPECT_EQ(profile(k).Yv[j], 0.0);
        }
    }
}

TEST_F(Geometry, EmptyOrZeroFieldsFallBack) {
    w.texts[InputField::Diameter] = "";
    w.texts[InputField::Pitch] = "0,0";
    computeGeometry(d, w);
    EXPECT_EQ(d.Dv, 127.0);
    EXPECT_EQ(d.Hv, 0.2);
    EXPECT_EQ(w.texts[InputField::Diameter], "127");
    EXPECT_EQ(w.texts[InputField::Pitch], "0,20");
    EXPECT_EQ(w.messages.size(), 2u);
}

TEST_F(Geometry, AConversionFailureChangesNoTable) {
    computeGeometry(d, w);
    const PropellerDesign before = d;
    w.texts[InputField::Diameter] = "300";
    w.texts[InputField::Pitch] = "0.5";
    EXPECT_THROW(computeGeometry(d, w), ConversionError);
    EXPECT_EQ(d.Dv, 300.0);  // stored before the pitch failed
    EXPECT_EQ(d.Stations.Bl, before.Stations.Bl);
    EXPECT_EQ(d.Profiles[2].X, before.Profiles[2].X);
}

TEST_F(Geometry, ANegativeDiameterIsUsedAsItIs) {
    w.texts[InputField::Diameter] = "-151,7";
    computeGeometry(d, w);
    EXPECT_EQ(d.Dv, -151.7);
    EXPECT_NEAR(d.Stations.Bl[2], -0.09557, 5e-6);
}

// The ratio t is rounded to a double before its arctangent; taking it unrounded would give the
// neighbouring angle in both cases.
TEST_F(Geometry, TheAngleIsTakenOfTheRatioStoredAsADouble) {
    w.texts[InputField::Diameter] = "109";
    w.texts[InputField::Pitch] = "0,39";
    computeGeometry(d, w);
    EXPECT_EQ(s().Alpha[stationIndex(10)], 0x1.c67d214c3218cp+3);

    w.texts[InputField::Diameter] = "149";
    w.texts[InputField::Pitch] = "0,48";
    computeGeometry(d, w);
    EXPECT_EQ(s().Alpha[stationIndex(7)], 0x1.2def38edf3dd3p+4);
}

// A fault in the tables ends the step quietly and keeps what was written so far.
TEST_F(Geometry, AnArithmeticFaultEndsOnlyThisStep) {
    computeGeometry(d, w);
    w.texts[InputField::Diameter] = "1E-320";  // t is beyond the double range: overflow fault
    w.texts[InputField::Pitch] = "1";
    computeGeometry(d, w);
    EXPECT_EQ(d.Dv, 1e-320);
    EXPECT_EQ(d.Stations.Bl[0], 9.0 * 1e-320 / 100 / 100);  // written before the fault
    EXPECT_NEAR(d.Stations.Alpha[0], 65.38, 5e-3);          // the previous run's value
    EXPECT_NEAR(profile(3).X[12], 141.4, 0.05);             // profiles untouched

    w.texts[InputField::Diameter] = "1E308";  // in range with extended intermediates: no fault
    computeGeometry(d, w);
    EXPECT_EQ(d.Dv, 1e308);
}

}  // namespace
}  // namespace kelvarin
