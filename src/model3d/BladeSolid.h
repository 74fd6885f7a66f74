// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <TopoDS_Shape.hxx>
#include <TopoDS_Wire.hxx>

#include "model3d/PropellerShape.h"

// The pieces of the propeller solid, in Open CASCADE's terms. Frame and units: millimetres; Z
// is the rotation axis and points in the direction of flight; the first blade lies along +X.
// Every function throws Standard_Failure (or a kin of it) when the kernel gives up; the caller
// turns that into a message.
namespace kelvarin::model3d {

// The section of station `index` (0 for station 3, 8 for the tip) in its plane X = radius,
// turned to its blade angle as the turned template turns it: the leading end of its bottom
// line stays where the flat section has it while the trailing end drops back by the depth.
// The leading ends of all nine sections lie on one line parallel to X, placed so that the
// root section's bottom line has its middle on the blade axis; the blade thus has a straight
// leading edge, as the stacked turned templates have.
TopoDS_Wire placedSectionWire(const PropellerShape& shape, std::size_t index);

// One blade, lofted smoothly through the nine sections, closed by flat faces at station 3
// and at the tip.
TopoDS_Shape bladeLoft(const PropellerShape& shape);

// The hub block, centred on the rotation axis: as long across as the radius of the hub stations
// on either side, as wide as station 1 (wider if the root needs it), and as thick along the
// axis as the root it carries, with an allowance.
TopoDS_Shape hubBlock(const PropellerShape& shape);

// The whole propeller, right-hand: two blades, each with a root that runs straight from
// station 3 into the hub block, widening to the width of station 2 at the block's face, the
// second blade the first turned by 180° about Z; all faces sewn into one closed solid.
TopoDS_Shape propellerSolid(const PropellerShape& shape);

}  // namespace kelvarin::model3d
