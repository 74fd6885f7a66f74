// SPDX-License-Identifier: GPL-3.0-or-later
#include "actions/PerformanceActions.h"

#include <QAction>
#include <QSettings>
#include <QWidget>

#include "designmodel/DesignModel.h"
#include "performance/DesignGeometry.h"
#include "performance/PerformanceError.h"
#include "services/FailureMessages.h"
#include "viewsmodule/ViewsModuleLoader.h"

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

PerformanceActions::PerformanceActions(DesignModel& model, QWidget& window, QSettings& settings,
                                       MessageBoxes& messages)
    : QObject(&window), model_(model), window_(window), settings_(settings), messages_(messages) {
    show_ = new QAction(tr("&Характеристики винта"), this);
    show_->setObjectName(QStringLiteral("ActionPerformance"));
    const QString tip =
        tr("Статическая тяга, тяга и КПД по скорости, потребная мощность по оборотам");
    show_->setStatusTip(tip);
    show_->setToolTip(tip);
    connect(show_, &QAction::triggered, this,
            [this] { runGuarded(messages_, &window_, [this] { showWindow(); }); });
}

PerformanceActions::~PerformanceActions() = default;

QWidget* PerformanceActions::performanceWindow() const {
    return performanceView_ ? performanceView_->widget() : nullptr;
}

void PerformanceActions::followCalculation() {
    const QWidget* window = performanceWindow();
    if (window != nullptr && window->isVisible()) {
        showPropeller();
    }
}

void PerformanceActions::followDocument() {
    if (performanceView_) {
        performanceView_->setEnginePowerCurve(model_.document().enginePowerCurve);
    }
}

void PerformanceActions::showWindow() {
    // Made at the first opening, or again should Qt have deleted it with its parent.
    if (performanceWindow() == nullptr) {
        makeWindow();
    }
    showPropeller();
    QWidget* window = performanceView_->widget();
    window->show();
    window->raise();
    window->activateWindow();
}

void PerformanceActions::makeWindow() {
    // A window of its own, closed with the main one.
    performanceView_ = viewsModule().newPerformanceView(
        &window_, {[this] { rememberAir(); },
                   // The curve the user applies belongs to the design, and its file.
                   [this] { model_.setEnginePowerCurve(performanceView_->enginePowerCurve()); }});
    performanceView_->setAir(numberSetting(settings_, kAltitudeKey).value_or(0),
                             numberSetting(settings_, kTemperatureKey));
    performanceView_->setEnginePowerCurve(model_.document().enginePowerCurve);
}

void PerformanceActions::showPropeller() {
    if (model_.isCalculated()) {
        try {
            performanceView_->showPropeller(geometryFromDesign(model_.calculatedDesign()),
                                            engineAndFlightOf(model_.engine()));
        } catch (const PerformanceError& e) {
            performanceView_->showNoPropeller(QString::fromUtf8(e.what()));
        }
    } else {
        performanceView_->showNoPropeller(
            tr("Винт еще не рассчитан. Задайте исходные данные в главном окне и "
               "нажмите «Расчет»: характеристики появятся здесь и будут следовать "
               "за каждым расчетом."));
    }
}

void PerformanceActions::rememberAir() {
    settings_.setValue(kAltitudeKey, performanceView_->altitudeM());
    if (const auto temperature = performanceView_->temperatureC()) {
        settings_.setValue(kTemperatureKey, *temperature);
    } else {
        settings_.remove(kTemperatureKey);
    }
    settings_.sync();
}

}  // namespace kelvarin
