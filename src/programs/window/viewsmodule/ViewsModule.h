// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the module of the windows drawn with Qt Charts and OpenGL offers the program that loads
// it: the window "Характеристики винта", the 3D preview and the hub's dialog. Qt Charts, Qt
// OpenGL and what they bring cost a start-up a dozen libraries, so the window loads them only
// when one of these is first opened (ViewsModuleLoader.h).

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/EnginePowerCurve.h"
#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/TriangleMesh.h"
#include "moduleloader/ProgramHooks.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

class QDialog;
class QWidget;

namespace kelvarin {

// Raised whenever the interface below changes, so that an old module is refused, not misused.
inline constexpr int kViewsModuleVersion = 2;

// The window "Характеристики винта" (performancewindow/PerformanceWindow.h) as the program sees
// it. The window belongs to its parent; this handle may be dropped before it, and its calls
// then stop.
class PerformanceView {
public:
    virtual ~PerformanceView() = default;

    virtual QWidget* widget() = 0;
    virtual void setAir(double altitudeM, std::optional<double> temperatureC) = 0;
    virtual double altitudeM() const = 0;
    virtual std::optional<double> temperatureC() const = 0;
    virtual EnginePowerCurve enginePowerCurve() const = 0;
    virtual void setEnginePowerCurve(const EnginePowerCurve& curve) = 0;
    virtual void showPropeller(const PropellerGeometry& geometry,
                               const EngineAndFlight& engine) = 0;
    virtual void showNoPropeller(const QString& reason) = 0;
};

// What the user does in the performance window that the program keeps.
struct PerformanceViewCalls {
    std::function<void()> airChanged;
    std::function<void()> enginePowerCurveChanged;
};

// The 3D preview (modelview/ModelPreviewDialog.h): a dialog the program shows, with the info
// beside it that the program computes.
class ModelPreview {
public:
    virtual ~ModelPreview() = default;

    virtual QDialog& dialog() = 0;
    // Shows the dialog and returns once its view has drawn its first frame (or cannot).
    virtual void showFirstFrame() = 0;
    virtual void setInfo(const ModelInfo& info, const std::string& woodKey,
                         const BladeLoad& load) = 0;
};

// The interface: no exception leaves the module, and nothing in it throws.
struct ViewsModuleApi {
    int version = kViewsModuleVersion;
    // Handed over once, right after loading.
    void (*followProgram)(const ProgramHooks& hooks) = nullptr;
    // A new performance window, hidden, a window of its own over `parent`.
    std::unique_ptr<PerformanceView> (*newPerformanceView)(QWidget* parent,
                                                           PerformanceViewCalls calls) = nullptr;
    // The preview of `mesh` over `parent`; `woodChosen` runs when the user picks another wood.
    std::unique_ptr<ModelPreview> (*newModelPreview)(
        TriangleMesh mesh, QWidget* parent,
        std::function<void(const std::string& woodKey)> woodChosen) = nullptr;
    // The hub's dialog, modal over `parent`: the options the user accepted, nothing when
    // cancelled.
    std::optional<ModelOptions> (*editHub)(const ModelOptions& options, QWidget* parent) = nullptr;
};

// The module's file and the one function the loader looks up in it, which returns the
// interface.
inline constexpr char kViewsModuleFile[] = "kelvarin-views.so";
inline constexpr char kViewsModuleEntry[] = "kelvarinViewsModule";
using ViewsModuleEntry = const ViewsModuleApi* (*)();

}  // namespace kelvarin
