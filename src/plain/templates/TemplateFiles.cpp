// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateFiles.h"

#include "core/BladeTables.h"

namespace kelvarin {

bool hasTemplates(const PropellerDesign& design) {
    return design.sizing.diameterCm > 0 && design.stations.chordM[stationIndex(kFirstSection)] > 0;
}

}  // namespace kelvarin
