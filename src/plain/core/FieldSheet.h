// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/InputFields.h"

namespace kelvarin {

// A text the calculation put into a field.
struct FieldWrite {
    InputField field;
    std::string text;  // UTF-8
};

// A message the calculation has for the user about one field, and its place among the writes:
// a window shows it once the first `writesBefore` writes are made, so that the fields behind
// it read as they did when it arose.
struct FieldMessage {
    InputField field;
    std::string text;  // UTF-8
    std::size_t writesBefore = 0;
};

// The six field texts as a calculation sees them, each as its field would show it at that
// moment, and the log of what the calculation did to them.
class FieldSheet {
public:
    explicit FieldSheet(FieldTexts texts) : texts_(std::move(texts)) {}

    const std::string& text(InputField field) const { return texts_[fieldIndex(field)]; }
    void write(InputField field, std::string text);
    void addMessage(InputField field, std::string_view text);

    const FieldTexts& texts() const { return texts_; }
    const std::vector<FieldWrite>& writes() const { return writes_; }
    const std::vector<FieldMessage>& messages() const { return messages_; }

private:
    FieldTexts texts_;
    std::vector<FieldWrite> writes_;
    std::vector<FieldMessage> messages_;
};

}  // namespace kelvarin
