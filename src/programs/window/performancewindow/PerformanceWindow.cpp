// SPDX-License-Identifier: GPL-3.0-or-later
#include "PerformanceWindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "EnginePowerEditor.h"
#include "core/AvxUpperHalves.h"
#include "performance/EngineBalance.h"
#include "performance/ModelConstants.h"
#include "performance/PerformanceError.h"
#include "performance/PropellerAnalysis.h"

namespace kelvarin {

namespace {

// Speeds of the thrust curve with the engine: each point is a balance, a few analyses each.
constexpr int kBalancedCurvePoints = 21;

// The user's decimal separator, as in the main window, but no group separator: "2300 об/мин"
// reads the same in every locale, where "2,300" would read as a fraction in Russian text.
QLocale displayLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString number(double value, int decimals) {
    return displayLocale().toString(value, 'f', decimals);
}

QChart* makeChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setLocalizeNumbers(true);
    chart->setLocale(displayLocale());
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QValueAxis* makeAxis(const QString& title, double low, double high) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high > low ? high : low + 1.0);
    axis->applyNiceNumbers();
    // Whole numbers unless the scale is small; the chart writes them with the locale's comma.
    axis->setLabelFormat(axis->max() - axis->min() < 10 ? "%.1f" : "%.0f");
    return axis;
}

// One curve of a quantity over the points, drawn as runs of solved points: a point without
// solution breaks the line, so a gap shows where the analysis found none. Only the first run
// names the curve in the legend.
void addCurve(QChart* chart, const std::vector<OperatingPoint>& points, const QString& name,
              const QPen& pen, double OperatingPoint::*x,
              const std::function<double(const OperatingPoint&)>& y, QValueAxis* xAxis,
              QValueAxis* yAxis) {
    // Each run's points go in at once, before the series joins the chart: a point appended to a
    // series on a chart has the chart work out the curve's shape again, point by point.
    QList<QList<QPointF>> runs;
    bool inRun = false;
    for (const OperatingPoint& p : points) {
        if (!p.converged) {
            inRun = false;
            continue;
        }
        if (!inRun) {
            runs.append(QList<QPointF>());
            inRun = true;
        }
        runs.last().append(QPointF(p.*x, y(p)));
    }
    bool named = false;
    for (const QList<QPointF>& run : runs) {
        auto* series = new QLineSeries;
        series->setName(name);
        series->setPen(pen);
        series->append(run);
        chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
        for (QLegendMarker* marker : chart->legend()->markers(series)) {
            marker->setVisible(!named);
        }
        named = true;
    }
}

double largest(const std::vector<OperatingPoint>& points,
               const std::function<double(const OperatingPoint&)>& y) {
    double top = 0;
    for (const OperatingPoint& p : points) {
        if (p.converged) {
            top = std::max(top, y(p));
        }
    }
    return top;
}

}  // namespace

PerformanceWindow::PerformanceWindow(QWidget* parent) : QWidget(parent), air_(airAt(0)) {
    setWindowTitle(tr("Характеристики винта"));
    setObjectName(QStringLiteral("PerformanceForm"));

    // Whole metres and degrees are finer than the atmosphere model; the figures follow a value
    // once it is entered, not at every key.
    altitude_ = new QSpinBox(this);
    altitude_->setObjectName(QStringLiteral("EditAltitude"));
    altitude_->setRange(static_cast<int>(kMinAltitudeM), static_cast<int>(kMaxAltitudeM));
    altitude_->setSingleStep(100);
    altitude_->setSuffix(tr(" м"));
    altitude_->setKeyboardTracking(false);
    altitude_->setToolTip(tr("Высота над уровнем моря, на которой работает винт"));
    temperature_ = new QSpinBox(this);
    temperature_->setObjectName(QStringLiteral("EditTemperature"));
    temperature_->setRange(static_cast<int>(kMinTemperatureC), static_cast<int>(kMaxTemperatureC));
    temperature_->setSuffix(QStringLiteral(" °C"));
    temperature_->setKeyboardTracking(false);
    temperature_->setToolTip(tr("Температура воздуха; давление остается стандартным"));
    standardTemperature_ = new QCheckBox(tr("по стандартной атмосфере"), this);
    standardTemperature_->setObjectName(QStringLiteral("CheckStandardAir"));
    standardTemperature_->setChecked(true);
    temperature_->setEnabled(false);
    const auto changedByUser = [this] {
        temperature_->setEnabled(!standardTemperature_->isChecked());
        applyAirControls();
        emit airChanged();
    };
    connect(altitude_, &QSpinBox::valueChanged, this, changedByUser);
    connect(temperature_, &QSpinBox::valueChanged, this, changedByUser);
    connect(standardTemperature_, &QCheckBox::toggled, this, changedByUser);
    auto* airRow = new QHBoxLayout;
    auto* altitudeLabel = new QLabel(tr("Высота над уровнем моря:"), this);
    altitudeLabel->setBuddy(altitude_);
    auto* temperatureLabel = new QLabel(tr("Температура воздуха:"), this);
    temperatureLabel->setBuddy(temperature_);
    airRow->addWidget(altitudeLabel);
    airRow->addWidget(altitude_);
    airRow->addSpacing(16);
    airRow->addWidget(temperatureLabel);
    airRow->addWidget(temperature_);
    airRow->addWidget(standardTemperature_);
    airRow->addStretch(1);

    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("LabFigures"));
    figures_->setTextFormat(Qt::RichText);
    figures_->setWordWrap(true);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    thrustChart_ = makeChart(tr("Тяга и КПД по скорости"));
    powerChart_ = makeChart(tr("Потребная мощность по оборотам"));
    thrustView_ = new QChartView(thrustChart_, this);
    thrustView_->setObjectName(QStringLiteral("ChartThrust"));
    thrustView_->setRenderHint(QPainter::Antialiasing);
    powerView_ = new QChartView(powerChart_, this);
    powerView_->setObjectName(QStringLiteral("ChartPower"));
    powerView_->setRenderHint(QPainter::Antialiasing);

    powerEditor_ = new EnginePowerEditor(this);
    connect(powerEditor_, &EnginePowerEditor::curveChanged, this, [this] {
        if (propeller_) {
            analyse();
        }
        emit enginePowerCurveChanged();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(airRow);
    layout->addWidget(figures_);
    layout->addWidget(thrustView_, 1);
    layout->addWidget(powerView_, 1);
    layout->addWidget(powerEditor_);
    resize(760, 960);
    applyAirControls();
}

void PerformanceWindow::setAir(double altitudeM, std::optional<double> temperatureC) {
    {
        const QSignalBlocker blockAltitude(altitude_);
        const QSignalBlocker blockTemperature(temperature_);
        const QSignalBlocker blockStandard(standardTemperature_);
        // Out of range or not a number: the spin boxes bring it to their nearest limit.
        altitude_->setValue(std::isfinite(altitudeM)
                                ? static_cast<int>(std::lround(std::clamp(altitudeM, -1e6, 1e6)))
                                : 0);
        standardTemperature_->setChecked(!temperatureC || !std::isfinite(*temperatureC));
        if (!standardTemperature_->isChecked()) {
            temperature_->setValue(
                static_cast<int>(std::lround(std::clamp(*temperatureC, -1e6, 1e6))));
        }
        temperature_->setEnabled(!standardTemperature_->isChecked());
    }
    applyAirControls();
}

double PerformanceWindow::altitudeM() const {
    return altitude_->value();
}

std::optional<double> PerformanceWindow::temperatureC() const {
    if (standardTemperature_->isChecked()) {
        return std::nullopt;
    }
    return temperature_->value();
}

const EnginePowerCurve& PerformanceWindow::enginePowerCurve() const {
    return powerEditor_->curve();
}

void PerformanceWindow::setEnginePowerCurve(const EnginePowerCurve& curve) {
    powerEditor_->setCurve(curve);
    if (propeller_) {
        analyse();
    }
}

void PerformanceWindow::applyAirControls() {
    // Both controls hold values within the atmosphere's ranges, so this never refuses.
    air_ = airAt(altitudeM(), temperatureC());
    if (standardTemperature_->isChecked()) {
        const QSignalBlocker blockTemperature(temperature_);
        temperature_->setValue(static_cast<int>(std::lround(air_.temperatureK - kZeroCelsiusK)));
    }
    if (propeller_) {
        analyse();
    }
}

void PerformanceWindow::clearPlots() {
    for (QChart* chart : {thrustChart_, powerChart_}) {
        chart->removeAllSeries();
        for (QAbstractAxis* axis : chart->axes()) {
            chart->removeAxis(axis);
            delete axis;
        }
    }
    // The views repaint only what they see changed, and the labels of the axes just removed
    // are not among it: without a full repaint they stay on screen under the new ones.
    thrustView_->viewport()->update();
    powerView_->viewport()->update();
}

void PerformanceWindow::showPropeller(const PropellerGeometry& geometry,
                                      const EngineAndFlight& engine) {
    propeller_ = Propeller{geometry, engine};
    powerEditor_->setRatedEngine(engine.rpm, engine.enginePowerHp);
    analyse();
}

void PerformanceWindow::showNoPropeller(const QString& reason) {
    propeller_.reset();
    clearPlots();
    figures_->setText(reason.toHtmlEscaped());
    emit figuresChanged();
}

void PerformanceWindow::analyse() {
    EngineAndFlight engine = propeller_->engine;
    engine.powerCurve = powerEditor_->curve();
    clearPlots();
    clearAvxUpperHalves();
    PerformanceSummary summary;
    EngineBalances balances;
    std::vector<OperatingPoint> withEngine;
    try {
        const PropellerAnalysis analysis(propeller_->geometry, air_);
        summary = summarize(analysis, engine);
        balances = engineBalances(analysis, engine);
        std::vector<double> speeds(kBalancedCurvePoints);
        const double top = summary.bySpeed.empty() ? 0 : summary.bySpeed.back().speedKmh;
        for (int i = 0; i < kBalancedCurvePoints; ++i) {
            speeds[static_cast<std::size_t>(i)] = top * i / (kBalancedCurvePoints - 1);
        }
        withEngine = balancedSweep(analysis, engine, speeds);
    } catch (const PerformanceError& e) {
        figures_->setText(tr("Расчет характеристик невозможен: %1")
                              .arg(QString::fromUtf8(e.what()))
                              .toHtmlEscaped());
        emit figuresChanged();
        return;
    }

    QString text;
    const BalancedPoint& rest = balances.atRest;
    if (rest.found()) {
        text = tr("Статическая тяга <b>%1 кгс при %2 об/мин</b> (%3 Н; винт поглощает %4 л.с., "
                  "число Маха конца лопасти %5).")
                   .arg(number(rest.point.thrustKgf, 1), number(rest.point.rpm, 0),
                        number(rest.point.thrustN, 0), number(rest.point.powerHp, 1),
                        number(rest.tipMach, 2));
        text += QStringLiteral("<br>");
    }
    text += QString::fromStdString(rpmVerdict(engine, rest)).toHtmlEscaped();
    const BalancedPoint& cruise = balances.atDesignSpeed;
    if (cruise.found()) {
        text += tr("<br>При %1 км/ч: тяга %2 кгс при %3 об/мин, КПД %4 %.")
                    .arg(number(engine.designSpeedKmh, 0), number(cruise.point.thrustKgf, 1),
                         number(cruise.point.rpm, 0), number(100 * cruise.point.efficiency, 0));
    }
    if (summary.atRest.converged) {
        text += tr("<br>На номинальных %1 об/мин винт на месте поглощал бы %2 л.с. при "
                   "мощности двигателя %3 л.с.")
                    .arg(number(engine.rpm, 0), number(summary.atRest.powerHp, 1),
                         number(engine.enginePowerHp, 1));
    }
    const bool gaps =
        std::any_of(summary.bySpeed.begin(), summary.bySpeed.end(),
                    [](const OperatingPoint& p) { return !p.converged; }) ||
        std::any_of(summary.powerAtRest.begin(), summary.powerAtRest.end(),
                    [](const OperatingPoint& p) { return !p.converged; }) ||
        std::any_of(summary.powerAtDesignSpeed.begin(), summary.powerAtDesignSpeed.end(),
                    [](const OperatingPoint& p) { return !p.converged; });
    if (gaps) {
        text += tr("<br>Разрывы кривых — режимы, для которых расчет не сошелся.");
    }
    text += tr("<br><small>Воздух: высота %1 м, %2 °C, плотность %3 кг/м³.</small>")
                .arg(number(air_.altitudeM, 0), number(air_.temperatureK - 273.15, 1),
                     number(air_.densityKgM3, 3));
    figures_->setText(text);

    drawThrust(summary, withEngine);
    drawPower(summary, engine);
    emit figuresChanged();
}

void PerformanceWindow::drawThrust(const PerformanceSummary& summary,
                                   const std::vector<OperatingPoint>& withEngine) {
    const auto thrust = [](const OperatingPoint& p) { return p.thrustKgf; };
    const auto efficiency = [](const OperatingPoint& p) { return 100.0 * p.efficiency; };
    const double topSpeed = summary.bySpeed.empty() ? 1.0 : summary.bySpeed.back().speedKmh;
    auto* speedAxis = makeAxis(tr("Скорость, км/ч"), 0, topSpeed);
    auto* thrustAxis =
        makeAxis(tr("Тяга, кгс"), 0,
                 1.1 * std::max(largest(summary.bySpeed, thrust), largest(withEngine, thrust)));
    auto* efficiencyAxis = makeAxis(tr("КПД, %"), 0, 100);
    thrustChart_->addAxis(speedAxis, Qt::AlignBottom);
    thrustChart_->addAxis(thrustAxis, Qt::AlignLeft);
    thrustChart_->addAxis(efficiencyAxis, Qt::AlignRight);
    addCurve(thrustChart_, withEngine, tr("Тяга с двигателем"), QPen(QColor(0, 90, 170), 2),
             &OperatingPoint::speedKmh, thrust, speedAxis, thrustAxis);
    QPen rated(QColor(0, 90, 170), 1);
    rated.setStyle(Qt::DotLine);
    addCurve(thrustChart_, summary.bySpeed, tr("Тяга на номинальных оборотах"), rated,
             &OperatingPoint::speedKmh, thrust, speedAxis, thrustAxis);
    QPen dashed(QColor(200, 80, 0), 2);
    dashed.setStyle(Qt::DashLine);
    addCurve(thrustChart_, summary.bySpeed, tr("КПД"), dashed, &OperatingPoint::speedKmh,
             efficiency, speedAxis, efficiencyAxis);
}

void PerformanceWindow::drawPower(const PerformanceSummary& summary,
                                  const EngineAndFlight& engine) {
    const auto power = [](const OperatingPoint& p) { return p.powerHp; };
    const double lowRpm = summary.powerAtRest.empty() ? 0 : summary.powerAtRest.front().rpm;
    const double highRpm = summary.powerAtRest.empty() ? 1 : summary.powerAtRest.back().rpm;
    double enginePeak = engine.enginePowerHp;
    for (const EnginePowerPoint& p : engine.powerCurve) {
        enginePeak = std::max(enginePeak, p.powerHp);
    }
    const double top = std::max({largest(summary.powerAtRest, power),
                                 largest(summary.powerAtDesignSpeed, power), enginePeak});
    auto* rpmAxis = makeAxis(tr("Обороты винта, об/мин"), lowRpm, highRpm);
    auto* powerAxis = makeAxis(tr("Мощность, л.с."), 0, 1.1 * top);
    powerChart_->addAxis(rpmAxis, Qt::AlignBottom);
    powerChart_->addAxis(powerAxis, Qt::AlignLeft);
    addCurve(powerChart_, summary.powerAtRest, tr("На месте"), QPen(QColor(0, 90, 170), 2),
             &OperatingPoint::rpm, power, rpmAxis, powerAxis);
    addCurve(powerChart_, summary.powerAtDesignSpeed,
             tr("При %1 км/ч").arg(number(engine.designSpeedKmh, 0)), QPen(QColor(0, 140, 60), 2),
             &OperatingPoint::rpm, power, rpmAxis, powerAxis);
    auto* engineLine = new QLineSeries;
    engineLine->setName(tr("Мощность двигателя"));
    QPen enginePen(QColor(180, 0, 0), 2);
    enginePen.setStyle(Qt::DashLine);
    engineLine->setPen(enginePen);
    // The engine's power over the rpm: where it crosses a curve, the engine balances it.
    QList<QPointF> enginePoints;
    constexpr int kEnginePoints = 60;
    for (int i = 0; i <= kEnginePoints; ++i) {
        const double rpm = rpmAxis->min() + (rpmAxis->max() - rpmAxis->min()) * i / kEnginePoints;
        enginePoints.append(QPointF(rpm, enginePowerKw(engine, rpm) * 1000.0 / kMetricHorsepowerW));
    }
    engineLine->append(enginePoints);
    powerChart_->addSeries(engineLine);
    engineLine->attachAxis(rpmAxis);
    engineLine->attachAxis(powerAxis);

    auto* rpmLine = new QLineSeries;
    rpmLine->setName(tr("Обороты двигателя"));
    QPen rpmPen(QColor(120, 120, 120), 1);
    rpmPen.setStyle(Qt::DotLine);
    rpmLine->setPen(rpmPen);
    rpmLine->append(engine.rpm, powerAxis->min());
    rpmLine->append(engine.rpm, powerAxis->max());
    powerChart_->addSeries(rpmLine);
    rpmLine->attachAxis(rpmAxis);
    rpmLine->attachAxis(powerAxis);
}

}  // namespace kelvarin
