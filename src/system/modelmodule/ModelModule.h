// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the module of the solid offers the program that loads it. Open CASCADE's libraries are
// linked to bind every symbol at load (Debian builds them so), which costs a process about 30 ms
// before main: the window and the tool load them only when a model is asked for, through this
// module (ModelModuleLoader.h).

#include <string>

#include "core/PropellerDesign.h"
#include "core/Translation.h"
#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"
#include "model3d/TriangleMesh.h"
#include "moduleloader/ProgramHooks.h"

namespace kelvarin {

// Raised whenever the interface below changes, so that an old module is refused, not misused.
inline constexpr int kModelModuleVersion = 5;

// A design's solid as the module built it, with what it has worked out of it since (its
// meshes, its measures), kept until released. Only the module looks inside.
struct ModelModuleSolid;

// Each returns the text of what stopped it, in the program's language, empty when nothing
// did; no exception leaves the module.
struct ModelModuleApi {
    int version = kModelModuleVersion;
    // Only the checks of a degenerate design (zero width, a section turned along the axis, a
    // diameter beyond sense), which are quick: no solid is built.
    std::string (*checkModel)(const PropellerDesign& design) = nullptr;
    // Builds the design's solid for the hand into `solid`, the caller's to release.
    std::string (*buildModel)(const PropellerDesign& design, Handedness hand,
                              const ModelOptions& options, ModelModuleSolid** solid) = nullptr;
    // Whether the solid is the one the design, hand and options build (the wood aside).
    bool (*isModelOf)(const ModelModuleSolid* solid, const PropellerDesign& design, Handedness hand,
                      const ModelOptions& options) = nullptr;
    // The solid written to `path`, STEP or STL as the name says, whole or not at all.
    std::string (*writeModel)(ModelModuleSolid* solid, const std::string& path) = nullptr;
    // The solid meshed for the preview, coarser than for printing.
    std::string (*meshModel)(ModelModuleSolid* solid, TriangleMesh& mesh) = nullptr;
    // The blank, mass, balance and strength of the solid at the load, for the options' wood
    // and density (the rest are the solid's own).
    std::string (*describeModel)(ModelModuleSolid* solid, const ModelOptions& options,
                                 const BladeLoad& load, ModelInfo& info) = nullptr;
    void (*releaseModel)(ModelModuleSolid* solid) = nullptr;
    // The module's texts and numbers follow the program's catalogue and decimal separator, which
    // the module's own copy of the plain libraries does not see otherwise. Handed over once, at
    // loading.
    void (*followProgram)(const ProgramHooks& hooks) = nullptr;
};

// The module's file and the one function the loader looks up in it, which returns the
// interface.
inline constexpr char kModelModuleFile[] = "kelvarin-model.so";
inline constexpr char kModelModuleEntry[] = "kelvarinModelModule";
using ModelModuleEntry = const ModelModuleApi* (*)();

}  // namespace kelvarin
