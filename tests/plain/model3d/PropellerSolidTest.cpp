// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/PropellerSolid.h"

#include <gtest/gtest.h>
#include <BRepAdaptor_Curve.hxx>
#include <BRepAlgoAPI_Section.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepCheck_Analyzer.hxx>
#include <BRepClass3d_SolidClassifier.hxx>
#include <BRepGProp.hxx>
#include <BRepLProp_SLProps.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GProp_GProps.hxx>
#include <Geom_Curve.hxx>
#include <ShapeAnalysis_FreeBounds.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
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
#include "model3d/BladeStrength.h"
#include "model3d/ModelError.h"
#include "model3d/ModelOptionsCheck.h"
#include "model3d/ModelSummary.h"
#include "model3d/SectionPoints.h"
#include "model3d/Wood.h"

namespace kelvarin {
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
    BRepGProp::VolumeProperties(shape, props, 1e-6);
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
    // The rounded trailing edge adds half its thickness behind the template's chord.
    EXPECT_NEAR(cutExtent.alongMm, drawn.alongMm + ModelOptions{}.trailingEdgeMm / 2, 0.3);
    // Between its points the smooth section runs within a few tenths of the drawn one.
    EXPECT_NEAR(cutExtent.acrossMm, drawn.acrossMm, 0.3);
    EXPECT_NEAR(drawn.alongMm, design.stations.chordM[stationIndex(station)] * 1000, 1.0);
}

TopAbs_State stateAt(const TopoDS_Shape& solid, double x, double y, double z) {
    BRepClass3d_SolidClassifier classifier(solid, gp_Pnt(x, y, z), 1e-6);
    return classifier.State();
}

TEST(PropellerSolid, BoreAndBoltHolesGoThroughTheHub) {
    const ModelOptions options;
    const PropellerShape shape = startShape();
    const PropellerSolid solid = buildPropellerSolid(shape, Handedness::Right, options);
    const HubSize hub = hubSize(shape, options.hub);
    const HubOptions& h = options.hub;
    std::vector<std::array<double, 2>> axes = {{0, 0}};
    for (int k = 0; k < h.holeCount; ++k) {
        const double a = (k + 0.5) * 2 * std::numbers::pi / h.holeCount;
        axes.push_back({h.boltCircleMm / 2 * std::cos(a), h.boltCircleMm / 2 * std::sin(a)});
    }
    // Along every axis, from below the hub to above it, no wood; beside each hole, wood.
    for (const auto& [x, y] : axes) {
        for (double z = -hub.thicknessMm; z <= hub.thicknessMm; z += hub.thicknessMm / 6) {
            ASSERT_EQ(stateAt(solid.shape(), x, y, hub.middleZMm + z), TopAbs_OUT) << x << " " << y;
        }
        const double beside = (x == 0 && y == 0 ? h.boreMm : h.holeMm) / 2 + 1.5;
        const double r = std::hypot(x, y);
        const double bx = r > 0 ? x + beside * x / r : beside;
        const double by = r > 0 ? y + beside * y / r : 0;
        EXPECT_EQ(stateAt(solid.shape(), bx, by, hub.middleZMm), TopAbs_IN) << x << " " << y;
    }
}

// The largest angle, in degrees, between the two faces along the edge, which neither face
// turns about as a seam: 0 where one runs smoothly into the other.
double foldAlongDeg(const TopoDS_Edge& edge, const TopoDS_Face& a, const TopoDS_Face& b) {
    double first = 0, last = 0;
    const Handle(Geom2d_Curve) onA = BRep_Tool::CurveOnSurface(edge, a, first, last);
    const Handle(Geom2d_Curve) onB = BRep_Tool::CurveOnSurface(edge, b, first, last);
    double fold = 0;
    for (int k = 0; k < 64; ++k) {
        const double t = first + (last - first) * (k + 0.5) / 64;
        const auto normal = [&](const TopoDS_Face& face, const Handle(Geom2d_Curve) & c) {
            const gp_Pnt2d uv = c->Value(t);
            BRepLProp_SLProps props(BRepAdaptor_Surface(face), uv.X(), uv.Y(), 1, 1e-9);
            const gp_Dir n = props.Normal();
            return face.Orientation() == TopAbs_REVERSED ? n.Reversed() : n;
        };
        fold = std::max(fold, normal(a, onA).Angle(normal(b, onB)) * 180 / std::numbers::pi);
    }
    return fold;
}

// The sharpest fold where the blades join the hub's round side of that radius, and where the
// faces that join it meet the next ones out, towards the blade.
struct RootFolds {
    double atHubDeg = 0;
    double beyondDeg = 0;
};

RootFolds rootFolds(const TopoDS_Shape& solid, double hubRadiusMm) {
    TopTools_IndexedDataMapOfShapeListOfShape faces;
    TopExp::MapShapesAndAncestors(solid, TopAbs_EDGE, TopAbs_FACE, faces);
    const auto isSide = [&](const TopoDS_Shape& f) {
        const BRepAdaptor_Surface s(TopoDS::Face(f));
        return s.GetType() == GeomAbs_Cylinder &&
               std::abs(s.Cylinder().Radius() - hubRadiusMm) < 1e-6;
    };
    const auto facesOf = [&](int i) {
        return std::pair{TopoDS::Face(faces(i).First()), TopoDS::Face(faces(i).Last())};
    };
    RootFolds folds;
    int joins = 0;
    for (int i = 1; i <= faces.Extent(); ++i) {
        auto [side, joined] = facesOf(i);
        if (isSide(joined)) {
            std::swap(side, joined);
        }
        if (side.IsSame(joined) || !isSide(side) ||
            BRepAdaptor_Surface(joined).GetType() == GeomAbs_Plane) {
            continue;
        }
        ++joins;
        folds.atHubDeg =
            std::max(folds.atHubDeg, foldAlongDeg(TopoDS::Edge(faces.FindKey(i)), side, joined));
        for (int j = 1; j <= faces.Extent(); ++j) {
            auto [a, b] = facesOf(j);
            if (a.IsSame(b) || (!a.IsSame(joined) && !b.IsSame(joined)) || isSide(a) || isSide(b)) {
                continue;
            }
            folds.beyondDeg =
                std::max(folds.beyondDeg, foldAlongDeg(TopoDS::Edge(faces.FindKey(j)), a, b));
        }
    }
    EXPECT_EQ(joins, 2);  // one round each root
    return folds;
}

TEST(PropellerSolid, FilletBlendsTheRootsIntoTheHubFromSmallPropellersToTheLargest) {
    for (const char* diameterCm : {"65", "151,7", "1000"}) {
        const PropellerShape shape = shapeFromDesign(startDesign(diameterCm));
        const ModelOptions options;
        const RootFolds folds = rootFolds(buildPropellerSolid(shape).shape(),
                                          hubSize(shape, options.hub).diameterMm / 2);
        EXPECT_LT(folds.atHubDeg, 0.5) << diameterCm;
        EXPECT_LT(folds.beyondDeg, 0.5) << diameterCm;
    }
    ModelOptions sharp;
    sharp.hub.filletMm = 0;
    const RootFolds folds =
        rootFolds(buildPropellerSolid(startShape(), Handedness::Right, sharp).shape(),
                  hubSize(startShape(), sharp.hub).diameterMm / 2);
    EXPECT_GT(folds.atHubDeg, 30);  // without the fillet the root meets the hub in an edge
}

// The wire of a station brought back into its section's frame: u along the bottom line from
// the leading end, v above it.
std::vector<SectionPoint> unplaced(const PropellerShape& shape, std::size_t i, double edgeMm,
                                   Handle(Geom_Curve) * curve = nullptr) {
    const TopoDS_Wire wire = placedSectionWire(shape, i, edgeMm);
    TopExp_Explorer e(wire, TopAbs_EDGE);
    const BRepAdaptor_Curve c(TopoDS::Edge(e.Current()));
    if (curve != nullptr) {
        double first = 0, last = 0;
        *curve = BRep_Tool::Curve(TopoDS::Edge(e.Current()), first, last);
    }
    const BladeSection& s = shape.sections[i];
    const double a = s.bladeAngleDeg * std::numbers::pi / 180;
    const double leadY = shape.sections[0].widthMm / 2;
    const double leadZ = shape.sections[0].depthMm / 2;
    std::vector<SectionPoint> points;
    for (int k = 0; k <= 4000; ++k) {
        const gp_Pnt p =
            c.Value(c.FirstParameter() + (c.LastParameter() - c.FirstParameter()) * k / 4000);
        const double dy = leadY - p.Y();
        const double dz = p.Z() - leadZ;
        points.push_back(
            {dy * std::cos(a) - dz * std::sin(a), dy * std::sin(a) + dz * std::cos(a)});
    }
    return points;
}

TEST(PropellerSolid, SectionsRunThroughTheTemplatePointsWithAThickTrailingEdge) {
    const PropellerShape shape = startShape();
    for (double edgeMm : {1.0, 2.0}) {
        for (std::size_t i = 0; i < kBladeSectionCount; ++i) {
            const SectionProfileMm& profile = shape.sections[i].profile;
            Handle(Geom_Curve) curve;
            const std::vector<SectionPoint> points = unplaced(shape, i, edgeMm, &curve);
            // Every template point the thickening leaves alone lies on the smooth section.
            const OutlinePoints outline = outlinePoints(profile, edgeMm);
            for (std::size_t j = 0; j < 13; ++j) {
                for (double v : {profile.upperMm[j], profile.lowerMm[j]}) {
                    const bool kept = std::any_of(
                        outline.begin(), outline.end(),
                        [&](SectionPoint q) { return q.u == profile.chordMm[j] && q.v == v; });
                    if (!kept) {
                        continue;
                    }
                    double nearest = HUGE_VAL;
                    for (const SectionPoint& q : points) {
                        nearest = std::min(nearest, std::hypot(q.u - profile.chordMm[j], q.v - v));
                    }
                    EXPECT_LT(nearest, 0.05) << "station " << i + 3 << " point " << j;
                }
            }
            // Over the last tenth of the chord the section is nowhere thinner than the edge, and
            // the chord is not cut short.
            const double chord = profile.chordMm[12];
            double reach = 0;
            for (double u = profile.chordMm[11]; u <= chord; u += chord / 200) {
                double top = -HUGE_VAL, bottom = HUGE_VAL;
                for (const SectionPoint& q : points) {
                    reach = std::max(reach, q.u);
                    if (std::abs(q.u - u) < chord / 400) {
                        top = std::max(top, q.v);
                        bottom = std::min(bottom, q.v);
                    }
                }
                EXPECT_GE(top - bottom, edgeMm * 0.98) << "station " << i + 3 << " at " << u;
            }
            EXPECT_GE(reach, chord + edgeMm / 2 - 0.01);  // the rounding adds to the chord ...
            EXPECT_LE(reach, chord + edgeMm);             // ... less than the edge is thick
            EXPECT_GE(curve->Continuity(), GeomAbs_C2);   // no corner anywhere round the section
        }
    }
}

TEST(PropellerSolid, OptionsThatMakeNoPartAreRefusedNamingTheValue) {
    struct Case {
        const char* why;
        ModelOptions options;
        const char* named;
    };
    const auto with = [](auto change) {
        ModelOptions o;
        change(o);
        return o;
    };
    const Case cases[] = {
        {"bore as wide as the hub", with([](ModelOptions& o) {
             o.hub.diameterMm = 120;
             o.hub.boreMm = 120;
         }),
         "120"},
        {"bolt holes into the bore", with([](ModelOptions& o) { o.hub.boltCircleMm = 45; }), "45"},
        {"bolt holes out of the hub", with([](ModelOptions& o) {
             o.hub.diameterMm = 80;
             o.hub.boltCircleMm = 75;
         }),
         "80"},
        {"holes run into each other", with([](ModelOptions& o) {
             o.hub.holeCount = 24;
             o.hub.holeMm = 12;
         }),
         "24"},
        {"no such wood", with([](ModelOptions& o) { o.wood = "oak"; }), "oak"},
        {"hub narrower than the root", with([](ModelOptions& o) { o.hub.diameterMm = 100; }),
         "100"},
        {"trailing edge thicker than the tip allows",
         with([](ModelOptions& o) { o.trailingEdgeMm = 3; }), "3"},
        {"fillet larger than the root's section turns",
         with([](ModelOptions& o) { o.hub.filletMm = 30; }), "30"},
        {"fillet over the hub's faces", with([](ModelOptions& o) { o.hub.thicknessMm = 130; }),
         "130"},
    };
    for (const Case& c : cases) {
        try {
            buildPropellerSolid(startShape(), Handedness::Right, c.options);
            ADD_FAILURE() << c.why;
        } catch (const ModelError& e) {
            EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos)
                << c.why << ": " << e.what();
        }
    }
}

TEST(PropellerSolid, MassIsVolumeTimesDensityAndTheRootsLimitHoldsItsFactor) {
    ModelOptions options;
    options.wood = "birch";
    const PropellerShape shape = startShape();
    const PropellerSolid solid = buildPropellerSolid(shape, Handedness::Right, options);
    const BladeLoad load{2300, 400, 45};
    const ModelInfo info = summaryOf(solid, shape, options, load);
    EXPECT_NEAR(info.massKg, volumeOf(solid.shape()) * 1e-9 * 694, 1e-9);
    EXPECT_NEAR(info.lengthMm, 1517, 0.01);
    EXPECT_NEAR(info.centreOfMassMm[0], 0, 0.5);  // two like blades balance about the axis

    // At the root's limit speed every stress has grown as the square of the speed.
    const double limit = info.rootLimitRpm;
    const double grow = std::pow(limit / load.rpm, 2);
    const std::vector<StationStrength> atLimit =
        bladeStrength(shape, options.trailingEdgeMm, 694, 114,
                      {limit, load.thrustN * grow, load.torqueNm * grow});
    EXPECT_NEAR(atLimit.front().safetyFactor, kRecommendedSafetyFactor, 1e-6);
}

}  // namespace
}  // namespace kelvarin
