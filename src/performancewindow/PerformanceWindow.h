// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "performance/Atmosphere.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

class QChart;
class QChartView;
class QLabel;

namespace kelvarin {

// The window "Характеристики винта": what the propeller will do with its engine. Above the plots
// the static thrust and the rpm at which the propeller absorbs the engine's power; below them
// thrust and efficiency against speed at the engine rpm, and absorbed power against rpm at rest
// and at the design speed with the engine's power as a line. Points where the analysis has no
// solution are left out as gaps. It owns no design: it is handed a propeller and recalculates at
// once.
class PerformanceWindow : public QWidget {
    Q_OBJECT

public:
    explicit PerformanceWindow(QWidget* parent = nullptr);

    // The air of the next calculations; the standard atmosphere at sea level until set.
    void setAir(const performance::AirState& air);

public slots:
    // Analyses the propeller with its engine and redraws everything. Input outside sense clears
    // the plots and shows the reason in Russian instead of the figures.
    void showPropeller(const kelvarin::performance::PropellerGeometry& geometry,
                       const kelvarin::performance::EngineAndFlight& engine);

signals:
    // The figures above the plots were rewritten (for a calculation or a refusal).
    void figuresChanged();

private:
    void clearPlots();
    void drawThrust(const performance::PerformanceSummary& summary);
    void drawPower(const performance::PerformanceSummary& summary,
                   const performance::EngineAndFlight& engine);

    performance::AirState air_;
    QLabel* figures_ = nullptr;
    QChart* thrustChart_ = nullptr;
    QChart* powerChart_ = nullptr;
    QChartView* thrustView_ = nullptr;
    QChartView* powerView_ = nullptr;
};

}  // namespace kelvarin
