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
    // The blank, mass and strength beside the view; empty until given its first info.
    ModelInfoPanel* infoPanel() const { return info_; }

    // Shows the window and returns once the view has drawn its first frame, or has failed to,
    // or after two seconds; the user's input waits meanwhile. The model is seen first, and
    // whatever the caller works out next (the info beside it) does not hold it back.
    void showFirstFrame();

private:
    ModelView* view_;
    ModelInfoPanel* info_;
    QLabel* hint_;
};

}  // namespace kelvarin
