// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "ValidationData.h"

namespace kelvarin {
namespace {

// Every published data set in data/ (NACA Reports 640 and 650, the UIUC propeller database):
// mean CT and CP errors over the unstalled range, static tests included, within 10 % or the
// tolerance the file states and explains.
TEST(Performance, PublishedDataSetsWithinTheirTolerance) {
    const auto sets = readValidationSets(KELVARIN_VALIDATION_DATA);
    ASSERT_GE(sets.size(), 16u);
    for (const ValidationSet& set : sets) {
        const SetErrors e = errorsOf(set);
        EXPECT_GE(e.points, 1) << set.name;
        EXPECT_LT(e.thrust, set.tolerance) << set.name;
        EXPECT_LT(e.power, set.tolerance) << set.name;
    }
}

}  // namespace
}  // namespace kelvarin
