// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SanityLine.h"

#include <cmath>
#include <numbers>

#include "core/NumberFormat.h"
#include "core/Translation.h"

namespace kelvarin {

std::optional<SanityFigures> sanityFigures(const PropellerDesign& design,
                                           const EngineAndFlightRecord& engine) {
    const double diameterM = design.sizing.diameterCm / 100;
    if (!engine.rpm || !engine.designSpeedKmh || !(diameterM > 0) || !(*engine.rpm > 0) ||
        !(*engine.designSpeedKmh >= 0)) {
        return std::nullopt;
    }
    const double turnsPerSecond = *engine.rpm / 60;
    const double flightMs = *engine.designSpeedKmh / 3.6;
    const double circleMs = std::numbers::pi * diameterM * turnsPerSecond;
    SanityFigures figures;
    figures.tipSpeedMs = std::hypot(circleMs, flightMs);
    figures.tipMach = figures.tipSpeedMs / kSpeedOfSoundMs;
    figures.advanceRatio = flightMs / (turnsPerSecond * diameterM);
    if (!std::isfinite(figures.tipSpeedMs) || !std::isfinite(figures.advanceRatio)) {
        return std::nullopt;
    }
    return figures;
}

bool tipTooFast(const SanityFigures& figures) {
    return figures.tipMach > kTipMachLimit;
}

std::string sanityLineText(const std::optional<SanityFigures>& figures) {
    if (!figures) {
        return translatedText("kelvarin::SanityLine",
                              "Скорость конца лопасти не оценить: нужны диаметр, частота "
                              "вращения и расчетная скорость");
    }
    return withArguments(
        translatedText("kelvarin::SanityLine",
                       "Скорость конца лопасти %1 м/с (число Маха %2), "
                       "относительная поступь V/(nD) %3"),
        {formatFixed(figures->tipSpeedMs, 18, 0), formatFixed(figures->tipMach, 18, 2),
         formatFixed(figures->advanceRatio, 18, 2)});
}

std::string sanityExplanation(const std::optional<SanityFigures>& figures) {
    if (figures && tipTooFast(*figures)) {
        return withArguments(
            translatedText("kelvarin::SanityLine",
                           "Число Маха конца лопасти %1 выше %2: у концов лопастей сжимается "
                           "воздух, винт сильно шумит и теряет КПД. Уменьшите диаметр или "
                           "частоту вращения винта (например, редуктором)."),
            {formatFixed(figures->tipMach, 18, 2), formatFixed(kTipMachLimit, 18, 2)});
    }
    return withArguments(
        translatedText("kelvarin::SanityLine",
                       "Скорость конца лопасти складывается из окружной скорости и расчетной "
                       "скорости полета; скорость звука принята %1 м/с, и выше числа Маха "
                       "%2 винт шумит и теряет КПД. Относительная поступь V/(nD): путь "
                       "винта за оборот, деленный на диаметр."),
        {formatFixed(kSpeedOfSoundMs, 18, 0), formatFixed(kTipMachLimit, 18, 2)});
}

}  // namespace kelvarin
