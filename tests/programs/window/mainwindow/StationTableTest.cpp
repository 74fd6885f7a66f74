// SPDX-License-Identifier: GPL-3.0-or-later
// The station table under the view: the calculation's figures in every mode, the selected
// section's row, a click choosing a section, and a copy a spreadsheet pastes into columns.
#include "controls/StationTableView.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QTest>

#include "UiDoubles.h"
#include "controls/ArrowSelector.h"
#include "core/NumberFormat.h"
#include "designmodel/DesignModel.h"
#include "support/ScopedSeparator.h"

namespace kelvarin::testing {
namespace {

TEST(UiStationTable, FollowsEveryModeAndCopiesAsColumns) {
    ScopedSeparator comma{','};
    WindowRig rig;
    StationTableView& table = rig.window->stationTable();
    for (const char* mode : {"", "CheckDiam", "CheckManual"}) {
        SCOPED_TRACE(mode);
        if (*mode != '\0') {
            rig.Find<QCheckBox>(mode)->setChecked(true);
        }
        rig.window->calculate();
        const PropellerDesign& design = rig.window->designModel().calculatedDesign();
        const std::size_t tip = kStationCount - 1;
        EXPECT_EQ(table.item(10, 3)->text().toStdString(),
                  formatFixed(design.stations.bladeAngleDeg[tip], 18, 1));
        EXPECT_EQ(table.item(10, 1)->text().toStdString(),
                  formatFixed(design.sizing.diameterCm / 2, 18, 1));
        // The sized blade's helix carries twice the pitch field's value at every station.
        EXPECT_EQ(table.item(6, 7)->text().toStdString(),
                  formatFixed(2 * design.sizing.pitchM, 18, 2));
        EXPECT_EQ(table.item(0, 6)->text(), "—");  // the hub has no section
    }

    // The view's section is the selected row; a click on another row shows that section.
    EXPECT_EQ(table.currentRow(), kFirstSection - 1);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualItemRect(table.item(6, 0)).center());
    EXPECT_EQ(rig.window->designModel().section(), 7);
    // Not every row shows at once: the view's section is scrolled into sight.
    rig.Find<ArrowSelector>("UpDown1")->step(4);
    EXPECT_TRUE(table.viewport()->rect().contains(table.visualItemRect(table.item(10, 0))));

    table.setFocus();
    QTest::keyClick(&table, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 12);
    for (const QString& line : lines) {
        EXPECT_EQ(line.count('\t'), 7) << line.toStdString();
    }
    EXPECT_TRUE(lines[11].startsWith("11\t")) << lines[11].toStdString();
}

}  // namespace
}  // namespace kelvarin::testing
