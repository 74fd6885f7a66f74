// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/BladeAngleRule.h"

#include "core/Translation.h"

namespace kelvarin {

std::string_view bladeAngleRuleKey(BladeAngleRule rule) {
    switch (rule) {
        case BladeAngleRule::Rule:
            return "rule";
        case BladeAngleRule::Pitch:
            return "pitch";
        case BladeAngleRule::Engine:
            return "engine";
    }
    return "rule";
}

std::optional<BladeAngleRule> bladeAngleRuleFromKey(std::string_view key) {
    for (BladeAngleRule rule : kBladeAngleRules) {
        if (bladeAngleRuleKey(rule) == key) {
            return rule;
        }
    }
    return std::nullopt;
}

std::string bladeAngleRuleCaption(BladeAngleRule rule) {
    switch (rule) {
        case BladeAngleRule::Rule:
            return translatedText("kelvarin::BladeAngleRule",
                                  "Углы лопасти по правилу программы (шаг лопасти — два шага "
                                  "винта)");
        case BladeAngleRule::Pitch:
            return translatedText("kelvarin::BladeAngleRule", "Углы лопасти по шагу винта");
        case BladeAngleRule::Engine:
            return translatedText("kelvarin::BladeAngleRule",
                                  "Углы лопасти под двигатель (шаг подбирается по мощности)");
    }
    return {};
}

}  // namespace kelvarin
