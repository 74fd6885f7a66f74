// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kelvarin {

// A text that Windows-1251 cannot hold, or that is not UTF-8 at all. The report encodes only
// its own literals, so this is a fault of the program, never of the user's input.
class EncodingError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// UTF-8 to Windows-1251 through the C library's converter. One converter serves any number of
// texts; it is not shared between threads.
class Windows1251Encoder {
public:
    Windows1251Encoder();  // throws std::runtime_error when the system has no such converter
    ~Windows1251Encoder();
    Windows1251Encoder(const Windows1251Encoder&) = delete;
    Windows1251Encoder& operator=(const Windows1251Encoder&) = delete;

    // Appends the encoded text to `out`; on EncodingError `out` is left as it was.
    void append(std::string& out, std::string_view utf8);
    std::string encode(std::string_view utf8);

private:
    void* converter_;  // iconv_t, kept out of the header
};

}  // namespace kelvarin
