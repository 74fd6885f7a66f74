// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladePitchNote.h"

#include <cmath>

#include "core/BladePitch.h"
#include "core/NumberFormat.h"
#include "core/Translation.h"

namespace kelvarin {

std::string bladePitchNote(const PropellerDesign& design) {
    const double blade = bladePitchM(design);
    if (!std::isfinite(blade) || !(design.sizing.diameterCm > 0)) {
        return {};
    }
    const std::string shownBlade = formatFixed(blade, 3, 2);
    const std::string shownField = formatFixed(design.sizing.pitchM, 3, 2);
    if (shownBlade == shownField) {
        return {};
    }
    return withArguments(
        design.angles.rule == BladeAngleRule::Engine
            ? translatedText("kelvarin::BladePitchNote",
                             "Шаг лопасти %1 м, подобран под двигатель (в поле %2 м)")
            : translatedText("kelvarin::BladePitchNote", "Шаг лопасти %1 м (в поле %2 м)"),
        {shownBlade, shownField});
}

}  // namespace kelvarin
