// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace kelvarin {

// Input the analysis refuses: a speed, rpm, altitude, temperature or geometry outside sense, or a
// geometry file that cannot be read. The text is the message for the user, in their language,
// naming the field or the file and line and the reason.
class PerformanceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kelvarin
