// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model3d/TriangleMesh.h"

class QLabel;

namespace kelvarin {

class ModelInfoPanel;
class ModelView;

// A window with the propeller in 3D, a line on how to turn and zoom it, and a Close button;
// beside the view, once given, what the solid weighs and how strong it is.
class ModelPreviewDialog : public QDialog {
    Q_OBJECT

public:
    explicit ModelPreviewDialog(TriangleMesh mesh, QWidget* parent = nullptr);

    ModelView* view() const { return view_; }
    // The blank, mass and strength beside the view; hidden until given its first info.
    ModelInfoPanel* infoPanel() const { return info_; }

private:
    ModelView* view_;
    ModelInfoPanel* info_;
    QLabel* hint_;
};

}  // namespace kelvarin
