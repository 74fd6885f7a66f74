// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Windows1251.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace kelvarin {

namespace {

iconv_t iconvHandle(void* converter) {
    return static_cast<iconv_t>(converter);
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

Windows1251Encoder::Windows1251Encoder() {
    // No "//TRANSLIT" or "//IGNORE": a character without a code must fail, not become "?".
    const iconv_t handle = iconv_open("CP1251", "UTF-8");
    if (handle == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("The Windows-1251 converter is not available");
    }
    converter_ = handle;
}

Windows1251Encoder::~Windows1251Encoder() {
    iconv_close(iconvHandle(converter_));
}

void Windows1251Encoder::append(std::string& out, std::string_view utf8) {
    // ASCII reads the same in both; most of the report is ASCII and skips the converter.
    if (isAscii(utf8)) {
        out.append(utf8);
        return;
    }
    const std::size_t start = out.size();
    // Every character takes at least one byte of UTF-8 and exactly one of Windows-1251.
    out.resize(start + utf8.size());
    char* in = const_cast<char*>(utf8.data());  // iconv's interface is not const-correct
    std::size_t inLeft = utf8.size();
    char* next = out.data() + start;
    std::size_t outLeft = utf8.size();
    iconv(iconvHandle(converter_), nullptr, nullptr, nullptr, nullptr);
    const std::size_t result = iconv(iconvHandle(converter_), &in, &inLeft, &next, &outLeft);
    if (result == static_cast<std::size_t>(-1)) {
        out.resize(start);
        throw EncodingError("Text cannot be written in Windows-1251: \"" + std::string(utf8) +
                            "\"");
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
}

std::string Windows1251Encoder::encode(std::string_view utf8) {
    std::string out;
    append(out, utf8);
    return out;
}

}  // namespace kelvarin
