// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_set>

// Remembers what a fuzzer has given a costly, deterministic step in this process, so that the
// step runs once for each distinct input to it: most mutations change nothing the step reads (a
// flag of another step, a text that fails), and the same input gives the same result. A run that
// reproduces a finding starts with nothing remembered, so it runs every step.
class SeenBefore {
public:
    // Whether `key` was asked of before; from then on it is.
    bool operator()(std::string_view key) {
        if (seen_.size() >= kMaxRemembered) {
            seen_.clear();
        }
        return !seen_.insert(std::hash<std::string_view>{}(key)).second;
    }

private:
    static constexpr std::size_t kMaxRemembered = 100'000;
    std::unordered_set<std::size_t> seen_;
};

// The bytes of a value for a key: for structs of numbers without padding alone, whose bytes are
// their value.
template <typename T>
std::string_view bytesOf(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>, "plain data only");
    return {reinterpret_cast<const char*>(&value), sizeof value};
}
