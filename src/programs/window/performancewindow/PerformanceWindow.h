// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <optional>

#include "core/EnginePowerCurve.h"
#include "performance/Atmosphere.h"
#include "performance/PerformanceCurves.h"
#include "performance/PropellerGeometry.h"

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QSpinBox;

namespace kelvarin {
class EnginePowerEditor;
}

namespace kelvarin {

// The window "Характеристики винта": what the propeller will do with its engine. Above the plots
// the static thrust at the rpm where the engine balances the propeller, how far that is from the
// rated rpm, and the same at the design speed; below them thrust and efficiency against speed
// (at the rated rpm and with the engine), and absorbed power against rpm at rest and at the
// design speed with the engine's power over rpm. Under the plots a small editor of the engine's
// power curve. Points where the analysis has no
// solution are left out as gaps. It owns no design: it is handed a propeller and recalculates at
// once, and again for the same propeller when the user changes the air (altitude, and the
// temperature, standard for the altitude unless set).
class PerformanceWindow : public QWidget {
    Q_OBJECT

public:
    explicit PerformanceWindow(QWidget* parent = nullptr);

    // The air the controls show and the figures are for: the standard atmosphere at
    // `altitudeM`, at `temperatureC` when given (both are brought into their ranges). Sea level,
    // standard, until set.
    void setAir(double altitudeM, std::optional<double> temperatureC = std::nullopt);
    double altitudeM() const;
    // Nothing for the standard temperature at the altitude.
    std::optional<double> temperatureC() const;

    // The engine's power at other rpm the figures use (empty: constant torque below the rated
    // rpm). The engine handed to showPropeller() keeps its rated power and rpm; its curve is this
    // one, which a design brings with setEnginePowerCurve() and the user edits here.
    const EnginePowerCurve& enginePowerCurve() const;
    // A curve already checked (as a design file's reader checks it); recalculates without a
    // signal.
    void setEnginePowerCurve(const EnginePowerCurve& curve);

public slots:
    // Analyses the propeller with its engine and redraws everything. Input outside sense clears
    // the plots and shows the reason in Russian instead of the figures.
    void showPropeller(const kelvarin::PropellerGeometry& geometry,
                       const kelvarin::EngineAndFlight& engine);
    // No propeller to analyse: the plots empty, `reason` in their place.
    void showNoPropeller(const QString& reason);

signals:
    // The figures above the plots were rewritten (for a calculation or a refusal).
    void figuresChanged();
    // The user set another altitude or temperature.
    void airChanged();
    // The user applied another usable engine power curve; the design should keep it.
    void enginePowerCurveChanged();

private:
    struct Propeller {
        PropellerGeometry geometry;
        EngineAndFlight engine;
    };

    void applyAirControls();
    void analyse();
    void clearPlots();
    void drawThrust(const PerformanceSummary& summary,
                    const std::vector<OperatingPoint>& withEngine);
    void drawPower(const PerformanceSummary& summary, const EngineAndFlight& engine);

    AirState air_;
    std::optional<Propeller> propeller_;
    QSpinBox* altitude_ = nullptr;
    QCheckBox* standardTemperature_ = nullptr;
    QSpinBox* temperature_ = nullptr;
    QLabel* figures_ = nullptr;
    EnginePowerEditor* powerEditor_ = nullptr;
    QChart* thrustChart_ = nullptr;
    QChart* powerChart_ = nullptr;
    QChartView* thrustView_ = nullptr;
    QChartView* powerView_ = nullptr;
};

}  // namespace kelvarin
