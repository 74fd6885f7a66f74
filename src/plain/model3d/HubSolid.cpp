// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/HubSolid.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepLib.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <ElSLib.hxx>
#include <StdFail_NotDone.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Wire.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>
#include <gp_Cylinder.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Trsf.hxx>
#include <gp_Vec2d.hxx>

#include <cmath>
#include <numbers>

namespace kelvarin {

namespace {

// The holes reach this far beyond the hub's faces, so that the cut leaves no skin.
constexpr double kHoleSpareMm = 1;

// The tolerance an edge on the side starts from before its curves are matched.
constexpr double kEdgeToleranceMm = 1e-7;

// Steps round a hole's edge to tell which way it runs.
constexpr int kWindingSteps = 256;

TopoDS_Shape cylinder(double xMm, double yMm, double zFromMm, double diameterMm, double heightMm) {
    return BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(xMm, yMm, zFromMm), gp::DZ()), diameterMm / 2,
                                    heightMm)
        .Shape();
}

// Twice the area the closed curve encloses in the side's parameters, positive when it runs
// anticlockwise.
double signedArea(const TopoDS_Edge& edge, const TopoDS_Face& side) {
    double first = 0, last = 0;
    const Handle(Geom2d_Curve) curve = BRep_Tool::CurveOnSurface(edge, side, first, last);
    double area = 0;
    gp_Pnt2d a = curve->Value(first);
    for (int k = 1; k <= kWindingSteps; ++k) {
        const gp_Pnt2d b = curve->Value(first + (last - first) * k / kWindingSteps);
        area += a.X() * b.Y() - b.X() * a.Y();
        a = b;
    }
    return edge.Orientation() == TopAbs_REVERSED ? -area : area;
}

// An edge on the round side, its curve in space `curve` and in the side's parameters
// `onSide`, its tolerance how far the two part.
TopoDS_Edge edgeOnSide(const Handle(Geom_Curve) & curve, const Handle(Geom2d_Curve) & onSide,
                       const TopoDS_Face& side) {
    TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(curve).Edge();
    BRep_Builder builder;
    builder.UpdateEdge(edge, onSide, side, kEdgeToleranceMm);
    // The two curves meet at the same parameters only where they were interpolated; the
    // kernel matches them between and widens the tolerance by what is left.
    builder.SameParameter(edge, Standard_False);
    BRepLib::SameParameter(edge, kEdgeToleranceMm);
    if (!BRep_Tool::SameParameter(edge)) {
        throw StdFail_NotDone("edge on the hub");
    }
    return edge;
}

}  // namespace

TopoDS_Shape holedHub(const HubSize& size, const HubOptions& hub) {
    const double bottomZ = size.middleZMm - size.thicknessMm / 2;
    const TopoDS_Shape body =
        BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(0, 0, bottomZ), gp::DZ(), gp::DY()),
                                 size.diameterMm / 2, size.thicknessMm)
            .Shape();
    if (hub.boreMm <= 0 && hub.holeCount == 0) {
        return body;
    }
    BRep_Builder builder;
    TopoDS_Compound holes;
    builder.MakeCompound(holes);
    const double fromZ = bottomZ - kHoleSpareMm;
    const double heightMm = size.thicknessMm + 2 * kHoleSpareMm;
    if (hub.boreMm > 0) {
        builder.Add(holes, cylinder(0, 0, fromZ, hub.boreMm, heightMm));
    }
    for (int k = 0; k < hub.holeCount; ++k) {
        // Half a step off the blade axis, so that no hole weakens the root where it is
        // loaded most.
        const double a = (k + 0.5) * 2 * std::numbers::pi / hub.holeCount;
        builder.Add(holes,
                    cylinder(hub.boltCircleMm / 2 * std::cos(a), hub.boltCircleMm / 2 * std::sin(a),
                             fromZ, hub.holeMm, heightMm));
    }
    // Planes and cylinders only, away from the blades: the kernel's quick case.
    BRepAlgoAPI_Cut cut(body, holes);
    if (!cut.IsDone()) {
        throw StdFail_NotDone("holes");
    }
    return cut.Shape();
}

TopoDS_Face roundSideOf(const TopoDS_Shape& hub, double radiusMm) {
    for (TopExp_Explorer e(hub, TopAbs_FACE); e.More(); e.Next()) {
        const BRepAdaptor_Surface surface(TopoDS::Face(e.Current()));
        if (surface.GetType() == GeomAbs_Cylinder &&
            std::abs(surface.Cylinder().Radius() - radiusMm) < 1e-9 * radiusMm) {
            return TopoDS::Face(e.Current());
        }
    }
    throw StdFail_NotDone("hub side");
}

TopoDS_Face sidePiercedByRoots(const TopoDS_Face& side, const Handle(Geom_Curve) & edge,
                               const Handle(Geom2d_Curve) & onSide) {
    gp_Trsf turn;
    turn.SetRotation(gp_Ax1(gp::Origin(), gp::DZ()), std::numbers::pi);
    // Half a turn about the axis moves a point half a period along the side's parameter.
    const gp_Cylinder round = BRepAdaptor_Surface(side).Cylinder();
    const gp_Pnt start = edge->Value(edge->FirstParameter());
    double u = 0, v = 0, turnedU = 0;
    ElSLib::Parameters(round, start, u, v);
    ElSLib::Parameters(round, start.Transformed(turn), turnedU, v);
    Handle(Geom2d_Curve) turnedOnSide = Handle(Geom2d_Curve)::DownCast(onSide->Copy());
    turnedOnSide->Translate(gp_Vec2d(turnedU - u, 0));

    BRepBuilderAPI_MakeFace make(side);
    for (const TopoDS_Edge& e :
         {edgeOnSide(edge, onSide, side),
          edgeOnSide(Handle(Geom_Curve)::DownCast(edge->Transformed(turn)), turnedOnSide, side)}) {
        const TopoDS_Wire wire = BRepBuilderAPI_MakeWire(e).Wire();
        // The wood lies to the left of a face's wires in its parameters, so a hole's runs
        // clockwise (in a reversed face, the other way).
        const bool clockwise = signedArea(e, side) < 0;
        const bool wanted = side.Orientation() != TopAbs_REVERSED;
        make.Add(clockwise == wanted ? wire : TopoDS::Wire(wire.Reversed()));
    }
    if (!make.IsDone()) {
        throw StdFail_NotDone("hub side");
    }
    return make.Face();
}

}  // namespace kelvarin
