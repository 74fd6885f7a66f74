// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fstream>
#include <set>
#include <string>

namespace kelvarin {

// How many shared objects the process has mapped now, the dynamic loader and Qt's plugins
// among them: what a start-up has paid to load, counted the same way for every probe.
inline int mappedSharedObjects() {
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(maps, line)) {
        const std::size_t path = line.find('/');
        if (path != std::string::npos && line.find(".so", path) != std::string::npos) {
            files.insert(line.substr(path));
        }
    }
    return static_cast<int>(files.size());
}

}  // namespace kelvarin
