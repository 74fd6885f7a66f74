// SPDX-License-Identifier: GPL-3.0-or-later
#include "moduleloader/ProgramHooks.h"

#include <string>

namespace kelvarin {

namespace {

// Asks the program's catalogue at every text, whichever it is by then.
class ProgramCatalogue : public TextCatalogue {
public:
    explicit ProgramCatalogue(const TextCatalogue* (*current)()) : current_(current) {}

    std::string find(const char* context, const char* sourceText, const char* disambiguation,
                     int n) const override {
        const TextCatalogue* catalogue = current_();
        return catalogue != nullptr ? catalogue->find(context, sourceText, disambiguation, n)
                                    : std::string();
    }

private:
    const TextCatalogue* (*current_)();
};

}  // namespace

ProgramHooks programHooks() {
    return {&currentTextCatalogue, &decimalSeparator};
}

void followProgram(const ProgramHooks& hooks) {
    // Installed for the rest of the process, as the module itself stays loaded.
    static const ProgramCatalogue catalogue(hooks.catalogue);
    setTextCatalogue(&catalogue);
    setDecimalSeparatorSource(hooks.separator);
}

}  // namespace kelvarin
