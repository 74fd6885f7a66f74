// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kelvarin {

// The program's texts are written in Russian, the language it first spoke, and those words
// are the key to every other language: a catalogue is asked by the text's context and its
// Russian words, as Qt's translation system asks its own (lupdate reads these calls as it
// reads QCoreApplication::translate, so the plain folders share the program's .ts files).
class TextCatalogue {
public:
    virtual ~TextCatalogue() = default;
    // The translation, or an empty string where the catalogue has none. n >= 0 picks a plural
    // form for a text that counts something.
    virtual std::string find(const char* context, const char* sourceText,
                             const char* disambiguation, int n) const = 0;
};

// Installs the catalogue the texts are looked up in; nullptr restores the Russian texts. The
// catalogue must outlive its installation.
void setTextCatalogue(const TextCatalogue* catalogue);

// The catalogue installed now, nullptr for the Russian texts: for a module loaded at run time,
// which keeps a copy of this library of its own and is handed the program's catalogue.
const TextCatalogue* currentTextCatalogue();

// The text in the chosen language; "%n" in it, where n >= 0, becomes n.
std::string translatedText(const char* context, const char* sourceText,
                           const char* disambiguation = nullptr, int n = -1);

// Marks a text for the catalogue where it is kept (a table, a constant) rather than shown; it is
// shown later through translatedText() with the same context. lupdate reads this as
// QT_TRANSLATE_NOOP.
constexpr const char* textToTranslate(const char* /*context*/, const char* sourceText) {
    return sourceText;
}

// Replaces %1 ... %9 with the arguments in one pass, as QString::arg does, so that a
// translation may put them in another order and an argument's own "%1" stays as it is.
std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace kelvarin
