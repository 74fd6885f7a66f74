// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/PerformanceActions.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

#include "designmodel/DesignModel.h"
#include "performance/DesignGeometry.h"
#include "performance/PerformanceError.h"
#include "performancewindow/PerformanceWindow.h"

namespace kelvarin {

namespace {

const QString kAltitudeKey = QStringLiteral("performance/altitudeM");
const QString kTemperatureKey = QStringLiteral("performance/temperatureC");

// A value the user may have edited in the settings file: a number, or nothing.
std::optional<double> numberSetting(const QSettings& settings, const QString& key) {
    bool ok = false;
    const double value = settings.value(key).toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

PerformanceActions::PerformanceActions(DesignModel& model, QWidget& window, QSettings& settings)
    : QObject(&window), model_(model), window_(window), settings_(settings) {
    show_ = new QAction(tr("&Характеристики винта"), this);
    show_->setObjectName(QStringLiteral("ActionPerformance"));
    const QString tip =
        tr("Статическая тяга, тяга и КПД по скорости, потребная мощность по оборотам");
    show_->setStatusTip(tip);
    show_->setToolTip(tip);
    connect(show_, &QAction::triggered, this, &PerformanceActions::showWindow);
}

void PerformanceActions::followCalculation() {
    if (performanceWindow_ != nullptr && performanceWindow_->isVisible()) {
        showPropeller();
    }
}

void PerformanceActions::followDocument() {
    if (performanceWindow_ != nullptr) {
        performanceWindow_->setEnginePowerCurve(model_.document().enginePowerCurve);
    }
}

void PerformanceActions::showWindow() {
    if (performanceWindow_ == nullptr) {
        // A window of its own, closed with the main one.
        performanceWindow_ = new PerformanceWindow(&window_);
        performanceWindow_->setWindowFlag(Qt::Window);
        performanceWindow_->setAir(numberSetting(settings_, kAltitudeKey).value_or(0),
                                   numberSetting(settings_, kTemperatureKey));
        connect(performanceWindow_, &PerformanceWindow::airChanged, this,
                &PerformanceActions::rememberAir);
        performanceWindow_->setEnginePowerCurve(model_.document().enginePowerCurve);
        // The curve the user applies belongs to the design, and its file.
        connect(performanceWindow_, &PerformanceWindow::enginePowerCurveChanged, this,
                [this] { model_.setEnginePowerCurve(performanceWindow_->enginePowerCurve()); });
    }
    showPropeller();
    performanceWindow_->show();
    performanceWindow_->raise();
    performanceWindow_->activateWindow();
}

void PerformanceActions::showPropeller() {
    if (model_.isCalculated()) {
        try {
            performanceWindow_->showPropeller(geometryFromDesign(model_.calculatedDesign()),
                                              engineAndFlightOf(model_.engine()));
        } catch (const PerformanceError& e) {
            performanceWindow_->showNoPropeller(QString::fromUtf8(e.what()));
        }
    } else {
        performanceWindow_->showNoPropeller(
            tr("Винт еще не рассчитан. Задайте исходные данные в главном окне и "
               "нажмите «Расчет»: характеристики появятся здесь и будут следовать "
               "за каждым расчетом."));
    }
}

void PerformanceActions::rememberAir() {
    settings_.setValue(kAltitudeKey, performanceWindow_->altitudeM());
    if (const auto temperature = performanceWindow_->temperatureC()) {
        settings_.setValue(kTemperatureKey, *temperature);
    } else {
        settings_.remove(kTemperatureKey);
    }
    settings_.sync();
}

}  // namespace kelvarin
