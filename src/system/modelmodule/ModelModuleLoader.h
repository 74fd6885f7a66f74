// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/PropellerDesign.h"
#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"
#include "model3d/TriangleMesh.h"

namespace kelvarin {

struct ModelModuleSolid;

// The solid of a design through the module, loaded at the first call and kept to the end of
// the process. It is looked for beside the program (the build tree), then in the installed
// module folder (kModuleDirFromProgram). Both throw ModelError with the Russian reason:
// a design that makes no solid, a failed write, or a module that is missing, does not load or
// is of another version.

// Checks that the design is worth a solid (a width, an angle, a diameter within sense) without
// building it.
void checkDesignModel(const PropellerDesign& design);

// A design's solid, built once by the module and kept while this lives, with its preview's
// mesh and its measures once worked out: the preview, its info for each wood and the export of
// the same design ask for them again and again.
class DesignSolid {
public:
    DesignSolid(DesignSolid&& other) noexcept;
    DesignSolid& operator=(DesignSolid&& other) noexcept;
    ~DesignSolid();

    // Whether this is the solid of the design, hand and options (their wood aside).
    bool isOf(const PropellerDesign& design, Handedness hand, const ModelOptions& options) const;

private:
    explicit DesignSolid(ModelModuleSolid* solid) : solid_(solid) {}
    friend DesignSolid buildDesignSolid(const PropellerDesign&, Handedness, const ModelOptions&);
    friend void writeDesignModel(const DesignSolid&, const std::string&);
    friend TriangleMesh meshDesignModel(const DesignSolid&);
    friend ModelInfo describeDesignModel(const DesignSolid&, const ModelOptions&, const BladeLoad&);

    ModelModuleSolid* solid_ = nullptr;
};

// Builds the design's solid for the hand.
DesignSolid buildDesignSolid(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options);
// Writes it to `path`, STEP or STL as its name says.
void writeDesignModel(const DesignSolid& solid, const std::string& path);
// Meshes it for the preview.
TriangleMesh meshDesignModel(const DesignSolid& solid);
// Its blank, mass, balance and strength at the load, for the options' wood and density.
ModelInfo describeDesignModel(const DesignSolid& solid, const ModelOptions& options,
                              const BladeLoad& load);

// The same, building the design's solid for the one call.
void writeDesignModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                      const std::string& path);
void writeDesignModel(const PropellerDesign& design, Handedness hand, const std::string& path);
TriangleMesh meshDesignModel(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options = {});
ModelInfo describeDesignModel(const PropellerDesign& design, Handedness hand,
                              const ModelOptions& options, const BladeLoad& load);

// For tests, whose programs live elsewhere: the module to load instead, before the first call.
void useModelModuleFile(const std::string& path);

}  // namespace kelvarin
