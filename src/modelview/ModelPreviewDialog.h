// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model3d/TriangleMesh.h"

class QLabel;

namespace kelvarin::modelview {

class ModelView;

// A window with the propeller in 3D, a line on how to turn and zoom it, and a Close button.
class ModelPreviewDialog : public QDialog {
    Q_OBJECT

public:
    explicit ModelPreviewDialog(model3d::TriangleMesh mesh, QWidget* parent = nullptr);

    ModelView* view() const { return view_; }

private:
    ModelView* view_;
    QLabel* hint_;
};

}  // namespace kelvarin::modelview
