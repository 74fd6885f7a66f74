// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// Takes typed values off the front of a fuzzer's input.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T take() {
        T value{};
        const std::size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
        if (n > 0) {
            std::memcpy(&value, data_, n);
        }
        data_ += n;
        size_ -= n;
        return value;
    }

    bool takeBool() { return (take<std::uint8_t>() & 1) != 0; }

    // A string of up to `limit` bytes, ended by a zero byte or the input's end.
    std::string takeString(std::size_t limit) {
        std::string s;
        while (size_ > 0 && s.size() < limit) {
            const char c = static_cast<char>(*data_++);
            --size_;
            if (c == '\0') {
                break;
            }
            s += c;
        }
        return s;
    }

    std::string rest() {
        std::string s(reinterpret_cast<const char*>(data_), size_);
        size_ = 0;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};
