// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/BladeSolid.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeVertex.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepLib.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakeBox.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <Geom_BezierCurve.hxx>
#include <ShapeFix_Face.hxx>
#include <StdFail_NotDone.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Vertex.hxx>
#include <gp_Ax1.hxx>
#include <gp_Trsf.hxx>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "model3d/SectionCurves.h"

namespace kelvarin::model3d {

namespace {

// The hub block is this much thicker (along the axis) than the root section it carries, and at
// least this much wider, so that the root meets solid wood on every side (a twentieth of the
// root's size at each side). Station 1's width is wider still for the usual designs, and then
// sets the block's width alone: 136.5 mm for the start design, whose root spans 123 mm across
// and 125 mm along the axis in a block 138 mm thick.
constexpr double kHubAllowance = 1.1;

// Tolerance of the smooth loft: the surface passes through every section within it.
constexpr double kLoftToleranceMm = 1e-6;

// Faces are sewn where their edges lie within this distance; they are built on the same wires,
// so anything near this would be a fault.
constexpr double kSewingToleranceMm = 1e-3;

using PointMap = std::function<gp_Pnt(SectionPoint)>;

// The wire of a section's 24 Bezier pieces, each point mapped into space. Bezier curves keep
// their shape under an affine map, so mapping the control points maps the curve exactly.
// Neighbouring pieces share one vertex, and the last piece ends on the first vertex.
TopoDS_Wire wireOf(const std::array<SectionBezier, kSectionCurveCount>& curves,
                   const PointMap& map) {
    std::array<TopoDS_Vertex, kSectionCurveCount> vertices;
    for (std::size_t i = 0; i < kSectionCurveCount; ++i) {
        vertices[i] = BRepBuilderAPI_MakeVertex(map(curves[i][0]));
    }
    BRepBuilderAPI_MakeWire wire;
    for (std::size_t i = 0; i < kSectionCurveCount; ++i) {
        TColgp_Array1OfPnt poles(1, 4);
        for (int k = 0; k < 4; ++k) {
            poles.SetValue(k + 1, map(curves[i][static_cast<std::size_t>(k)]));
        }
        // The ends are the shared vertices themselves, not points that happen to be close.
        poles.SetValue(1, BRep_Tool::Pnt(vertices[i]));
        poles.SetValue(4, BRep_Tool::Pnt(vertices[(i + 1) % kSectionCurveCount]));
        BRepBuilderAPI_MakeEdge edge(new Geom_BezierCurve(poles), vertices[i],
                                     vertices[(i + 1) % kSectionCurveCount]);
        if (!edge.IsDone()) {
            throw StdFail_NotDone("section edge");
        }
        wire.Add(edge.Edge());
    }
    if (!wire.IsDone()) {
        throw StdFail_NotDone("section wire");
    }
    return wire.Wire();
}

// Where the leading end of every section's bottom line lies, across and along the axis.
struct LeadingLine {
    double yMm;
    double zMm;
};

LeadingLine leadingLineOf(const PropellerShape& shape) {
    const BladeSection& root = shape.sections.front();
    return {root.widthMm / 2, root.depthMm / 2};
}

// A section point in space. Seen from behind a right-hand blade on +X moves towards +Y, so the
// leading edge faces +Y; the upper (cambered) surface faces forward, +Z.
gp_Pnt placed(const BladeSection& s, LeadingLine lead, SectionPoint p) {
    const double a = s.bladeAngleDeg * std::numbers::pi / 180.0;
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    return {s.radiusMm, lead.yMm - (p.u * cosA + p.v * sinA), lead.zMm - p.u * sinA + p.v * cosA};
}

double rootScale(const PropellerShape& shape) {
    return shape.hub[1].widthMm / shape.sections.front().widthMm;
}

// Station 3's section widened about the blade axis by `scale` and moved into the plane X = x.
TopoDS_Wire rootWire(const PropellerShape& shape, double xMm, double scale) {
    const BladeSection& s = shape.sections.front();
    const LeadingLine lead = leadingLineOf(shape);
    return wireOf(sectionCurves(s.profile), [&](SectionPoint p) {
        const gp_Pnt q = placed(s, lead, p);
        return gp_Pnt(xMm, q.Y() * scale, q.Z() * scale);
    });
}

// A closed loft through the wires, and its two end faces.
struct Loft {
    TopoDS_Shape solid;
    TopoDS_Shape firstCap;
    TopoDS_Shape lastCap;
};

Loft loftThrough(const std::vector<TopoDS_Wire>& wires, bool ruled) {
    BRepOffsetAPI_ThruSections loft(Standard_True, ruled ? Standard_True : Standard_False,
                                    kLoftToleranceMm);
    // The wires are built alike (same pieces, same start, same sense), so the loft must not
    // shift or turn them to match.
    loft.CheckCompatibility(Standard_False);
    for (const TopoDS_Wire& w : wires) {
        loft.AddWire(w);
    }
    loft.Build();
    if (!loft.IsDone()) {
        throw StdFail_NotDone("loft");
    }
    return {loft.Shape(), loft.FirstShape(), loft.LastShape()};
}

std::vector<TopoDS_Wire> bladeWires(const PropellerShape& shape) {
    std::vector<TopoDS_Wire> wires;
    for (std::size_t i = 0; i < kBladeSectionCount; ++i) {
        wires.push_back(placedSectionWire(shape, i));
    }
    return wires;
}

TopoDS_Shape turnedHalfRound(const TopoDS_Shape& shape) {
    gp_Trsf turn;
    turn.SetRotation(gp_Ax1(gp::Origin(), gp::DZ()), std::numbers::pi);
    // A copy with the geometry itself turned, so that no face carries a location of its own
    // and the mesh of shared edges comes out identical on both sides.
    return BRepBuilderAPI_Transform(shape, turn, Standard_True).Shape();
}

// The faces of `shape` but the `skipped` ones, as one compound.
TopoDS_Compound facesBut(const TopoDS_Shape& shape, std::initializer_list<TopoDS_Shape> skipped) {
    BRep_Builder builder;
    TopoDS_Compound faces;
    builder.MakeCompound(faces);
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
        const bool skip = std::any_of(skipped.begin(), skipped.end(),
                                      [&](const TopoDS_Shape& s) { return s.IsSame(e.Current()); });
        if (!skip) {
            builder.Add(faces, e.Current());
        }
    }
    return faces;
}

// The hub block's outer faces, the two end faces pierced where the roots enter.
TopoDS_Shape hubFaces(const PropellerShape& shape, const TopoDS_Wire& rootAtHub) {
    const TopoDS_Shape box = hubBlock(shape);
    BRep_Builder builder;
    TopoDS_Compound faces;
    builder.MakeCompound(faces);
    for (TopExp_Explorer e(box, TopAbs_FACE); e.More(); e.Next()) {
        const TopoDS_Face face = TopoDS::Face(e.Current());
        const BRepAdaptor_Surface surface(face);
        const bool endFace = surface.GetType() == GeomAbs_Plane &&
                             surface.Plane().Axis().Direction().IsParallel(gp::DX(), 1e-9);
        if (!endFace) {
            builder.Add(faces, face);
            continue;
        }
        BRepBuilderAPI_MakeFace pierced(face);
        const bool plusX = surface.Plane().Location().X() > 0;
        pierced.Add(plusX ? rootAtHub : TopoDS::Wire(turnedHalfRound(rootAtHub)));
        // The hole's wire must run against the outer one; let the fixer decide its sense.
        ShapeFix_Face fix(pierced.Face());
        fix.FixOrientation();
        builder.Add(faces, fix.Face());
    }
    return faces;
}

}  // namespace

TopoDS_Wire placedSectionWire(const PropellerShape& shape, std::size_t index) {
    const BladeSection& s = shape.sections.at(index);
    const LeadingLine lead = leadingLineOf(shape);
    return wireOf(sectionCurves(s.profile), [&](SectionPoint p) { return placed(s, lead, p); });
}

TopoDS_Shape bladeLoft(const PropellerShape& shape) {
    return loftThrough(bladeWires(shape), false).solid;
}

TopoDS_Shape hubBlock(const PropellerShape& shape) {
    // The root section's extent across (Y) and along the axis (Z) at the hub's face.
    Bnd_Box bounds;
    BRepBndLib::AddOptimal(rootWire(shape, shape.hub[1].radiusMm, rootScale(shape)), bounds,
                           Standard_False, Standard_False);
    double xMin = 0, yMin = 0, zMin = 0, xMax = 0, yMax = 0, zMax = 0;
    bounds.Get(xMin, yMin, zMin, xMax, yMax, zMax);
    const double halfLength = shape.hub[0].radiusMm;
    const double width = std::max(shape.hub[0].widthMm, 2 * std::max(yMax, -yMin) * kHubAllowance);
    const double thickness = (zMax - zMin) * kHubAllowance;
    const double zMiddle = (zMax + zMin) / 2;
    return BRepPrimAPI_MakeBox(gp_Pnt(-halfLength, -width / 2, zMiddle - thickness / 2),
                               2 * halfLength, width, thickness)
        .Shape();
}

TopoDS_Shape propellerSolid(const PropellerShape& shape) {
    // One blade with its root, sharing the wire of station 3, ...
    const std::vector<TopoDS_Wire> sections = bladeWires(shape);
    const TopoDS_Wire rootAtHub = rootWire(shape, shape.hub[1].radiusMm, rootScale(shape));
    const Loft blade = loftThrough(sections, false);
    const Loft root = loftThrough({rootAtHub, sections.front()}, true);

    BRep_Builder builder;
    TopoDS_Compound half;
    builder.MakeCompound(half);
    builder.Add(half, facesBut(blade.solid, {blade.firstCap}));
    builder.Add(half, facesBut(root.solid, {root.firstCap, root.lastCap}));

    // ... the same turned half round for the second blade, and the hub block between them,
    // sewn into one closed shell.
    BRepBuilderAPI_Sewing sewing(kSewingToleranceMm);
    sewing.Add(half);
    sewing.Add(turnedHalfRound(half));
    sewing.Add(hubFaces(shape, rootAtHub));
    sewing.Perform();
    const TopoDS_Shape sewn = sewing.SewedShape();
    TopExp_Explorer shells(sewn, TopAbs_SHELL);
    if (!shells.More()) {
        throw StdFail_NotDone("sewing");
    }
    BRepBuilderAPI_MakeSolid makeSolid(TopoDS::Shell(shells.Current()));
    if (!makeSolid.IsDone()) {
        throw StdFail_NotDone("solid");
    }
    TopoDS_Solid solid = makeSolid.Solid();
    BRepLib::OrientClosedSolid(solid);
    return solid;
}

}  // namespace kelvarin::model3d
