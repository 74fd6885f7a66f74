// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// How sections are drawn, on screen and on the templates alike.
struct SectionOptions {
    bool turned = false;        // turned to the blade angle; templates add two reference lines
    bool controlMarks = false;  // a red circle on each of the outline's 25 points

    bool operator==(const SectionOptions&) const = default;
};

}  // namespace kelvarin
