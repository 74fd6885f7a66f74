// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model3d/ModelOptions.h"

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace kelvarin {

// The window "Ступица": the hub's sizes, the fillet and the trailing edge's thickness. OK
// keeps the window open, with the reason under the fields, while the sizes make no part
// (modelOptionsProblem); the checks against the root come when the solid is built.
class HubDialog : public QDialog {
    Q_OBJECT

public:
    explicit HubDialog(const ModelOptions& options, QWidget* parent = nullptr);

    // The options given with the window's sizes; the wood and density pass through unchanged.
    ModelOptions options() const;

    // The reason OK was refused, empty while it was not.
    QString problem() const;

public slots:
    void accept() override;

private:
    ModelOptions options_;
    QDoubleSpinBox* diameter_ = nullptr;
    QDoubleSpinBox* thickness_ = nullptr;
    QDoubleSpinBox* bore_ = nullptr;
    QDoubleSpinBox* boltCircle_ = nullptr;
    QSpinBox* holes_ = nullptr;
    QDoubleSpinBox* hole_ = nullptr;
    QDoubleSpinBox* fillet_ = nullptr;
    QDoubleSpinBox* trailingEdge_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace kelvarin
