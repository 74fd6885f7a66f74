// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvarin {

// The resolution to draw at where a printer reports none, or where there is no printer: the
// view then still shows the section as a 600 dpi printer would print it.
inline constexpr std::int32_t kFallbackResolutionDpi = 600;

// A printer resolution as the print system reports it (an IPP resolution value): across the
// paper feed and along it, per inch or per centimetre.
struct ReportedResolution {
    enum class Unit { DotsPerInch, DotsPerCm };
    std::int32_t crossFeed = 0;
    std::int32_t feed = 0;
    Unit unit = Unit::DotsPerInch;
};

// What the program asks of the system's print service; a seam, so that tests give their own
// answers instead of those of the machine's printers.
class PrintSystem {
public:
    virtual ~PrintSystem() = default;
    // The name of the user's default printer, empty where there is none. Never throws.
    virtual std::string defaultPrinterName() = 0;
    // The default resolution (IPP printer-resolution-default) of the named printer, nullopt
    // where the printer is unknown, unreachable or reports none. Never throws.
    virtual std::optional<ReportedResolution> defaultResolution(const std::string& printer) = 0;
};

// The resolution to print on `printer` at, in dots per inch: its reported default across the
// feed (the templates measure both axes with one resolution), rounded from dots per centimetre
// where so reported; kFallbackResolutionDpi where it reports none or a value outside
// 72..9600 dpi, which no printer really prints at.
std::int32_t printerResolutionDpi(PrintSystem& system, const std::string& printer);

}  // namespace kelvarin
