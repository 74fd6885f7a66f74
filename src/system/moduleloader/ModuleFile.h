// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvarin {

// What looking for a module of the program and opening it came to.
struct OpenedModule {
    enum class Outcome {
        Opened,       // `entry` is the entry function's address
        Missing,      // in none of the places looked: `file` lists them, quoted
        NotLoadable,  // the dynamic loader refused `file`: `reason` says why
        Foreign,      // `file` has no such entry: not a module of this program
    };
    Outcome outcome = Outcome::Missing;
    std::string file;
    std::string reason;
    void* entry = nullptr;
};

// Opens the module `fileName` from beside the program (the build tree), else from the installed
// module folder, or only `chosenFile` where one is given (tests, whose programs live elsewhere),
// and looks up its entry function. An opened module stays loaded to the end of the process:
// what it made may live as long.
OpenedModule openModule(const std::string& fileName, const char* entryName,
                        const std::string& chosenFile = {});

// The Russian text, in the program's language, for a module that did not open: the file, and
// that reinstalling the program brings it back. Empty for an opened one.
std::string moduleFailureText(const OpenedModule& opened, const std::string& fileName);

}  // namespace kelvarin
