// SPDX-License-Identifier: GPL-3.0-or-later
#include "templates/TemplateText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "core/IntegerRounding.h"

namespace kelvarin {

namespace {

// DejaVu Sans 2.37 (Debian's fonts-dejavu-core), in its units of 2048 to the em.
constexpr double kUnitsPerEm = 2048;
constexpr double kAscent = 1901;
constexpr double kDescent = 483;
constexpr std::uint16_t kWidestAdvance = 2240;  // Щ, for anything not listed

// Advance widths of the characters the templates write, by code point, ascending.
// clang-format off
constexpr std::array<std::pair<char32_t, std::uint16_t>, 171> kAdvances = {{
    {0x0020, 651}, {0x0021, 821}, {0x0022, 942}, {0x0023, 1716}, {0x0024, 1303}, {0x0025, 1946},
    {0x0026, 1597}, {0x0027, 563}, {0x0028, 799}, {0x0029, 799}, {0x002A, 1024}, {0x002B, 1716},
    {0x002C, 651}, {0x002D, 739}, {0x002E, 651}, {0x002F, 690}, {0x0030, 1303}, {0x0031, 1303},
    {0x0032, 1303}, {0x0033, 1303}, {0x0034, 1303}, {0x0035, 1303}, {0x0036, 1303}, {0x0037, 1303},
    {0x0038, 1303}, {0x0039, 1303}, {0x003A, 690}, {0x003B, 690}, {0x003C, 1716}, {0x003D, 1716},
    {0x003E, 1716}, {0x003F, 1087}, {0x0040, 2048}, {0x0041, 1401}, {0x0042, 1405}, {0x0043, 1430},
    {0x0044, 1577}, {0x0045, 1294}, {0x0046, 1178}, {0x0047, 1587}, {0x0048, 1540}, {0x0049, 604},
    {0x004A, 604}, {0x004B, 1343}, {0x004C, 1141}, {0x004D, 1767}, {0x004E, 1532}, {0x004F, 1612},
    {0x0050, 1235}, {0x0051, 1612}, {0x0052, 1423}, {0x0053, 1300}, {0x0054, 1251}, {0x0055, 1499},
    {0x0056, 1401}, {0x0057, 2025}, {0x0058, 1403}, {0x0059, 1251}, {0x005A, 1403}, {0x005B, 799},
    {0x005C, 690}, {0x005D, 799}, {0x005E, 1716}, {0x005F, 1024}, {0x0060, 1024}, {0x0061, 1255},
    {0x0062, 1300}, {0x0063, 1126}, {0x0064, 1300}, {0x0065, 1260}, {0x0066, 721}, {0x0067, 1300},
    {0x0068, 1298}, {0x0069, 569}, {0x006A, 569}, {0x006B, 1186}, {0x006C, 569}, {0x006D, 1995},
    {0x006E, 1298}, {0x006F, 1253}, {0x0070, 1300}, {0x0071, 1300}, {0x0072, 842}, {0x0073, 1067},
    {0x0074, 803}, {0x0075, 1298}, {0x0076, 1212}, {0x0077, 1675}, {0x0078, 1212}, {0x0079, 1212},
    {0x007A, 1075}, {0x007B, 1303}, {0x007C, 690}, {0x007D, 1303}, {0x007E, 1716}, {0x00A0, 651},
    {0x00AB, 1253}, {0x00B0, 1024}, {0x00B7, 651}, {0x00BB, 1253}, {0x00D7, 1716}, {0x0401, 1294},
    {0x0410, 1401}, {0x0411, 1405}, {0x0412, 1405}, {0x0413, 1249}, {0x0414, 1600}, {0x0415, 1294},
    {0x0416, 2206}, {0x0417, 1313}, {0x0418, 1532}, {0x0419, 1532}, {0x041A, 1454}, {0x041B, 1540},
    {0x041C, 1767}, {0x041D, 1540}, {0x041E, 1612}, {0x041F, 1540}, {0x0420, 1235}, {0x0421, 1430},
    {0x0422, 1251}, {0x0423, 1248}, {0x0424, 1763}, {0x0425, 1403}, {0x0426, 1590}, {0x0427, 1404},
    {0x0428, 2190}, {0x0429, 2240}, {0x042A, 1705}, {0x042B, 1807}, {0x042C, 1405}, {0x042D, 1430},
    {0x042E, 2211}, {0x042F, 1423}, {0x0430, 1255}, {0x0431, 1263}, {0x0432, 1207}, {0x0433, 1076},
    {0x0434, 1416}, {0x0435, 1260}, {0x0436, 1845}, {0x0437, 1089}, {0x0438, 1331}, {0x0439, 1331},
    {0x043A, 1237}, {0x043B, 1309}, {0x043C, 1545}, {0x043D, 1339}, {0x043E, 1253}, {0x043F, 1339},
    {0x0440, 1300}, {0x0441, 1126}, {0x0442, 1193}, {0x0443, 1212}, {0x0444, 1751}, {0x0445, 1212},
    {0x0446, 1394}, {0x0447, 1210}, {0x0448, 1874}, {0x0449, 1929}, {0x044A, 1447}, {0x044B, 1617},
    {0x044C, 1207}, {0x044D, 1124}, {0x044E, 1724}, {0x044F, 1232}, {0x0451, 1260}, {0x2013, 1024},
    {0x2014, 2048}, {0x2026, 2048}, {0x2702, 1716},
}};
// clang-format on

std::uint16_t advanceOf(char32_t c) {
    const auto it =
        std::lower_bound(kAdvances.begin(), kAdvances.end(), c,
                         [](const auto& entry, char32_t key) { return entry.first < key; });
    return it != kAdvances.end() && it->first == c ? it->second : kWidestAdvance;
}

// Decodes one UTF-8 sequence at text[at], moving `at` past it; a malformed byte is itself.
char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead < 0x80           ? 1
                         : (lead >> 5) == 0x6  ? 2
                         : (lead >> 4) == 0xE  ? 3
                         : (lead >> 3) == 0x1E ? 4
                                               : 0;
    if (length == 0 || at + length > text.size()) {
        ++at;
        return 0xFFFD;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return 0xFFFD;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    at += length;
    return c;
}

}  // namespace

TextSize textSize(std::string_view text, int points, std::int32_t dpi) {
    // Rounded up as a renderer may round the face's size to whole pixels of the surface, and
    // each advance rounded up on its own as it may round every glyph's.
    const double emPixels = std::ceil(static_cast<double>(points) * dpi / 72.0);
    double width = 0;
    for (std::size_t at = 0; at < text.size();) {
        width += std::ceil(advanceOf(nextCodePoint(text, at)) / kUnitsPerEm * emPixels);
    }
    return {roundToInt32(width),
            roundToInt32(std::ceil((kAscent + kDescent) / kUnitsPerEm * emPixels))};
}

}  // namespace kelvarin
