// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin::testing {

// Sets the decimal separator for the life of a test.
class ScopedSeparator {
public:
    explicit ScopedSeparator(char separator);
    ~ScopedSeparator();
    ScopedSeparator(const ScopedSeparator&) = delete;
    ScopedSeparator& operator=(const ScopedSeparator&) = delete;
};

}  // namespace kelvarin::testing
