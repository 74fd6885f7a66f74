// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/FieldSheet.h"
#include "core/InputFields.h"

namespace kelvarin::testing {

// The start texts (with the current separator) with some fields changed.
inline FieldTexts startTextsWith(
    std::initializer_list<std::pair<InputField, std::string>> changed = {}) {
    FieldTexts texts = startTexts();
    for (const auto& [field, text] : changed) {
        texts[fieldIndex(field)] = text;
    }
    return texts;
}

inline std::vector<std::string> messageTexts(const std::vector<FieldMessage>& messages) {
    std::vector<std::string> texts;
    for (const FieldMessage& m : messages) {
        texts.push_back(m.text);
    }
    return texts;
}

}  // namespace kelvarin::testing
