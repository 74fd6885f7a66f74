// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kelvarin {

// Sets a flag for the lifetime of a scope and puts the old value back, also when the scope is
// left by an exception.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool old_;
};

}  // namespace kelvarin
