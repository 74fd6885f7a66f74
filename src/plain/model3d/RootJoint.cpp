// SPDX-License-Identifier: GPL-3.0-or-later
#include "model3d/RootJoint.h"

#include <ElSLib.hxx>
#include <Geom2dAPI_Interpolate.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <StdFail_NotDone.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColStd_HArray1OfReal.hxx>
#include <TColgp_Array2OfPnt.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TColgp_HArray1OfPnt2d.hxx>
#include <gp_Pnt2d.hxx>
#include <gp_Vec.hxx>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "model3d/ModelError.h"
#include "model3d/SectionPoints.h"

namespace kelvarin {

namespace {

// The joint's curves pass through points spread along it, on average this many to each span
// between station 3's knots, more where the fillet's edges run further, and through every
// knot: so the root ruled from them to station 3 has no two knots side by side, and the
// curves follow the ball round the trailing edge and keep within a few thousandths of a
// millimetre of the hub's side between the points.
constexpr int kSamplesPerSpan = 8;
// The fillet turns by no more than this between two points (radians, about 3°), so that it
// leaves the root and the hub as smoothly between them as at them.
constexpr double kTurnPerSample = 0.05;
// Each span's length is measured over this many chords.
constexpr std::size_t kChordsPerSpan = 16;

// The fillet ends at least this far from the edges of the hub's faces, so that no sliver of
// the side is left between them.
constexpr double kClearanceMm = 0.5;

// Bisection of the ball's place along the root: far below anything a machine or a printer
// can show.
constexpr double kPlaceToleranceMm = 1e-9;

std::string mm(double value) {
    return formatFixed(value, 15, 1);
}

// `text` marked with textToTranslate in this file's context.
[[noreturn]] void refuse(const char* text, std::initializer_list<std::string_view> values) {
    const std::string reason = withArguments(translatedText("kelvarin::RootJoint", text), values);
    throw ModelError(withArguments(
        translatedText("kelvarin::ShapeCheck", "Модель винта не построена: %1."), {reason}));
}

// One point round the root: where the root meets the side, the ruling from there to
// station 3, and their rates along the section's parameter.
struct RootPoint {
    gp_Pnt foot;
    gp_Vec footRate;
    gp_Vec ruling;
    gp_Vec rulingRate;
};

RootPoint rootPointAt(const Handle(Geom_Curve) & rootSection, const Handle(Geom_Curve) & station3,
                      double radiusMm, double t) {
    gp_Pnt q, b;
    gp_Vec qRate, bRate;
    rootSection->D1(t, q, qRate);
    station3->D1(t, b, bRate);
    const double x = std::sqrt(std::max(0.0, radiusMm * radiusMm - q.Y() * q.Y()));
    RootPoint p;
    p.foot = gp_Pnt(x, q.Y(), q.Z());
    p.footRate = gp_Vec(x > 0 ? -q.Y() * qRate.Y() / x : 0, qRate.Y(), qRate.Z());
    p.ruling = gp_Vec(p.foot, b);
    p.rulingRate = bRate - p.footRate;
    return p;
}

// The ball at one point round the root: where it touches the root and the side, and the arc
// between them as a cubic Bezier's four points.
std::array<gp_Pnt, 4> ballAt(const RootPoint& p, double outward, double radiusMm, double filletMm) {
    // The root's normal out of the wood a share `s` of the way along the ruling.
    const auto normal = [&](double s) {
        const gp_Vec n = (p.footRate + p.rulingRate * s).Crossed(p.ruling);
        return n.Magnitude() > 0 ? n.Normalized() * outward : n;
    };
    const auto centre = [&](double s) {
        return p.foot.Translated(p.ruling * s + normal(s) * filletMm);
    };
    const double wanted = radiusMm + filletMm;
    const auto reach = [&](double s) {
        const gp_Pnt c = centre(s);
        return std::hypot(c.X(), c.Y()) - wanted;
    };
    double low = 0;
    double high = 1;
    if (reach(low) >= 0) {
        high = 0;  // the root leaves the side as steeply as the ball is round: nothing to fill
    } else if (reach(high) < 0) {
        refuse(textToTranslate(
                   "kelvarin::RootJoint",
                   "скругление радиусом %1 мм длиннее корня лопасти: уменьшите радиус скругления"),
               {mm(filletMm)});
    }
    const double rulingMm = p.ruling.Magnitude();
    while ((high - low) * rulingMm > kPlaceToleranceMm) {
        const double middle = (low + high) / 2;
        (reach(middle) < 0 ? low : high) = middle;
    }
    const double s = high;
    const gp_Pnt onRoot = p.foot.Translated(p.ruling * s);
    const gp_Pnt c = centre(s);
    const double along = std::hypot(c.X(), c.Y());
    const gp_Pnt onSide(c.X() * radiusMm / along, c.Y() * radiusMm / along, c.Z());
    // The arc's ends leave along the tangents of the circle, a Bezier's reach of
    // 4/3 tan(angle / 4) of the radius from each end.
    const gp_Vec toRoot = gp_Vec(c, onRoot) / filletMm;
    const gp_Vec toSide = gp_Vec(c, onSide) / filletMm;
    const double angle = toRoot.Angle(toSide);
    if (angle < 1e-9) {
        return {onRoot, onRoot, onSide, onSide};
    }
    const gp_Vec alongRoot = (toSide - toRoot * toRoot.Dot(toSide)).Normalized();
    const gp_Vec alongSide = (toRoot - toSide * toSide.Dot(toRoot)).Normalized();
    const double handle = 4.0 / 3.0 * std::tan(angle / 4) * filletMm;
    return {onRoot, onRoot.Translated(alongRoot * handle), onSide.Translated(alongSide * handle),
            onSide};
}

// What the joint is made from: the root's point at a parameter and the fillet's arc there
// (without a fillet, the foot four times over).
struct JointGeometry {
    const Handle(Geom_Curve) & rootSection;
    const Handle(Geom_Curve) & station3;
    double radiusMm;
    double filletMm;
    double outward;

    RootPoint rootAt(double t) const { return rootPointAt(rootSection, station3, radiusMm, t); }
    std::array<gp_Pnt, 4> arcAt(const RootPoint& p) const {
        return filletMm > 0 ? ballAt(p, outward, radiusMm, filletMm)
                            : std::array<gp_Pnt, 4>{p.foot, p.foot, p.foot, p.foot};
    }
};

// The parameter `j` chords into the span after knot `i`, of kChordsPerSpan.
double tracedAt(const std::vector<double>& knots, std::size_t i, std::size_t j) {
    return knots[i] +
           (knots[i + 1] - knots[i]) * static_cast<double>(j) / static_cast<double>(kChordsPerSpan);
}

// The root's normal points out of the wood where it faces forward, at its highest point.
double outwardSign(const Handle(Geom_Curve) & rootSection, const Handle(Geom_Curve) & station3,
                   double radiusMm, const std::vector<double>& knots) {
    RootPoint highest = rootPointAt(rootSection, station3, radiusMm, knots.front());
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        for (std::size_t j = 0; j < kChordsPerSpan; ++j) {
            const RootPoint p = rootPointAt(rootSection, station3, radiusMm, tracedAt(knots, i, j));
            if (p.foot.Z() > highest.foot.Z()) {
                highest = p;
            }
        }
    }
    return highest.footRate.Crossed(highest.ruling).Z() > 0 ? 1.0 : -1.0;
}

std::vector<double> knotsOf(const Handle(Geom_Curve) & curve) {
    std::vector<double> knots;
    if (const auto spline = Handle(Geom_BSplineCurve)::DownCast(curve); !spline.IsNull()) {
        for (int i = 1; i <= spline->NbKnots(); ++i) {
            knots.push_back(spline->Knot(i));
        }
    } else {
        knots = {curve->FirstParameter(), curve->LastParameter()};
    }
    return knots;
}

// The joint traced finely, kChordsPerSpan points to each span between the knots.
std::vector<std::array<gp_Pnt, 4>> tracedJoint(const JointGeometry& joint,
                                               const std::vector<double>& knots) {
    std::vector<std::array<gp_Pnt, 4>> arcs;
    for (std::size_t i = 0; i + 1 < knots.size(); ++i) {
        for (std::size_t j = 0; j < kChordsPerSpan; ++j) {
            arcs.push_back(joint.arcAt(joint.rootAt(tracedAt(knots, i, j))));
        }
    }
    return arcs;
}

// The parameters of the samples: each span between the knots cut evenly, into as many pieces
// as the longer of the fillet's two edges asks over it (a short span at the trailing edge's
// rounding into none, unless the ball sweeps far round it there).
std::vector<double> sampleParameters(const std::vector<std::array<gp_Pnt, 4>>& traced,
                                     const std::vector<double>& knots) {
    const std::size_t spans = knots.size() - 1;
    std::vector<double> lengths;
    std::vector<double> turns;
    for (std::size_t i = 0; i < spans; ++i) {
        double onRoot = 0, onSide = 0, turn = 0;
        for (std::size_t j = 0; j < kChordsPerSpan; ++j) {
            const std::array<gp_Pnt, 4>& a = traced[i * kChordsPerSpan + j];
            const std::array<gp_Pnt, 4>& b = traced[(i * kChordsPerSpan + j + 1) % traced.size()];
            onRoot += a[0].Distance(b[0]);
            onSide += a[3].Distance(b[3]);
            const gp_Vec leaveA(a[0], a[1]);
            const gp_Vec leaveB(b[0], b[1]);
            if (leaveA.Magnitude() > 0 && leaveB.Magnitude() > 0) {
                turn += leaveA.Angle(leaveB);
            }
        }
        lengths.push_back(std::max(onRoot, onSide));
        turns.push_back(turn);
    }
    double total = 0;
    for (double length : lengths) {
        total += length;
    }
    const double spacing = total / static_cast<double>(spans * kSamplesPerSpan);
    std::vector<double> parameters;
    for (std::size_t i = 0; i < spans; ++i) {
        const int pieces = std::max({1, static_cast<int>(std::lround(lengths[i] / spacing)),
                                     static_cast<int>(std::ceil(turns[i] / kTurnPerSample))});
        for (int j = 0; j < pieces; ++j) {
            parameters.push_back(knots[i] + (knots[i + 1] - knots[i]) * j / pieces);
        }
    }
    return parameters;
}

// Whether the closed polygon crosses itself.
bool crossesItself(const std::vector<gp_Pnt2d>& polygon) {
    const auto side = [](const gp_Pnt2d& p, const gp_Pnt2d& q, const gp_Pnt2d& r) {
        return (q.X() - p.X()) * (r.Y() - p.Y()) - (q.Y() - p.Y()) * (r.X() - p.X());
    };
    const std::size_t n = polygon.size();
    for (std::size_t i = 0; i < n; ++i) {
        const gp_Pnt2d& a = polygon[i];
        const gp_Pnt2d& b = polygon[(i + 1) % n];
        for (std::size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) {
                continue;  // the two sides that meet where the polygon closes
            }
            const gp_Pnt2d& c = polygon[j];
            const gp_Pnt2d& d = polygon[(j + 1) % n];
            if (side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0) {
                return true;
            }
        }
    }
    return false;
}

// The periodic cubic through the points at the parameters (the last parameter closes it).
Handle(Geom_BSplineCurve) closedCurve(const std::vector<gp_Pnt>& points,
                                      const Handle(TColStd_HArray1OfReal) & parameters) {
    Handle(TColgp_HArray1OfPnt) poles = new TColgp_HArray1OfPnt(1, static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        poles->SetValue(static_cast<int>(i) + 1, points[i]);
    }
    GeomAPI_Interpolate interpolate(poles, parameters, Standard_True, 1e-9);
    interpolate.Perform();
    if (!interpolate.IsDone()) {
        throw StdFail_NotDone("joint curve");
    }
    return interpolate.Curve();
}

Handle(Geom2d_BSplineCurve) closedCurve2d(const std::vector<gp_Pnt2d>& points,
                                          const Handle(TColStd_HArray1OfReal) & parameters) {
    Handle(TColgp_HArray1OfPnt2d) poles =
        new TColgp_HArray1OfPnt2d(1, static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        poles->SetValue(static_cast<int>(i) + 1, points[i]);
    }
    Geom2dAPI_Interpolate interpolate(poles, parameters, Standard_True, 1e-9);
    interpolate.Perform();
    if (!interpolate.IsDone()) {
        throw StdFail_NotDone("joint curve on the hub");
    }
    return interpolate.Curve();
}

// The fillet's surface from the four rows of its arcs' points, all interpolated at the same
// parameters and so sharing their knots.
Handle(Geom_BSplineSurface) surfaceThrough(const std::array<Handle(Geom_BSplineCurve), 4>& rows) {
    const Handle(Geom_BSplineCurve)& first = rows.front();
    TColgp_Array2OfPnt poles(1, first->NbPoles(), 1, 4);
    for (int j = 0; j < 4; ++j) {
        for (int i = 1; i <= first->NbPoles(); ++i) {
            poles.SetValue(i, j + 1, rows[static_cast<std::size_t>(j)]->Pole(i));
        }
    }
    TColStd_Array1OfReal uKnots(1, first->NbKnots());
    TColStd_Array1OfInteger uMults(1, first->NbKnots());
    first->Knots(uKnots);
    first->Multiplicities(uMults);
    TColStd_Array1OfReal vKnots(1, 2);
    vKnots.SetValue(1, 0);
    vKnots.SetValue(2, 1);
    TColStd_Array1OfInteger vMults(1, 2);
    vMults.Init(4);
    return new Geom_BSplineSurface(poles, uKnots, vKnots, uMults, vMults, first->Degree(), 3,
                                   first->IsPeriodic(), Standard_False);
}

}  // namespace

RootJoint rootJoint(const Handle(Geom_Curve) & rootSection, const Handle(Geom_Curve) & station3,
                    const gp_Cylinder& side, double sideFromZMm, double sideToZMm,
                    double filletMm) {
    const double radiusMm = side.Radius();
    const std::vector<double> knots = knotsOf(station3);
    const JointGeometry geometry{rootSection, station3, radiusMm, filletMm,
                                 outwardSign(rootSection, station3, radiusMm, knots)};
    const std::vector<std::array<gp_Pnt, 4>> traced = tracedJoint(geometry, knots);
    // Where the root's section turns inward more tightly than the fillet is round, the
    // fillet's edge on the hub would loop over itself (measured in millimetres round the side).
    std::vector<gp_Pnt2d> onSideMm;
    for (const std::array<gp_Pnt, 4>& arc : traced) {
        double u = 0, v = 0;
        ElSLib::Parameters(side, arc[3], u, v);
        onSideMm.emplace_back(u * radiusMm, v);
    }
    if (crossesItself(onSideMm)) {
        refuse(textToTranslate(
                   "kelvarin::RootJoint",
                   "скругление радиусом %1 мм не помещается у корня лопасти: уменьшите радиус "
                   "скругления"),
               {mm(filletMm)});
    }
    const std::vector<double> at = sampleParameters(traced, knots);
    Handle(TColStd_HArray1OfReal) parameters =
        new TColStd_HArray1OfReal(1, static_cast<int>(at.size()) + 1);
    for (std::size_t k = 0; k < at.size(); ++k) {
        parameters->SetValue(static_cast<int>(k) + 1, at[k]);
    }
    parameters->SetValue(static_cast<int>(at.size()) + 1,
                         at.front() + rootSection->LastParameter() - rootSection->FirstParameter());

    std::vector<RootPoint> root;
    for (double t : at) {
        root.push_back(geometry.rootAt(t));
        const RootPoint& p = root.back();
        // A ruling that set off into the side would carry the root back into the hub.
        if (p.ruling.Dot(gp_Vec(p.foot.X(), p.foot.Y(), 0)) <= 0) {
            refuse(textToTranslate(
                       "kelvarin::RootJoint",
                       "корень лопасти уходит обратно в ступицу диаметром %1 мм: задайте ступицу "
                       "меньше"),
                   {mm(2 * radiusMm)});
        }
    }

    std::array<std::vector<gp_Pnt>, 4> rows;
    std::vector<gp_Pnt2d> onSide;
    double lowestZ = HUGE_VAL;
    double highestZ = -HUGE_VAL;
    for (const RootPoint& p : root) {
        const std::array<gp_Pnt, 4> arc = geometry.arcAt(p);
        for (std::size_t j = 0; j < 4; ++j) {
            rows[j].push_back(arc[j]);
        }
        // Past a quarter turn either way the fillet would run round the hub to the other
        // blade.
        if (arc[3].X() <= kClearanceMm) {
            refuse(textToTranslate(
                       "kelvarin::RootJoint",
                       "скругление радиусом %1 мм не помещается на ступице диаметром %2 мм: "
                       "уменьшите радиус скругления или задайте ступицу шире"),
                   {mm(filletMm), mm(2 * radiusMm)});
        }
        lowestZ = std::min(lowestZ, arc[3].Z());
        highestZ = std::max(highestZ, arc[3].Z());
        double u = 0, v = 0;
        ElSLib::Parameters(side, arc[3], u, v);
        onSide.emplace_back(u, v);
    }
    // Without a fillet the root's own room in the hub has been checked (hubSize).
    const double clearanceMm = filletMm > 0 ? kClearanceMm : 0;
    if (lowestZ < sideFromZMm + clearanceMm || highestZ > sideToZMm - clearanceMm) {
        const double middle = (sideFromZMm + sideToZMm) / 2;
        const double needed = 2 * (std::max(middle - lowestZ, highestZ - middle) + clearanceMm);
        refuse(textToTranslate(
                   "kelvarin::RootJoint",
                   "скругление радиусом %1 мм выходит за торцы ступицы толщиной %2 мм: уменьшите "
                   "радиус скругления или задайте ступицу не тоньше %3 мм"),
               {mm(filletMm), mm(sideToZMm - sideFromZMm), mm(std::ceil(needed * 10) / 10)});
    }

    RootJoint joint;
    joint.rootEnd = closedCurve(rows[0], parameters);
    joint.sideEdgeOnSide = closedCurve2d(onSide, parameters);
    if (filletMm <= 0) {
        joint.sideEdge = joint.rootEnd;
        return joint;
    }
    std::array<Handle(Geom_BSplineCurve), 4> curves{joint.rootEnd, closedCurve(rows[1], parameters),
                                                    closedCurve(rows[2], parameters),
                                                    closedCurve(rows[3], parameters)};
    joint.sideEdge = curves[3];
    joint.fillet = surfaceThrough(curves);
    return joint;
}

}  // namespace kelvarin
