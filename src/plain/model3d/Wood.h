// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/Translation.h"

namespace kelvarin {

// The woods a builder is offered, with what the mass and the strength need of them.
//
// Source, for all four: Forest Products Laboratory, Wood Handbook: Wood as an Engineering
// Material, General Technical Report FPL-GTR-190, USDA Forest Service, Madison, 2010, Table 5-3a
// (metric), clear wood at 12 % moisture content, the handbook's species nearest the European
// ones: red pine, yellow birch, white ash, American beech, of specific gravity 0.46, 0.62, 0.60,
// 0.64 and modulus of rupture 76, 114, 103, 103 MPa. The density is the specific gravity
// (oven-dry mass, volume at 12 %) times 1000 kg/m³ times 1.12 for the water the wood holds. The
// strength is the modulus of rupture in bending, which the handbook takes for "a low or
// conservative estimate of tensile strength for clear specimens" (ch. 5, Tensile strength
// parallel to grain), its tension tests covering a few species with few specimens (Table 5-7).
struct WoodProperties {
    std::string_view key;  // as the design file and the tool name it
    const char* name;      // in Russian, through textToTranslate
    double densityKgM3;
    double strengthMPa;
};

inline constexpr std::array<WoodProperties, 4> kWoods = {{
    {"pine", textToTranslate("kelvarin::Wood", "сосна"), 515, 76},
    {"birch", textToTranslate("kelvarin::Wood", "береза"), 694, 114},
    {"ash", textToTranslate("kelvarin::Wood", "ясень"), 672, 103},
    {"beech", textToTranslate("kelvarin::Wood", "бук"), 717, 103},
}};

// The factor of safety the strength is judged against: the ultimate strength over the working
// stress at full power that wooden propellers are designed to. Source: F. E. Weick, Aircraft
// Propeller Design, McGraw-Hill, New York, 1930, the chapter on stress analysis; the page is yet
// to be checked against the book, which no public text at hand reproduces.
inline constexpr double kRecommendedSafetyFactor = 4;

inline std::optional<WoodProperties> woodNamed(std::string_view key) {
    for (const WoodProperties& wood : kWoods) {
        if (wood.key == key) {
            return wood;
        }
    }
    return std::nullopt;
}

}  // namespace kelvarin
