// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Geom2d_BSplineCurve.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Geom_BSplineSurface.hxx>
#include <Geom_Curve.hxx>
#include <gp_Cylinder.hxx>

// Where a blade's root meets the hub, in Open CASCADE's terms, millimetres. The root is the
// ruled surface from its section on the hub's round side (the hub station's section carried
// along X onto the side) straight out to station 3; the fillet is the surface swept by a ball
// of the fillet's radius rolling in the corner between the root and the side, touching both.
// Built here from the geometry itself rather than by the kernel's boolean and fillet, which
// took most of a second and failed for some sizes.
namespace kelvarin {

struct RootJoint {
    // Where the root ends: the edge of the fillet on it, or the root's section on the hub's
    // side when there is no fillet. The root is ruled from this curve to station 3.
    Handle(Geom_BSplineCurve) rootEnd;
    // Where the hub's side ends round the root: the fillet's edge on it, or the same curve as
    // rootEnd; and that curve in the side's parameters.
    Handle(Geom_BSplineCurve) sideEdge;
    Handle(Geom2d_BSplineCurve) sideEdgeOnSide;
    // The fillet, periodic along the root's section, from rootEnd (v = 0) to sideEdge
    // (v = 1); null without a fillet.
    Handle(Geom_BSplineSurface) fillet;
};

// The joint of the blade along +X. `rootSection` is the root's section at the hub (only its Y
// and Z count) and `station3` station 3's, both closed curves of one parameter: the root's
// ruling runs between the points of equal parameter. `side` is the hub's round side about Z,
// reaching from `sideFromZMm` to `sideToZMm`; its seam must lie away from +X.
// Throws ModelError, naming the fillet's radius, when the fillet does not fit: it would reach
// station 3, the hub's faces or round the hub to the other blade; or when the root would run
// back into the hub.
RootJoint rootJoint(const Handle(Geom_Curve) & rootSection, const Handle(Geom_Curve) & station3,
                    const gp_Cylinder& side, double sideFromZMm, double sideToZMm, double filletMm);

}  // namespace kelvarin
