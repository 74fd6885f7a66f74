// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <optional>

#include "model3d/ModelInfo.h"
#include "model3d/ModelOptions.h"
#include "model3d/PropellerShape.h"
#include "modelmodule/ModelModuleLoader.h"

class QAction;
class QSettings;
class QWidget;

namespace kelvarin {

class DesignModel;
class FileDialogs;
class MessageBoxes;

// The propeller as a solid, for the menus: "Сохранить модель…" (STEP or STL, as the file's
// name says), "3D-модель…" (the preview) and "Левый винт" (a mirrored propeller for both,
// remembered in the settings with the folder and format last saved). The model is that of the
// last completed calculation; before one, both actions say so instead. The solid is built under
// a wait cursor, on the UI thread (a tenth of a second for the start design), by the module that
// brings the geometric kernel, loaded at the first one; it is kept for the next action while the
// design, the hand and the hub stay the same.
class ModelActions : public QObject {
    Q_OBJECT
public:
    ModelActions(DesignModel& model, QWidget& window, MessageBoxes& messages, FileDialogs& dialogs,
                 QSettings& settings);
    ~ModelActions() override;

    QAction* saveAction() const { return save_; }
    QAction* previewAction() const { return preview_; }
    QAction* leftHandAction() const { return leftHand_; }
    QAction* hubAction() const { return hub_; }

    // Asks where to save the model of the design, then writes it. A design that makes no solid
    // or a failed write throws ModelError (Russian), which the actions show in a message box.
    void saveModel();
    // The model in its preview window, modal, with its blank, mass and strength beside it.
    void showPreview();
    // "Ступица…": the hub, the fillet and the trailing edge of the solid, kept in the design.
    void editHub();

private:
    Handedness handedness() const;
    // Whether there is a calculated design; the user is told so when there is none.
    bool calculated();
    QString suggestedPath() const;
    // The load the blade bears: the static balance of the propeller and its engine, where the
    // analysis finds one, else the rated rpm.
    BladeLoad bladeLoad() const;
    // The solid of the calculated design for the hand and the options, built unless kept.
    const DesignSolid& solid(const ModelOptions& options);

    DesignModel& model_;
    QWidget& window_;
    MessageBoxes& messages_;
    FileDialogs& dialogs_;
    QSettings& settings_;
    QAction* save_ = nullptr;
    QAction* preview_ = nullptr;
    QAction* leftHand_ = nullptr;
    QAction* hub_ = nullptr;
    std::optional<DesignSolid> solid_;
};

}  // namespace kelvarin
