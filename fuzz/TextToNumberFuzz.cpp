// SPDX-License-Identifier: GPL-3.0-or-later
// textToNumber against a second, independent reading of the same grammar (a regular
// expression for the shape, the C library's strtod for the value), under both separators, and
// the number forms read back.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>

#include "FuzzInput.h"
#include "core/DecimalSeparator.h"
#include "core/Failure.h"
#include "core/NumberFormat.h"
#include "core/TextToNumber.h"

namespace {

char separator = ',';
char chosenSeparator() {
    return separator;
}

bool Matches(const std::string& text, char sep) {
    static const std::regex comma(R"(^ *[+-]?([0-9]+(,[0-9]*)?|,[0-9]*)([eE][+-]?[0-9]+)? *$)");
    static const std::regex point(R"(^ *[+-]?([0-9]+(\.[0-9]*)?|\.[0-9]*)([eE][+-]?[0-9]+)? *$)");
    return std::regex_match(text, sep == ',' ? comma : point);
}

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    separator = in.takeBool() ? ',' : '.';
    kelvarin::setDecimalSeparatorSource(&chosenSeparator);
    // The regular expression engine recurses per character: keep texts short enough for it.
    const std::string text = in.takeString(200);

    bool failed = false;
    double value = 0;
    try {
        value = kelvarin::textToNumber(text);
    } catch (const kelvarin::ConversionError&) {
        failed = true;
    }

    if (!Matches(text, separator)) {
        check(failed, "accepted a text outside the grammar");
        return 0;
    }
    std::string c = text;
    for (char& ch : c) {
        if (ch == separator) {
            ch = '.';
        }
    }
    // strtod wants a digit somewhere in the mantissa; a separator alone is zero.
    const bool onlySeparator = c.find_first_of("0123456789") == std::string::npos ||
                               c.find_first_of("0123456789") > c.find_first_of("eE");
    errno = 0;
    const double expected = onlySeparator ? 0.0 : std::strtod(c.c_str(), nullptr);
    const bool overflow = std::isinf(expected);
    check(failed == overflow, "range decision differs");
    if (!failed) {
        check(value == expected || (value == 0 && expected == 0), "value differs");
        // What the number forms write reads back.
        const double general = kelvarin::textToNumber(kelvarin::formatGeneral(value, 17, 0));
        check(general == value, "formatGeneral(17) does not round-trip");
        const std::string fixed = kelvarin::formatFixed(value, 18, 3);
        const double back = kelvarin::textToNumber(fixed);
        check(std::fabs(back - value) <=
                  std::fmax(std::fabs(value) * 1e-15, 0.0005) + std::fabs(value) * 1e-15,
              "formatFixed does not read back");
    }
    return 0;
}
