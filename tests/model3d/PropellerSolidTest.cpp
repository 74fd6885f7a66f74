// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/PropellerSolid.h"

#include <gtest/gtest.h>
#include <BRepAdaptor_Curve.hxx>
#include <BRepAlgoAPI_Section.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepGProp.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <ShapeAnalysis_FreeBounds.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Shape.hxx>
#include <gp_Pln.hxx>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "StartDesign.h"
#include "drawing/OutlineDrawing.h"
#include "drawing/SectionOutline.h"
#include "model3d/BladeSolid.h"

namespace kelvarin::model3d {
namespace {

using testing::startDesign;
using testing::startShape;

int count(const TopoDS_Shape& shape, TopAbs_ShapeEnum type) {
    int n = 0;
    for (TopExp_Explorer e(shape, type); e.More(); e.Next()) {
        ++n;
    }
    return n;
}

double volumeOf(const TopoDS_Shape& shape) {
    GProp_GProps props;
    BRepGProp::VolumeProperties(shape, props);
    return props.Mass();
}

Bnd_Box boundsOf(const TopoDS_Shape& shape) {
    Bnd_Box box;
    BRepBndLib::AddOptimal(shape, box, Standard_False, Standard_False);
    return box;
}

TEST(PropellerSolid, BothHandsAreOneValidClosedSolidOfTheDiameter) {
    const PropellerShape shape = startShape();
    const PropellerSolid right = buildPropellerSolid(shape, Handedness::Right);
    const PropellerSolid left = buildPropellerSolid(shape, Handedness::Left);
    for (const PropellerSolid* solid : {&right, &left}) {
        EXPECT_EQ(count(solid->shape(), TopAbs_SOLID), 1);
        EXPECT_TRUE(BRepCheck_Analyzer(solid->shape()).IsValid());
        const ShapeAnalysis_FreeBounds free(solid->shape());
        EXPECT_FALSE(TopExp_Explorer(free.GetOpenWires(), TopAbs_EDGE).More());
        EXPECT_FALSE(TopExp_Explorer(free.GetClosedWires(), TopAbs_EDGE).More());
        EXPECT_GT(volumeOf(solid->shape()), 0);  // faces turned outward

        const Bnd_Box box = boundsOf(solid->shape());
        EXPECT_NEAR(box.CornerMin().X(), -758.5, 0.01);
        EXPECT_NEAR(box.CornerMax().X(), 758.5, 0.01);
    }
    // The left-hand propeller is the right-hand one seen in a mirror across XZ.
    EXPECT_NEAR(volumeOf(left.shape()), volumeOf(right.shape()), 1e-6 * volumeOf(right.shape()));
    EXPECT_NEAR(boundsOf(left.shape()).CornerMin().Y(), -boundsOf(right.shape()).CornerMax().Y(),
                1e-3);
}

TEST(PropellerSolid, BladeVolumeIsTheSectionAreasAlongTheRadius) {
    const PropellerShape shape = startShape();
    std::array<double, kBladeSectionCount> areas{};
    for (std::size_t i = 0; i < kBladeSectionCount; ++i) {
        const TopoDS_Shape face = BRepBuilderAPI_MakeFace(placedSectionWire(shape, i)).Shape();
        GProp_GProps props;
        BRepGProp::SurfaceProperties(face, props);
        areas[i] = props.Mass();
    }
    double trapezoid = 0;
    for (std::size_t i = 0; i + 1 < kBladeSectionCount; ++i) {
        trapezoid += (areas[i] + areas[i + 1]) / 2 *
                     (shape.sections[i + 1].radiusMm - shape.sections[i].radiusMm);
    }
    EXPECT_NEAR(volumeOf(bladeLoft(shape)), trapezoid, 0.05 * trapezoid);
}

// The flat template of a section as the print draws it at 600 dpi: its extent along the bottom
// line and across it, in millimetres, from its 24 bent pieces.
struct Extent {
    double alongMm;
    double acrossMm;
};

template <typename Point, typename Along, typename Across>
Extent extentOf(const std::vector<Point>& points, Along along, Across across) {
    double a0 = HUGE_VAL, a1 = -HUGE_VAL, c0 = HUGE_VAL, c1 = -HUGE_VAL;
    for (const Point& p : points) {
        a0 = std::min(a0, along(p));
        a1 = std::max(a1, along(p));
        c0 = std::min(c0, across(p));
        c1 = std::max(c1, across(p));
    }
    return {a1 - a0, c1 - c0};
}

Extent templateExtent(const PropellerDesign& design, int station) {
    const SectionOutlines outlines = buildSectionOutlines(design, 600, false);
    std::vector<std::array<double, 2>> points;
    for (const BezierSegment& b : outlineSegments(outlines.section(station))) {
        for (double t = 0; t <= 1.0; t += 1.0 / 64) {
            const double w[4] = {std::pow(1 - t, 3), 3 * t * std::pow(1 - t, 2),
                                 3 * t * t * (1 - t), t * t * t};
            double x = 0, y = 0;
            for (int k = 0; k < 4; ++k) {
                x += w[k] * b[static_cast<std::size_t>(k)].x;
                y += w[k] * b[static_cast<std::size_t>(k)].y;
            }
            points.push_back({x, y});
        }
    }
    const double mmPerPixel = 25.4 / 600;
    using P = std::array<double, 2>;
    return extentOf<P>(
        points, [&](const P& p) { return p[0] * mmPerPixel; },
        [&](const P& p) { return p[1] * mmPerPixel; });
}

TEST(PropellerSolid, CutAtStation6MatchesItsFlatTemplate) {
    const int station = 6;
    const PropellerDesign design = startDesign();
    const PropellerShape shape = shapeFromDesign(design);
    const double radiusMm = shape.sections[station - 3].radiusMm;
    const double angle =
        design.stations.bladeAngleDeg[stationIndex(station)] * std::numbers::pi / 180;

    BRepAlgoAPI_Section cut(buildPropellerSolid(shape).shape(),
                            gp_Pln(gp_Pnt(radiusMm, 0, 0), gp::DX()));
    ASSERT_TRUE(cut.IsDone());
    std::vector<gp_Pnt> points;
    for (TopExp_Explorer e(cut.Shape(), TopAbs_EDGE); e.More(); e.Next()) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(e.Current()));
        for (int k = 0; k <= 200; ++k) {
            const double u =
                curve.FirstParameter() + (curve.LastParameter() - curve.FirstParameter()) * k / 200;
            points.push_back(curve.Value(u));
        }
    }
    ASSERT_FALSE(points.empty());
    // The bottom line runs back from the leading edge (+Y) and down the axis by the blade angle.
    const Extent cutExtent = extentOf<gp_Pnt>(
        points, [&](const gp_Pnt& p) { return -p.Y() * std::cos(angle) - p.Z() * std::sin(angle); },
        [&](const gp_Pnt& p) { return -p.Y() * std::sin(angle) + p.Z() * std::cos(angle); });
    const Extent drawn = templateExtent(design, station);
    EXPECT_NEAR(cutExtent.alongMm, drawn.alongMm, 0.2);
    EXPECT_NEAR(cutExtent.acrossMm, drawn.acrossMm, 0.2);
    EXPECT_NEAR(drawn.alongMm, design.stations.chordM[stationIndex(station)] * 1000, 1.0);
}

}  // namespace
}  // namespace kelvarin::model3d
