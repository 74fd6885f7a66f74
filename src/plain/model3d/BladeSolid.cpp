// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/BladeSolid.h"

#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_Cut.hxx>
#include <BRepAlgoAPI_Fuse.hxx>
#include <BRepBndLib.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepFilletAPI_MakeFillet.hxx>
#include <BRepLib.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakeCylinder.hxx>
#include <BRep_Builder.hxx>
#include <Bnd_Box.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Geom_BSplineCurve.hxx>
#include <StdFail_NotDone.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_IndexedDataMapOfShapeListOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
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
#include "model3d/ModelError.h"
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

// The root's trailing edge, where it meets the hub, is this many times the fillet's radius.
// The kernel's fillet is fickle about the edge it rolls round: where one thickness fails
// another may hold, so they are tried in turn.
constexpr std::array<double, 3> kRootEdgePerFillet = {4, 6, 2.5};

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

// Every wire of one blade from the root's end inside the hub to the tip, all of one structure.
struct BladeWires {
    TopoDS_Wire rootEnd;             // station 3's section widened, inside the hub
    std::vector<TopoDS_Wire> blade;  // station 3 to the tip's small end
};

BladeWires bladeWires(const PropellerShape& shape, double trailingEdgeMm, double rootEndXMm,
                      double rootEdgeMm) {
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
    // The fillet cannot roll round an edge much sharper than itself, so the root's trailing
    // edge thickens towards the hub to take it, as far as the root section allows.
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
        return gp_Pnt(rootEndXMm, r.Y() * scale, r.Z() * scale);
    });
    return wires;
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

TopoDS_Shape turnedHalfRound(const TopoDS_Shape& shape) {
    gp_Trsf turn;
    turn.SetRotation(gp_Ax1(gp::Origin(), gp::DZ()), std::numbers::pi);
    // A copy with the geometry itself turned, so that no face carries a location of its own.
    return BRepBuilderAPI_Transform(shape, turn, Standard_True).Shape();
}

// The faces of `shape` but the `skipped` one, added to `to`.
void addFacesBut(BRep_Builder& builder, TopoDS_Compound& to, const TopoDS_Shape& shape,
                 const TopoDS_Shape& skipped) {
    for (TopExp_Explorer e(shape, TopAbs_FACE); e.More(); e.Next()) {
        if (!skipped.IsSame(e.Current())) {
            builder.Add(to, e.Current());
        }
    }
}

// One blade with its root, as one closed solid: the smooth loft and the straight root share
// the wire of station 3.
TopoDS_Shape bladeSolid(const BladeWires& wires) {
    const Loft blade = loftThrough(wires.blade, false);
    const Loft root = loftThrough({wires.rootEnd, wires.blade.front()}, true);
    BRep_Builder builder;
    TopoDS_Compound faces;
    builder.MakeCompound(faces);
    addFacesBut(builder, faces, blade.solid, blade.firstCap);
    addFacesBut(builder, faces, root.solid, root.lastCap);
    BRepBuilderAPI_Sewing sewing(kSewingToleranceMm);
    sewing.Add(faces);
    sewing.Perform();
    TopExp_Explorer shells(sewing.SewedShape(), TopAbs_SHELL);
    if (!shells.More()) {
        throw StdFail_NotDone("sewing");
    }
    BRepBuilderAPI_MakeSolid makeSolid(TopoDS::Shell(shells.Current()));
    if (!makeSolid.IsDone()) {
        throw StdFail_NotDone("blade solid");
    }
    TopoDS_Solid solid = makeSolid.Solid();
    BRepLib::OrientClosedSolid(solid);
    return solid;
}

TopoDS_Shape cylinder(double xMm, double yMm, double zFromMm, double diameterMm, double heightMm) {
    return BRepPrimAPI_MakeCylinder(gp_Ax2(gp_Pnt(xMm, yMm, zFromMm), gp::DZ()), diameterMm / 2,
                                    heightMm)
        .Shape();
}

TopoDS_Shape fused(const TopoDS_Shape& hub, const std::vector<TopoDS_Shape>& blades) {
    TopTools_ListOfShape arguments;
    arguments.Append(hub);
    TopTools_ListOfShape tools;
    for (const TopoDS_Shape& blade : blades) {
        tools.Append(blade);
    }
    BRepAlgoAPI_Fuse fuse;
    fuse.SetArguments(arguments);
    fuse.SetTools(tools);
    fuse.Build();
    if (!fuse.IsDone()) {
        throw StdFail_NotDone("fuse");
    }
    return fuse.Shape();
}

bool isHubSide(const TopoDS_Face& face) {
    return BRepAdaptor_Surface(face).GetType() == GeomAbs_Cylinder;
}

bool isPlane(const TopoDS_Face& face) {
    return BRepAdaptor_Surface(face).GetType() == GeomAbs_Plane;
}

std::string mm(double value) {
    return formatFixed(value, 15, 1);
}

[[noreturn]] void refuse(const char* text, std::initializer_list<std::string_view> values) {
    const std::string reason = withArguments(translatedText("kelvarin::BladeSolid", text), values);
    throw ModelError(withArguments(
        translatedText("kelvarin::ShapeCheck", "Модель винта не построена: %1."), {reason}));
}

// The edges where a root leaves the hub's round side, rounded by the fillet.
TopoDS_Shape filleted(const TopoDS_Shape& shape, double radiusMm) {
    TopTools_IndexedDataMapOfShapeListOfShape faces;
    TopExp::MapShapesAndAncestors(shape, TopAbs_EDGE, TopAbs_FACE, faces);
    BRepFilletAPI_MakeFillet fillet(shape);
    int added = 0;
    for (int i = 1; i <= faces.Extent(); ++i) {
        const TopTools_ListOfShape& around = faces.FindFromIndex(i);
        if (around.Extent() != 2) {
            continue;
        }
        const TopoDS_Face a = TopoDS::Face(around.First());
        const TopoDS_Face b = TopoDS::Face(around.Last());
        const bool rootMeetsHub = (isHubSide(a) && !isHubSide(b) && !isPlane(b)) ||
                                  (isHubSide(b) && !isHubSide(a) && !isPlane(a));
        if (rootMeetsHub) {
            fillet.Add(radiusMm, TopoDS::Edge(faces.FindKey(i)));
            ++added;
        }
    }
    if (added == 0) {
        return shape;
    }
    try {
        fillet.Build();
    } catch (const Standard_Failure&) {
    }
    if (!fillet.IsDone()) {
        refuse(
            "скругление корня лопасти радиусом %1 мм не строится: уменьшите радиус "
            "скругления",
            {mm(radiusMm)});
    }
    return fillet.Shape();
}

}  // namespace

TopoDS_Wire placedSectionWire(const PropellerShape& shape, std::size_t index,
                              double trailingEdgeMm) {
    return bladeWires(shape, trailingEdgeMm, shape.hub[1].radiusMm, 0).blade.at(index);
}

HubSize hubSize(const PropellerShape& shape, const HubOptions& hub) {
    // The root's extent across (Y) and along the axis (Z) where it enters the hub.
    const BladeWires wires =
        bladeWires(shape, kMinTrailingEdgeMm, 0, kRootEdgePerFillet.front() * hub.filletMm);
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
    size.thicknessMm = hub.thicknessMm > 0 ? hub.thicknessMm : rootDepthMm * kHubAllowance;
    if (size.diameterMm <= rootWidthMm) {
        refuse(
            "диаметр ступицы %1 мм меньше ширины корня лопасти %2 мм: корень не "
            "помещается в ступицу",
            {mm(size.diameterMm), mm(rootWidthMm)});
    }
    if (size.thicknessMm <= rootDepthMm) {
        refuse("толщина ступицы %1 мм меньше толщины корня лопасти вдоль оси %2 мм",
               {mm(size.thicknessMm), mm(rootDepthMm)});
    }
    const double station3Mm = shape.sections.front().radiusMm;
    if (size.diameterMm / 2 >= station3Mm) {
        refuse(
            "ступица диаметром %1 мм закрывает сечение 3: ее диаметр должен быть меньше "
            "%2 мм",
            {mm(size.diameterMm), mm(2 * station3Mm)});
    }
    // Deep enough inside that the whole end of the root lies within the round side.
    const double halfWidth = rootWidthMm / 2;
    size.rootEndXMm = std::sqrt(std::pow(size.diameterMm / 2, 2) - halfWidth * halfWidth) / 2;
    return size;
}

TopoDS_Shape propellerSolid(const PropellerShape& shape, const ModelOptions& options) {
    const HubOptions& hub = options.hub;
    const HubSize size = hubSize(shape, hub);
    if (hub.holeCount > 0 && hub.boltCircleMm + hub.holeMm >= size.diameterMm) {
        refuse("отверстия под болты на окружности %1 мм выходят за ступицу диаметром %2 мм",
               {mm(hub.boltCircleMm), mm(size.diameterMm)});
    }
    if (hub.boreMm >= size.diameterMm) {
        refuse("отверстие в центре ступицы (%1 мм) не меньше самой ступицы (%2 мм)",
               {mm(hub.boreMm), mm(size.diameterMm)});
    }
    for (std::size_t i = 0; i < kBladeSectionCount; ++i) {
        const double thickestMm = greatestThicknessMm(shape.sections[i].profile);
        if (options.trailingEdgeMm > thickestMm / 2) {
            refuse(
                "задняя кромка толщиной %1 мм не помещается в сечение %2: оно толщиной "
                "%3 мм, кромка может быть не толще половины: задайте не больше %4 мм",
                {mm(options.trailingEdgeMm), std::to_string(i + 3), mm(thickestMm),
                 formatFixed(std::floor(thickestMm / 2 * 10) / 10, 15, 1)});
        }
    }

    const double bottomZ = size.middleZMm - size.thicknessMm / 2;

    // The bore and the bolt holes, through the whole hub and a little beyond either face.
    BRep_Builder builder;
    TopoDS_Compound holes;
    builder.MakeCompound(holes);
    const double spareMm = 1;
    const double fromZ = bottomZ - spareMm;
    const double heightMm = size.thicknessMm + 2 * spareMm;
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
    const auto holed = [&](const TopoDS_Shape& shape) {
        if (hub.boreMm <= 0 && hub.holeCount == 0) {
            return shape;
        }
        BRepAlgoAPI_Cut cut(shape, holes);
        if (!cut.IsDone()) {
            throw StdFail_NotDone("holes");
        }
        return cut.Shape();
    };
    const auto fusedWithRootEdge = [&](double rootEdgeMm) {
        const TopoDS_Shape blade =
            bladeSolid(bladeWires(shape, options.trailingEdgeMm, size.rootEndXMm, rootEdgeMm));
        return fused(cylinder(0, 0, bottomZ, size.diameterMm, size.thicknessMm),
                     {blade, turnedHalfRound(blade)});
    };
    if (hub.filletMm <= 0) {
        return holed(fusedWithRootEdge(options.trailingEdgeMm));
    }
    // The fillet on the holed shape is twice as quick (the holes' faces are planes and
    // cylinders it leaves alone); where it fails, the other order and other root edges are
    // tried, and only when all fail is the radius refused.
    for (std::size_t i = 0;; ++i) {
        const TopoDS_Shape solid = fusedWithRootEdge(kRootEdgePerFillet[i] * hub.filletMm);
        try {
            return filleted(holed(solid), hub.filletMm);
        } catch (const ModelError&) {
        }
        try {
            return holed(filleted(solid, hub.filletMm));
        } catch (const ModelError&) {
            if (i + 1 == kRootEdgePerFillet.size()) {
                throw;
            }
        }
    }
}

}  // namespace kelvarin
