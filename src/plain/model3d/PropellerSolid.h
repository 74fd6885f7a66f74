// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"

class TopoDS_Shape;

namespace kelvarin {

// The closed solid of the whole propeller, millimetres, rotation axis Z (pointing in the
// direction of flight), the blades along X. Built once, read by the writers and the mesher.
class PropellerSolid {
public:
    PropellerSolid(PropellerSolid&&) noexcept;
    PropellerSolid& operator=(PropellerSolid&&) noexcept;
    ~PropellerSolid();

    // The Open CASCADE solid, for code that speaks its language.
    const TopoDS_Shape& shape() const { return *shape_; }

private:
    explicit PropellerSolid(const TopoDS_Shape& shape);
    friend PropellerSolid buildPropellerSolid(const PropellerShape&, Handedness,
                                              const ModelOptions&);

    std::unique_ptr<TopoDS_Shape> shape_;
};

// Builds the propeller: each blade lofted through its nine sections into a rounded tip, a root
// into the round hub, the second blade turned 180° about Z, all fused into one closed, valid
// solid with the bore and bolt holes of the options; a left-hand propeller is the right-hand
// one mirrored across the plane XZ.
// Throws ModelError with a message for degenerate input (see checkShape), options that make no
// part (modelOptionsProblem, hubSize, a trailing edge too thick for a section), and when the
// geometric kernel fails or gives anything but one valid closed solid.
PropellerSolid buildPropellerSolid(const PropellerShape& shape,
                                   Handedness handedness = Handedness::Right,
                                   const ModelOptions& options = {});

}  // namespace kelvarin
