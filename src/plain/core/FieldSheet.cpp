// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FieldSheet.h"

namespace kelvarin {

void FieldSheet::write(InputField field, std::string text) {
    texts_[fieldIndex(field)] = text;
    writes_.push_back({field, std::move(text)});
}

void FieldSheet::addMessage(InputField field, std::string_view text) {
    messages_.push_back({field, std::string(text), writes_.size()});
}

}  // namespace kelvarin
