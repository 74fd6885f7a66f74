// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace kelvarin {

// The window font: a sans serif with Cyrillic letters, sized for the designed controls.
QFont windowFont();
// The input fields: the same face, bold and larger.
QFont fieldFont();
// The section line and the About title: a monospace face, bold, 13 pixels.
QFont monospaceBoldFont();

}  // namespace kelvarin
