// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/PrinterResolution.h"

#include <cmath>

namespace kelvarin {

namespace {

constexpr std::int32_t kLowestDpi = 72;
constexpr std::int32_t kHighestDpi = 9600;
constexpr double kCmPerInch = 2.54;

}  // namespace

std::int32_t printerResolutionDpi(PrintSystem& system, const std::string& printer) {
    const std::optional<ReportedResolution> reported = system.defaultResolution(printer);
    if (!reported) {
        return kFallbackResolutionDpi;
    }
    const double dpi = reported->unit == ReportedResolution::Unit::DotsPerCm
                           ? std::round(reported->crossFeed * kCmPerInch)
                           : reported->crossFeed;
    if (!(dpi >= kLowestDpi && dpi <= kHighestDpi)) {
        return kFallbackResolutionDpi;
    }
    return static_cast<std::int32_t>(dpi);
}

}  // namespace kelvarin
