// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/BladeSolid.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepLib.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRep_Builder.hxx>
#include <BRep_Tool.hxx>
#include <Bnd_Box.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Precision.hxx>
#include <StdFail_NotDone.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Solid.hxx>
#include <gp_Ax1.hxx>
#include <gp_Ax2.hxx>
#include <gp_Trsf.hxx>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "model3d/HubSolid.h"
#include "model3d/ModelError.h"
#include "model3d/RootJoint.h"
#include "model3d/SectionPoints.h"

namespace kelvarin {

namespace {

// The hub is this much wider and thicker than the root it carries, so that the root meets
// solid wood on every side (a twentieth of the root's size at each side), and it leaves this
// much wood outside the bolt holes.
constexpr double kHubAllowance = 1.1;

// Tolerance of the smooth loft: the surface passes through every section within it.
constexpr double kLoftToleranceMm = 1e-6;

constexpr int kLoftDegree = 3;

// Faces are sewn where their edges lie within this distance; they are built on the same wires,
// so anything near this would be a fault.
constexpr double kSewingToleranceMm = 1e-3;

// The rounded tip: the tip section moves in by half its width (at most half the way to
// station 10) and the blade closes beyond it through sections shrunk as a quarter ellipse
// would, at even steps of the radius (uneven ones make the smooth loft ripple), ending at the
// tip radius in a small flat end of this share of the tip chord. The heights shrink only as
// the square root of the chord, so the tip keeps wood to hold.
constexpr std::array<double, 3> kTipSteps = {0.3, 0.6, 0.85};
constexpr double kTipEndScale = 0.3;

// With a fillet, the root's trailing edge thickens towards the hub to the fillet's radius,
// and to no less than this: round a thinner edge the ball turns on the spot, and the section's
// spline, which passes its few points there in a slight wave, would make it loop. (A thick
// edge leaves a hollow where its thickening starts, in which a large ball loops instead.)
constexpr double kMinRootEdgeMm = 3;

// Beyond the root on either side along the axis, the hub leaves room for this many times the
// fillet's radius: the fillet reaches about one radius up the hub's side.
constexpr double kHubRoomPerFillet = 2;

using PointMap = std::function<gp_Pnt(SectionPoint)>;

// The parameters at which every section's spline passes through its points: the same for all,
// so that the loft sees sections of one structure and needs no knots of its own. Centripetal
// spacing (the square root of the distance) over the shape every section shares, the
// template's aerofoil at a middle thickness; it keeps the spline from overshooting where the
// points crowd at the leading edge and round the trailing edge.
Handle(TColStd_HArray1OfReal) sectionParameters(const std::vector<OutlinePoints>& sections) {
    Handle(TColStd_HArray1OfReal) parameters =
        new TColStd_HArray1OfReal(1, kSolidOutlinePointCount + 1);
    std::array<double, kSolidOutlinePointCount + 1> sum{};
    for (const OutlinePoints& points : sections) {
        const double chord = points[1].u - points[kSolidOutlinePointCount / 2].u;
        std::array<double, kSolidOutlinePointCount + 1> t{};
        for (std::size_t i = 1; i <= kSolidOutlinePointCount; ++i) {
            const SectionPoint a = points[i - 1];
            const SectionPoint b = points[i % kSolidOutlinePointCount];
            t[i] = t[i - 1] + std::sqrt(std::hypot(a.u - b.u, a.v - b.v) / chord);
        }
        for (std::size_t i = 0; i <= kSolidOutlinePointCount; ++i) {
            sum[i] += t[i] / t[kSolidOutlinePointCount];
        }
    }
    for (std::size_t i = 0; i <= kSolidOutlinePointCount; ++i) {
        parameters->SetValue(static_cast<int>(i) + 1, sum[i] / sum[kSolidOutlinePointCount]);
    }
    return parameters;
}

// The wire of one smooth section: a periodic cubic spline through its points, each mapped into
// space. Interpolation commutes with an affine map, so mapping the points maps the curve.
TopoDS_Wire wireOf(const OutlinePoints& points, const Handle(TColStd_HArray1OfReal) & parameters,
                   const PointMap& map) {
    Handle(TColgp_HArray1OfPnt) poles = new TColgp_HArray1OfPnt(1, kSolidOutlinePointCount);
    for (std::size_t i = 0; i < kSolidOutlinePointCount; ++i) {
        poles->SetValue(static_cast<int>(i) + 1, map(points[i]));
    }
    GeomAPI_Interpolate interpolate(poles, parameters, Standard_True, 1e-9);
    interpolate.Perform();
    if (!interpolate.IsDone()) {
        throw StdFail_NotDone("section spline");
    }
    BRepBuilderAPI_MakeEdge edge(interpolate.Curve());
    if (!edge.IsDone()) {
        throw StdFail_NotDone("section edge");
    }
    return BRepBuilderAPI_MakeWire(edge.Edge()).Wire();
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

// A section point in space at radius `xMm`. Seen from behind a right-hand blade on +X moves
// towards +Y, so the leading edge faces +Y; the upper (cambered) surface faces forward, +Z.
gp_Pnt placed(const BladeSection& s, LeadingLine lead, double xMm, SectionPoint p) {
    const double a = s.bladeAngleDeg * std::numbers::pi / 180.0;
    const double cosA = std::cos(a);
    const double sinA = std::sin(a);
    return {xMm, lead.yMm - (p.u * cosA + p.v * sinA), lead.zMm - p.u * sinA + p.v * cosA};
}

double rootScale(const PropellerShape& shape) {
    return shape.hub[1].widthMm / shape.sections.front().widthMm;
}

// Every wire of one blade from the root's section at the hub to the tip, all of one structure.
struct BladeWires {
    TopoDS_Wire rootEnd;             // station 3's section widened to the hub's station, at X 0
    std::vector<TopoDS_Wire> blade;  // station 3 to the tip's small end
};

BladeWires bladeWires(const PropellerShape& shape, double trailingEdgeMm, double rootEdgeMm) {
    struct Placed {
        const BladeSection* section;
        SectionProfileMm profile;
        double xMm;
    };
    const std::size_t last = kBladeSectionCount - 1;
    const BladeSection& tip = shape.sections[last];
    const double tipInsetMm =
        std::min(tip.widthMm / 2, (tip.radiusMm - shape.sections[last - 1].radiusMm) / 2);
    std::vector<Placed> placedSections;
    for (std::size_t i = 0; i < last; ++i) {
        placedSections.push_back(
            {&shape.sections[i], shape.sections[i].profile, shape.sections[i].radiusMm});
    }
    placedSections.push_back({&tip, tip.profile, tip.radiusMm - tipInsetMm});
    for (double step : kTipSteps) {
        const double chordScale = std::sqrt(1 - step * step);
        placedSections.push_back({&tip,
                                  shrunkProfile(tip.profile, chordScale, std::sqrt(chordScale)),
                                  tip.radiusMm - tipInsetMm * (1 - step)});
    }
    placedSections.push_back(
        {&tip, shrunkProfile(tip.profile, kTipEndScale, std::sqrt(kTipEndScale)), tip.radiusMm});

    std::vector<OutlinePoints> points;
    for (const Placed& p : placedSections) {
        points.push_back(outlinePoints(p.profile, trailingEdgeMm));
    }
    // The root's trailing edge thickens towards the hub for the fillet, as far as the root
    // section allows.
    const SectionProfileMm& rootProfile = shape.sections.front().profile;
    points.push_back(outlinePoints(
        rootProfile, std::clamp(rootEdgeMm, trailingEdgeMm,
                                std::max(trailingEdgeMm, greatestThicknessMm(rootProfile) / 2))));
    // The stations' own sections set the parameters; the tip's shrunk ones and the root's end
    // would only pull them about.
    const Handle(TColStd_HArray1OfReal) parameters = sectionParameters(
        {points.begin(), points.begin() + static_cast<std::ptrdiff_t>(kBladeSectionCount)});
    const LeadingLine lead = leadingLineOf(shape);
    BladeWires wires;
    for (std::size_t i = 0; i < placedSections.size(); ++i) {  // the root's end comes last
        const Placed& p = placedSections[i];
        wires.blade.push_back(wireOf(points[i], parameters, [&](SectionPoint q) {
            return placed(*p.section, lead, p.xMm, q);
        }));
    }
    const double scale = rootScale(shape);
    wires.rootEnd = wireOf(points.back(), parameters, [&](SectionPoint q) {
        const gp_Pnt r = placed(shape.sections.front(), lead, 0, q);
        return gp_Pnt(0, r.Y() * scale, r.Z() * scale);
    });
    return wires;
}

// The root's trailing edge where it meets the hub (bladeWires keeps it within the section).
double rootEdgeMm(const HubOptions& hub) {
    return hub.filletMm > 0 ? std::max(hub.filletMm, kMinRootEdgeMm) : 0;
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
    // The wires are built alike (same parameters, same start, same sense), so the loft must
    // not shift or turn them to match.
    loft.CheckCompatibility(Standard_False);
    // Cubic along the blade: a higher degree rings between sections that change quickly, as
    // the tip's do.
    loft.SetMaxDegree(kLoftDegree);
    for (const TopoDS_Wire& w : wires) {
        loft.AddWire(w);
    }
    loft.Build();
    if (!loft.IsDone()) {
        throw StdFail_NotDone("loft");
    }
    return {loft.Shape(), loft.FirstShape(), loft.LastShape()};
}

// The faces of `shape` but its caps, added to `to`.
void addSides(BRep_Builder& builder, TopoDS_Compound& to, const Loft& loft, bool firstCap,
              bool lastCap) {
    for (TopExp_Explorer e(loft.solid, TopAbs_FACE); e.More(); e.Next()) {
        if (!(firstCap && loft.firstCap.IsSame(e.Current())) &&
            !(lastCap && loft.lastCap.IsSame(e.Current()))) {
            builder.Add(to, e.Current());
        }
    }
}

Handle(Geom_Curve) curveOf(const TopoDS_Wire& wire) {
    double first = 0, last = 0;
    return BRep_Tool::Curve(TopoDS::Edge(TopExp_Explorer(wire, TopAbs_EDGE).Current()), first,
                            last);
}

// The faces of one blade along +X: the smooth loft to the rounded tip, the straight root from
// the joint to station 3 (they share station 3's wire) and the fillet.
TopoDS_Compound bladeFaces(const BladeWires& wires, const RootJoint& joint) {
    BRep_Builder builder;
    TopoDS_Compound faces;
    builder.MakeCompound(faces);
    addSides(builder, faces, loftThrough(wires.blade, false), true, false);
    const TopoDS_Wire rootEnd =
        BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(joint.rootEnd).Edge()).Wire();
    addSides(builder, faces, loftThrough({rootEnd, wires.blade.front()}, true), true, true);
    if (!joint.fillet.IsNull()) {
        BRepBuilderAPI_MakeFace fillet(joint.fillet, Precision::Confusion());
        if (!fillet.IsDone()) {
            throw StdFail_NotDone("fillet");
        }
        builder.Add(faces, fillet.Face());
    }
    return faces;
}

// The faces sewn into one closed solid, its faces turned outward.
TopoDS_Shape sewn(const TopoDS_Shape& faces) {
    BRepBuilderAPI_Sewing sewing(kSewingToleranceMm);
    sewing.Add(faces);
    sewing.Perform();
    TopExp_Explorer shells(sewing.SewedShape(), TopAbs_SHELL);
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

std::string mm(double value) {
    return formatFixed(value, 15, 1);
}

[[noreturn]] void refuse(const char* text, std::initializer_list<std::string_view> values) {
    const std::string reason = withArguments(translatedText("kelvarin::BladeSolid", text), values);
    throw ModelError(withArguments(
        translatedText("kelvarin::ShapeCheck", "Модель винта не построена: %1."), {reason}));
}

}  // namespace

TopoDS_Wire placedSectionWire(const PropellerShape& shape, std::size_t index,
                              double trailingEdgeMm) {
    return bladeWires(shape, trailingEdgeMm, 0).blade.at(index);
}

HubSize hubSize(const PropellerShape& shape, const HubOptions& hub) {
    // The root's extent across (Y) and along the axis (Z) where it enters the hub.
    const BladeWires wires = bladeWires(shape, kMinTrailingEdgeMm, rootEdgeMm(hub));
    Bnd_Box bounds;
    BRepBndLib::AddOptimal(wires.rootEnd, bounds, Standard_False, Standard_False);
    double xMin = 0, yMin = 0, zMin = 0, xMax = 0, yMax = 0, zMax = 0;
    bounds.Get(xMin, yMin, zMin, xMax, yMax, zMax);
    const double rootWidthMm = 2 * std::max(yMax, -yMin);
    const double rootDepthMm = zMax - zMin;

    HubSize size;
    size.middleZMm = (zMax + zMin) / 2;
    const double boltsNeedMm = hub.holeCount > 0 ? hub.boltCircleMm + 2 * hub.holeMm : 0;
    size.diameterMm = hub.diameterMm > 0
                          ? hub.diameterMm
                          : std::max({shape.hub[0].widthMm, rootWidthMm * kHubAllowance,
                                      boltsNeedMm, hub.boreMm * kHubAllowance});
    size.thicknessMm = hub.thicknessMm > 0
                           ? hub.thicknessMm
                           : std::max(rootDepthMm * kHubAllowance,
                                      rootDepthMm + 2 * kHubRoomPerFillet * hub.filletMm);
    if (size.diameterMm <= rootWidthMm) {
        refuse(textToTranslate("kelvarin::BladeSolid",
                               "диаметр ступицы %1 мм меньше ширины корня лопасти %2 мм: корень не "
                               "помещается в ступицу"),
               {mm(size.diameterMm), mm(rootWidthMm)});
    }
    if (size.thicknessMm <= rootDepthMm) {
        refuse(
            textToTranslate("kelvarin::BladeSolid",
                            "толщина ступицы %1 мм меньше толщины корня лопасти вдоль оси %2 мм"),
            {mm(size.thicknessMm), mm(rootDepthMm)});
    }
    const double station3Mm = shape.sections.front().radiusMm;
    if (size.diameterMm / 2 >= station3Mm) {
        refuse(textToTranslate(
                   "kelvarin::BladeSolid",
                   "ступица диаметром %1 мм закрывает сечение 3: ее диаметр должен быть меньше "
                   "%2 мм"),
               {mm(size.diameterMm), mm(2 * station3Mm)});
    }
    return size;
}

TopoDS_Shape propellerSolid(const PropellerShape& shape, const ModelOptions& options) {
    const HubOptions& hub = options.hub;
    const HubSize size = hubSize(shape, hub);
    if (hub.holeCount > 0 && hub.boltCircleMm + hub.holeMm >= size.diameterMm) {
        refuse(textToTranslate(
                   "kelvarin::BladeSolid",
                   "отверстия под болты на окружности %1 мм выходят за ступицу диаметром %2 мм"),
               {mm(hub.boltCircleMm), mm(size.diameterMm)});
    }
    if (hub.boreMm >= size.diameterMm) {
        refuse(
            textToTranslate("kelvarin::BladeSolid",
                            "отверстие в центре ступицы (%1 мм) не меньше самой ступицы (%2 мм)"),
            {mm(hub.boreMm), mm(size.diameterMm)});
    }
    for (std::size_t i = 0; i < kBladeSectionCount; ++i) {
        const double thickestMm = greatestThicknessMm(shape.sections[i].profile);
        if (options.trailingEdgeMm > thickestMm / 2) {
            refuse(textToTranslate(
                       "kelvarin::BladeSolid",
                       "задняя кромка толщиной %1 мм не помещается в сечение %2: оно толщиной "
                       "%3 мм, кромка может быть не толще половины: задайте не больше %4 мм"),
                   {mm(options.trailingEdgeMm), std::to_string(i + 3), mm(thickestMm),
                    formatFixed(std::floor(thickestMm / 2 * 10) / 10, 15, 1)});
        }
    }

    // Every piece is built to meet the next, and sewn: the kernel's boolean and fillet
    // on the blades took most of a second and failed for some sizes.
    const TopoDS_Shape hubSolid = holedHub(size, hub);
    const TopoDS_Face side = roundSideOf(hubSolid, size.diameterMm / 2);
    const BladeWires wires = bladeWires(shape, options.trailingEdgeMm, rootEdgeMm(hub));
    const double bottomZ = size.middleZMm - size.thicknessMm / 2;
    const RootJoint joint = rootJoint(curveOf(wires.rootEnd), curveOf(wires.blade.front()),
                                      BRepAdaptor_Surface(side).Cylinder(), bottomZ,
                                      bottomZ + size.thicknessMm, hub.filletMm);

    // The second blade is the first turned half round.
    gp_Trsf turn;
    turn.SetRotation(gp_Ax1(gp::Origin(), gp::DZ()), std::numbers::pi);
    const TopoDS_Compound blade = bladeFaces(wires, joint);
    BRep_Builder builder;
    TopoDS_Compound faces;
    builder.MakeCompound(faces);
    const TopoDS_Face pierced = sidePiercedByRoots(side, joint.sideEdge, joint.sideEdgeOnSide);
    for (TopExp_Explorer e(hubSolid, TopAbs_FACE); e.More(); e.Next()) {
        builder.Add(faces, side.IsSame(e.Current()) ? TopoDS_Shape(pierced) : e.Current());
    }
    builder.Add(faces, blade);
    // A copy with the geometry itself turned, so that no face carries a location of its own.
    builder.Add(faces, BRepBuilderAPI_Transform(blade, turn, Standard_True).Shape());
    return sewn(faces);
}

}  // namespace kelvarin
