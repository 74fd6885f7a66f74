// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Geom2d_Curve.hxx>
#include <Geom_Curve.hxx>
#include <TopoDS_Edge.hxx>
#include <TopoDS_Face.hxx>
#include <TopoDS_Shape.hxx>

#include "model3d/BladeSolid.h"

// The round hub in Open CASCADE's terms, millimetres, its axis Z.
namespace kelvarin {

// The hub of that size with the options' bore and bolt holes through it. The seam of its
// round side lies along +Y, away from the blades, so that no root's joint crosses it.
TopoDS_Shape holedHub(const HubSize& size, const HubOptions& hub);

// The hub's round side: its one face of that radius.
TopoDS_Face roundSideOf(const TopoDS_Shape& hub, double radiusMm);

// The round side pierced where the roots meet it: inside the closed curve `edge`, which lies
// on it (`onSide` in its parameters), and inside the same curve turned half round about the
// axis, for the second blade.
TopoDS_Face sidePiercedByRoots(const TopoDS_Face& side, const Handle(Geom_Curve) & edge,
                               const Handle(Geom2d_Curve) & onSide);

}  // namespace kelvarin
