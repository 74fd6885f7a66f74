// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/SectionOptions.h"
#include "drawing/SectionPolyline.h"
#include "templates/BladeViews.h"
#include "templates/TemplateItems.h"
#include "templates/TemplateMetrics.h"

namespace kelvarin {

// What a template shows, before it is placed: the outline with its marks, reference lines and
// labels, in the coordinates it was built in.
struct TemplateFigure {
    std::vector<TemplateItem> items;
    PixelRect box;                           // what the items take, pens included
    std::int32_t bottom = 0;                 // Y of the line its cut line keeps below
    std::optional<std::int32_t> referenceX;  // turned sections: where the width line ends
};

// A section's outline as built, with its control marks and, turned, the width line from the
// trailing edge back across the blade's width and the drop line up to the leading-edge point.
TemplateFigure sectionFigure(const SectionPolyline& outline, double bladeWidthM,
                             const TemplateMetrics& m, const SectionOptions& options);

// A blade view's closed outline (smooth curves along its edges, straight across the hub and
// the tip), each station's line across it and its number beside the left edge, moved so that
// the figure starts at X = 0 with the innermost station on Y = 0.
TemplateFigure bladeFigure(const BladeView& view, const TemplateMetrics& m);

void translateFigure(TemplateFigure& figure, std::int32_t dx, std::int32_t dy);

}  // namespace kelvarin
