#pragma once

#include <QFont>

namespace kelvarin {

// The window font: a sans serif with Cyrillic letters, 11 pixels high.
QFont WindowFont();
// The input fields: the same face, bold, 13 pixels high.
QFont FieldFont();
// The section line and the About title: a monospace face, bold, 13 pixels high.
QFont MonospaceBoldFont();

}  // namespace kelvarin
