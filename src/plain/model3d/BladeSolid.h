// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <TopoDS_Shape.hxx>
#include <TopoDS_Wire.hxx>

#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"

// The pieces of the propeller solid, in Open CASCADE's terms. Frame and units: millimetres; Z
// is the rotation axis and points in the direction of flight; the first blade lies along +X.
// Every function throws Standard_Failure (or a kin of it) when the kernel gives up, and
// ModelError for sizes that make no part; the caller turns the first into a message.
namespace kelvarin {

// The section of station `index` (0 for station 3, 8 for the tip) in its plane X = radius,
// turned to its blade angle as the turned template turns it: the leading end of its bottom
// line stays where the flat section has it while the trailing end drops back by the depth.
// The leading ends of all nine sections lie on one line parallel to X, placed so that the
// root section's bottom line has its middle on the blade axis; the blade thus has a straight
// leading edge, as the stacked turned templates have. The outline is one smooth closed curve
// (a periodic cubic spline) through the template's points, its trailing edge thickened to
// `trailingEdgeMm` and rounded.
TopoDS_Wire placedSectionWire(const PropellerShape& shape, std::size_t index,
                              double trailingEdgeMm);

// The round hub as built: its size and where it sits along the axis.
struct HubSize {
    double diameterMm = 0;
    double thicknessMm = 0;
    double middleZMm = 0;  // the hub's middle plane lies at this Z
};

// The hub's size for these options: a size of 0 follows the root (as wide as station 1 or
// the root with a twentieth spare on each side, whichever is more, and large enough for the
// bolt circle; as thick as the root along the axis with the same spare, or with room for the
// fillet if that is more). Throws ModelError,
// naming the value, for a hub too small or too thin for the root, one that reaches station 3,
// or bolt holes that do not fit it.
HubSize hubSize(const PropellerShape& shape, const HubOptions& hub);

// The whole propeller, right-hand: two blades, each lofted smoothly through its sections into
// a rounded tip and carried by a straight root from the round hub's side (RootJoint.h), the
// second blade the first turned by 180° about Z; blended into the hub by the fillet, the hub
// pierced by the bore and the bolt holes, all parallel to Z.
TopoDS_Shape propellerSolid(const PropellerShape& shape, const ModelOptions& options);

}  // namespace kelvarin
