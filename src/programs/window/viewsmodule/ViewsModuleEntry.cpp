// SPDX-License-Identifier: GPL-3.0-or-later
// The module itself: the performance window, the 3D preview and the hub's dialog behind the
// plain interface of ViewsModule.h.
#include <QDialog>
#include <QPointer>

#include "modelview/HubDialog.h"
#include "modelview/ModelInfoPanel.h"
#include "modelview/ModelPreviewDialog.h"
#include "performancewindow/PerformanceWindow.h"
#include "viewsmodule/ViewsModule.h"

namespace kelvarin {

namespace {

// The handle is the context of the window's signals: once it is dropped, the program's
// callbacks are no longer called.
class PerformanceWindowView : public QObject, public PerformanceView {
public:
    PerformanceWindowView(QWidget* parent, PerformanceViewCalls calls)
        : window_(new PerformanceWindow(parent)), calls_(std::move(calls)) {
        window_->setWindowFlag(Qt::Window);
        connect(window_, &PerformanceWindow::airChanged, this, [this] {
            if (calls_.airChanged) {
                calls_.airChanged();
            }
        });
        connect(window_, &PerformanceWindow::enginePowerCurveChanged, this, [this] {
            if (calls_.enginePowerCurveChanged) {
                calls_.enginePowerCurveChanged();
            }
        });
    }

    QWidget* widget() override { return window_; }
    void setAir(double altitudeM, std::optional<double> temperatureC) override {
        if (window_ != nullptr) {
            window_->setAir(altitudeM, temperatureC);
        }
    }
    double altitudeM() const override { return window_ != nullptr ? window_->altitudeM() : 0; }
    std::optional<double> temperatureC() const override {
        return window_ != nullptr ? window_->temperatureC() : std::nullopt;
    }
    EnginePowerCurve enginePowerCurve() const override {
        return window_ != nullptr ? window_->enginePowerCurve() : EnginePowerCurve{};
    }
    void setEnginePowerCurve(const EnginePowerCurve& curve) override {
        if (window_ != nullptr) {
            window_->setEnginePowerCurve(curve);
        }
    }
    void showPropeller(const PropellerGeometry& geometry, const EngineAndFlight& engine) override {
        if (window_ != nullptr) {
            window_->showPropeller(geometry, engine);
        }
    }
    void showNoPropeller(const QString& reason) override {
        if (window_ != nullptr) {
            window_->showNoPropeller(reason);
        }
    }

private:
    QPointer<PerformanceWindow> window_;
    PerformanceViewCalls calls_;
};

class PreviewDialog : public QObject, public ModelPreview {
public:
    PreviewDialog(TriangleMesh mesh, QWidget* parent,
                  std::function<void(const std::string&)> woodChosen)
        : dialog_(std::move(mesh), parent), woodChosen_(std::move(woodChosen)) {
        connect(dialog_.infoPanel(), &ModelInfoPanel::woodChanged, this,
                [this](const std::string& wood) {
                    if (woodChosen_) {
                        woodChosen_(wood);
                    }
                });
    }

    QDialog& dialog() override { return dialog_; }
    void showFirstFrame() override { dialog_.showFirstFrame(); }
    void setInfo(const ModelInfo& info, const std::string& woodKey,
                 const BladeLoad& load) override {
        dialog_.infoPanel()->setInfo(info, woodKey, load);
    }

private:
    ModelPreviewDialog dialog_;
    std::function<void(const std::string&)> woodChosen_;
};

std::unique_ptr<PerformanceView> newPerformanceView(QWidget* parent, PerformanceViewCalls calls) {
    return std::make_unique<PerformanceWindowView>(parent, std::move(calls));
}

std::unique_ptr<ModelPreview> newModelPreview(TriangleMesh mesh, QWidget* parent,
                                              std::function<void(const std::string&)> woodChosen) {
    return std::make_unique<PreviewDialog>(std::move(mesh), parent, std::move(woodChosen));
}

std::optional<ModelOptions> editHub(const ModelOptions& options, QWidget* parent) {
    HubDialog dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.options();
}

const ViewsModuleApi kApi{kViewsModuleVersion, &followProgram, &newPerformanceView,
                          &newModelPreview, &editHub};

}  // namespace

}  // namespace kelvarin

extern "C" __attribute__((visibility("default"))) const kelvarin::ViewsModuleApi*
kelvarinViewsModule() {
    return &kelvarin::kApi;
}
