// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drawing/Canvas.h"
#include "templates/TemplateItems.h"

namespace kelvarin {

// Draws the page's items in order on the canvas, each with its pen, font and clip; the canvas
// is left black, solid and unclipped.
void drawTemplatePage(Canvas& canvas, const TemplatePage& page);

}  // namespace kelvarin
