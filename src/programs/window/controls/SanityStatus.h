// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <optional>

#include "core/SanityLine.h"

namespace kelvarin {

// The sanity line in the status bar under the view (objectName SanityLine): tip speed, its
// Mach number and the advance ratio of the last completed calculation, in red with a tooltip
// saying why when the tip is too fast. Empty until the first calculation.
class SanityStatus : public QLabel {
    Q_OBJECT
public:
    explicit SanityStatus(QWidget* parent = nullptr);

    void showFigures(const std::optional<SanityFigures>& figures);
    bool isWarning() const { return warning_; }

private:
    bool warning_ = false;
};

}  // namespace kelvarin
