// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "core/PropellerDesign.h"
#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"
#include "model3d/TriangleMesh.h"

namespace kelvarin {

// The solid of a design through the module, loaded at the first call and kept to the end of
// the process. It is looked for beside the program (the build tree), then in the installed
// module folder (kModuleDirFromProgram). Both throw ModelError with the Russian reason:
// a design that makes no solid, a failed write, or a module that is missing, does not load or
// is of another version.

// Checks that the design is worth a solid (a width, an angle, a diameter within sense) without
// building it.
void checkDesignModel(const PropellerDesign& design);

// Builds the design's solid for the hand and writes it to `path`, STEP or STL as its name says.
void writeDesignModel(const PropellerDesign& design, Handedness hand, const ModelOptions& options,
                      const std::string& path);
// The same with the default options.
void writeDesignModel(const PropellerDesign& design, Handedness hand, const std::string& path);

// Builds the design's solid for the hand and meshes it for the preview.
TriangleMesh meshDesignModel(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options = {});

// Builds the design's solid and tells its blank, mass, balance and strength at the load.
ModelInfo describeDesignModel(const PropellerDesign& design, Handedness hand,
                              const ModelOptions& options, const BladeLoad& load);

// For tests, whose programs live elsewhere: the module to load instead, before the first call.
void useModelModuleFile(const std::string& path);

}  // namespace kelvarin
