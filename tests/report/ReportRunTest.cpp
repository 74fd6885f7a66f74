// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportTestSupport.h"
#include "core/CalculationRun.h"
#include "report/DataReport.h"

namespace kelvarin::testing {
namespace {

struct Mode {
    const char* name;
    bool manual;
    bool diam;
    std::size_t lines;
};

TEST(ReportRun, EveryModeWritesTheReportBeforeTheView) {
    const Mode modes[] = {{"calculated", false, false, 607},
                          {"by diameter", false, true, 607},
                          {"manual", true, false, 603}};
    for (const Mode& mode : modes) {
        SCOPED_TRACE(mode.name);
        TempDir dir;
        const std::string path = dir.File("Date.html");
        PropellerDesign design;
        ReportingWindow window(design, path);
        window.manual = mode.manual;
        window.diam = mode.diam;
        runCalculation(design, window);
        ASSERT_EQ(window.views, 1);
        EXPECT_EQ(window.log.back(), "view");
        EXPECT_EQ(window.log[window.log.size() - 2], "report");
        const std::string first = ReadBytes(path);
        EXPECT_EQ(ReportLinesOf(first).size(), mode.lines);
        // A second click with the same inputs writes the same file.
        runCalculation(design, window);
        EXPECT_EQ(ReadBytes(path), first);
    }
}

TEST(ReportRun, ARunEndedByABadFieldLeavesTheFileAlone) {
    TempDir dir;
    const std::string path = dir.File("Date.html");
    PropellerDesign design;
    ReportingWindow window(design, path);
    runCalculation(design, window);
    const std::string before = ReadBytes(path);
    window.texts[InputField::Power] = "1.5";  // a point under a comma locale
    runCalculation(design, window);
    EXPECT_EQ(window.reports, 1);
    EXPECT_EQ(ReadBytes(path), before);
}

TEST(ReportRun, AnUnwritableReportDoesNotStopTheRun) {
    const SealedFile sealed("old");
    PropellerDesign design;
    ReportingWindow window(design, sealed.Path());
    runCalculation(design, window);
    EXPECT_EQ(window.reports, 1);
    EXPECT_EQ(window.views, 1);
    EXPECT_EQ(ReadBytes(sealed.Path()), "old");
}

}  // namespace
}  // namespace kelvarin::testing
