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

namespace kelvarin {

// Raised whenever the interface below changes, so that an old module is refused, not misused.
inline constexpr int kModelModuleVersion = 3;

// Each builds the design's solid for the hand and returns the text of what stopped it, in the
// program's language, empty when nothing did; no exception leaves the module.
struct ModelModuleApi {
    int version = kModelModuleVersion;
    // Only the checks of a degenerate design (zero width, a section turned along the axis, a
    // diameter beyond sense), which are quick: no solid is built.
    std::string (*checkModel)(const PropellerDesign& design) = nullptr;
    // The solid written to `path`, STEP or STL as the name says, whole or not at all.
    std::string (*writeModel)(const PropellerDesign& design, Handedness hand,
                              const ModelOptions& options, const std::string& path) = nullptr;
    // The solid meshed for the preview, coarser than for printing.
    std::string (*meshModel)(const PropellerDesign& design, Handedness hand,
                             const ModelOptions& options, TriangleMesh& mesh) = nullptr;
    // The blank, mass, balance and strength of the solid at the load.
    std::string (*describeModel)(const PropellerDesign& design, Handedness hand,
                                 const ModelOptions& options, const BladeLoad& load,
                                 ModelInfo& info) = nullptr;
    // The module's texts come from the program's catalogue (nullptr: Russian), which the module's
    // own copy of the translation library does not see otherwise. Handed over before each call,
    // so that the catalogue only needs to live through the call.
    void (*useCatalogue)(const TextCatalogue* catalogue) = nullptr;
};

// The module's file and the one function the loader looks up in it, which returns the
// interface.
inline constexpr char kModelModuleFile[] = "kelvarin-model.so";
inline constexpr char kModelModuleEntry[] = "kelvarinModelModule";
using ModelModuleEntry = const ModelModuleApi* (*)();

}  // namespace kelvarin
