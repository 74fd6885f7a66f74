// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <numbers>
#include <string>

#include "core/NumberFormat.h"
#include "core/Translation.h"
#include "model3d/ModelOptions.h"
#include "model3d/Wood.h"

namespace kelvarin {

// Why the options make no part, in the user's language and naming the value, or an empty
// string. These are the checks that need no design; those against the root and the sections
// (the hub's room for the root, the trailing edge's for the section) come with the solid.
// Plain and quick, so that a dialog or the tool refuses before the kernel is loaded.
inline std::string modelOptionsProblem(const ModelOptions& options) {
    const HubOptions& hub = options.hub;
    const auto mm = [](double value) { return formatGeneral(value, 6, 0); };
    const auto say = [](const char* text, std::initializer_list<std::string_view> values) {
        return withArguments(translatedText("kelvarin::ModelOptionsCheck", text), values);
    };
    const auto within = [](double value, double low, double high) {
        return std::isfinite(value) && value >= low && value <= high;
    };
    if (!within(hub.diameterMm, 0, kMaxHubSizeMm)) {
        return say("диаметр ступицы %1 мм должен быть от 0 (по корню лопасти) до %2 мм",
                   {mm(hub.diameterMm), mm(kMaxHubSizeMm)});
    }
    if (!within(hub.thicknessMm, 0, kMaxHubSizeMm)) {
        return say("толщина ступицы %1 мм должна быть от 0 (по корню лопасти) до %2 мм",
                   {mm(hub.thicknessMm), mm(kMaxHubSizeMm)});
    }
    if (!within(hub.boreMm, 0, kMaxHubSizeMm) || !within(hub.boltCircleMm, 0, kMaxHubSizeMm) ||
        !within(hub.holeMm, 0, kMaxHubSizeMm) || !within(hub.filletMm, 0, kMaxHubSizeMm)) {
        return say("размеры ступицы должны быть числами от 0 до %1 мм", {mm(kMaxHubSizeMm)});
    }
    if (hub.holeCount < kMinHoleCount || hub.holeCount > kMaxHoleCount) {
        return say("число отверстий под болты %1 должно быть от %2 до %3",
                   {std::to_string(hub.holeCount), std::to_string(kMinHoleCount),
                    std::to_string(kMaxHoleCount)});
    }
    if (!within(options.trailingEdgeMm, kMinTrailingEdgeMm, kMaxTrailingEdgeMm)) {
        return say("толщина задней кромки %1 мм должна быть от %2 до %3 мм",
                   {mm(options.trailingEdgeMm), mm(kMinTrailingEdgeMm), mm(kMaxTrailingEdgeMm)});
    }
    if (!woodNamed(options.wood)) {
        return say(
            "порода дерева «%1» неизвестна: выберите pine (сосна), birch (береза), ash "
            "(ясень) или beech (бук)",
            {options.wood});
    }
    if (!within(options.densityKgM3, 0, kMaxDensityKgM3)) {
        return say("плотность древесины %1 кг/м³ должна быть от 0 (по породе) до %2 кг/м³",
                   {mm(options.densityKgM3), mm(kMaxDensityKgM3)});
    }
    if (hub.diameterMm > 0 && hub.boreMm >= hub.diameterMm) {
        return say("отверстие в центре ступицы (%1 мм) не меньше самой ступицы (%2 мм)",
                   {mm(hub.boreMm), mm(hub.diameterMm)});
    }
    if (hub.holeCount == 0) {
        return {};
    }
    if (!(hub.holeMm > 0)) {
        return say("диаметр отверстий под болты должен быть больше нуля", {});
    }
    if (hub.boltCircleMm - hub.holeMm <= hub.boreMm) {
        return say(
            "отверстия под болты на окружности %1 мм заходят в центральное отверстие "
            "%2 мм: окружность болтов должна быть больше %3 мм",
            {mm(hub.boltCircleMm), mm(hub.boreMm), mm(hub.boreMm + hub.holeMm)});
    }
    if (hub.diameterMm > 0 && hub.boltCircleMm + hub.holeMm >= hub.diameterMm) {
        return say("отверстия под болты на окружности %1 мм выходят за ступицу диаметром %2 мм",
                   {mm(hub.boltCircleMm), mm(hub.diameterMm)});
    }
    const double spacingMm = hub.boltCircleMm * std::sin(std::numbers::pi / hub.holeCount);
    if (hub.holeCount > 1 && spacingMm <= hub.holeMm) {
        return say("%1 отверстий по %2 мм на окружности %3 мм сливаются друг с другом",
                   {std::to_string(hub.holeCount), mm(hub.holeMm), mm(hub.boltCircleMm)});
    }
    return {};
}

}  // namespace kelvarin
