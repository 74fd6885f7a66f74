// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "templates/TemplateItems.h"
#include "templates/TemplateMetrics.h"
#include "templates/TemplateTiling.h"

// The first page of a job of several: every template at one scale, with the pages it is on.
namespace kelvarin {

// One template as the overview shows it.
struct OverviewEntry {
    std::string name;   // "сечение 0,2 радиуса", in the chosen language
    int firstPage = 0;  // as printed, from 1
    int pages = 1;
    std::vector<TemplateItem> items;  // its figure as placed, on its page or its tiled sheet
    PixelRect box;                    // what the items take
    std::optional<TileGrid> tiles;    // where it was tiled, on its sheet from (0, 0)
};

// The overview page of a job of `totalPages`, its title in the header band above area.top: the
// templates in rows within `area`, each headed by its name and pages, at the largest scale that
// fits (true size at most), their strokes only; over a tiled one its tiles, numbered as their
// pages' headers number them, where the number fits. Each template with its name and tiles is
// one element, numbered from nextElement on. Nothing where even the names do not fit.
std::optional<TemplatePage> overviewPage(const std::vector<OverviewEntry>& entries, int totalPages,
                                         const TemplateMetrics& m, const PixelRect& area,
                                         int& nextElement);

}  // namespace kelvarin
