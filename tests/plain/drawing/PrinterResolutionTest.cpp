// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawing/PrinterResolution.h"

#include <gtest/gtest.h>

#include <map>

namespace kelvarin {
namespace {

using Unit = ReportedResolution::Unit;

// Answers as CUPS would for the printers it knows, and remembers who was asked.
class FakePrintSystem : public PrintSystem {
public:
    std::string defaultPrinterName() override { return "PDF"; }
    std::optional<ReportedResolution> defaultResolution(const std::string& printer) override {
        asked.push_back(printer);
        const auto it = printers.find(printer);
        return it == printers.end() ? std::nullopt : it->second;
    }
    std::map<std::string, std::optional<ReportedResolution>> printers;
    std::vector<std::string> asked;
};

TEST(PrinterResolution, ThePrintersOwnDefaultOr600) {
    FakePrintSystem cups;
    cups.printers = {
        {"PDF", ReportedResolution{300, 300, Unit::DotsPerInch}},
        {"Laser", ReportedResolution{1200, 600, Unit::DotsPerInch}},  // across the feed counts
        {"Metric", ReportedResolution{118, 118, Unit::DotsPerCm}},    // 299.7 dpi
        {"Silent", std::nullopt},
        {"Broken", ReportedResolution{0, 0, Unit::DotsPerInch}},
        {"Absurd", ReportedResolution{100000, 100000, Unit::DotsPerInch}},
    };
    EXPECT_EQ(printerResolutionDpi(cups, "PDF"), 300);
    EXPECT_EQ(printerResolutionDpi(cups, "Laser"), 1200);
    EXPECT_EQ(printerResolutionDpi(cups, "Metric"), 300);
    for (const char* name : {"Silent", "Broken", "Absurd", "Unknown"}) {
        EXPECT_EQ(printerResolutionDpi(cups, name), kFallbackResolutionDpi) << name;
    }
    EXPECT_EQ(cups.asked.front(), "PDF");
}

}  // namespace
}  // namespace kelvarin
