// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kelvarin {

// How the blade angles are made from the sizing. Each rule gives one constant-pitch helix the
// angles follow at every station (angle = atan(helix / 2πr)); the pitch field keeps the sizing's
// value whatever the rule.
enum class BladeAngleRule {
    Rule,    // the program's first rule, the default: a helix of twice the pitch field
    Pitch,   // a helix equal to the pitch field
    Engine,  // a helix matched to the engine: absorbs the rated power at the rated rpm and the
             // design speed (found by the performance analysis and handed back)
};

inline constexpr std::array<BladeAngleRule, 3> kBladeAngleRules = {
    BladeAngleRule::Rule, BladeAngleRule::Pitch, BladeAngleRule::Engine};

// The rule's name in design files and on the command line: "rule", "pitch", "engine".
std::string_view bladeAngleRuleKey(BladeAngleRule rule);
std::optional<BladeAngleRule> bladeAngleRuleFromKey(std::string_view key);

// The rule as a menu or a choice shows it, in the chosen language.
std::string bladeAngleRuleCaption(BladeAngleRule rule);

// The design's choice of blade angles.
struct BladeAngles {
    BladeAngleRule rule = BladeAngleRule::Rule;
    // For Engine: the helix pitch matched to the engine, m; 0 until a match has been found, when
    // the angles follow the pitch field as with Pitch.
    double engineHelixPitchM = 0;

    bool operator==(const BladeAngles&) const = default;
};

}  // namespace kelvarin
