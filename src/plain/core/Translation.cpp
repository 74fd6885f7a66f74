// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Translation.h"

#include <string>

namespace kelvarin {

namespace {

const TextCatalogue* currentCatalogue = nullptr;

std::string replaceCount(std::string text, int n) {
    if (n < 0) {
        return text;
    }
    const std::string number = std::to_string(n);
    for (std::size_t at = text.find("%n"); at != std::string::npos;
         at = text.find("%n", at + number.size())) {
        text.replace(at, 2, number);
    }
    return text;
}

}  // namespace

void setTextCatalogue(const TextCatalogue* catalogue) {
    currentCatalogue = catalogue;
}

const TextCatalogue* currentTextCatalogue() {
    return currentCatalogue;
}

std::string translatedText(const char* context, const char* sourceText, const char* disambiguation,
                           int n) {
    if (currentCatalogue != nullptr) {
        std::string found = currentCatalogue->find(context, sourceText, disambiguation, n);
        if (!found.empty()) {
            return replaceCount(std::move(found), n);
        }
    }
    return replaceCount(sourceText, n);
}

std::string withArguments(std::string_view text,
                          std::initializer_list<std::string_view> arguments) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(text[i + 1] - '1');
            if (index < arguments.size()) {
                result += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

}  // namespace kelvarin
