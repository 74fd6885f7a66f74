// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>

#include "core/InputFields.h"
#include "core/PropellerDesign.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

class QAction;
class QSettings;
class QWidget;

namespace kelvarin {

class PerformanceWindow;

// The window "Характеристики винта" for the menu: its action opens it (made at the first
// opening, a window of its own over the main one), and it follows every completed calculation
// at once while it is open; before the first one it says there is nothing to analyse yet. The
// air the user sets in it is remembered in the settings.
class PerformanceActions : public QObject {
    Q_OBJECT
public:
    PerformanceActions(QWidget& window, QSettings& settings);

    QAction* showAction() const { return show_; }
    // Nothing until first opened.
    PerformanceWindow* performanceWindow() const { return performanceWindow_; }

    // The design of a completed calculation, in the mode and from the texts it was calculated
    // with (the manual mode's engine is in its texts).
    void follow(const PropellerDesign& design, InputMode mode, const FieldTexts& texts);
    // Opens the window, or brings it to the front, showing the last calculated propeller.
    void showWindow();

private:
    struct Propeller {
        performance::PropellerGeometry geometry;
        performance::EngineAndFlight engine;
    };

    void showPropeller();
    void rememberAir();

    QWidget& window_;
    QSettings& settings_;
    QAction* show_ = nullptr;
    PerformanceWindow* performanceWindow_ = nullptr;
    std::optional<Propeller> propeller_;
};

}  // namespace kelvarin
