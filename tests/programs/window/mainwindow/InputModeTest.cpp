// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <QTest>

#include "UiDoubles.h"
#include "controls/NumericEdit.h"

namespace kelvarin::testing {
namespace {

// One field's state: enabled, read-only, shaded.
struct FieldState {
    bool enabled;
    bool readOnly;
    bool shaded;
};

constexpr FieldState kTyped{true, false, false};
constexpr FieldState kResult{true, true, true};
constexpr FieldState kOff{false, false, true};   // disabled, shaded, Nv not read-only
constexpr FieldState kOffRo{false, true, true};  // disabled, shaded, Nv still read-only

using Fields = std::array<FieldState, 6>;  // Dv, Hv, Nd, Nv, Vm, Vr

const Fields kCalculated = {kResult, kResult, kTyped, kTyped, kTyped, kTyped};
const Fields kByDiameter = {kTyped, kResult, kTyped, kResult, kTyped, kTyped};
const Fields kManual = {kTyped, kTyped, kOff, kOff, kOff, kOff};
const Fields kManualAfterDiameter = {kTyped, kTyped, kOff, kOffRo, kOff, kOff};

Fields StateOf(const MainWindow& form) {
    Fields out{};
    for (std::size_t i = 0; i < kInputFields.size(); ++i) {
        const NumericEdit* e = form.fieldEdit(kInputFields[i]);
        out[i] = {e->isEnabled(), e->isReadOnly(), e->isShaded()};
    }
    return out;
}

std::string Describe(const Fields& fields) {
    std::string out;
    for (const FieldState& f : fields) {
        out += std::string(f.enabled ? "E" : "-") + (f.readOnly ? "R" : "-") +
               (f.shaded ? "S " : "W ");
    }
    return out;
}

class UiInputModeTest : public ::testing::Test {
protected:
    QCheckBox* Manual() const { return rig.Find<QCheckBox>("CheckManual"); }
    QCheckBox* Diam() const { return rig.Find<QCheckBox>("CheckDiam"); }
    void Click(QCheckBox* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    void ExpectMode(const Fields& expected, bool manual, bool diam) {
        EXPECT_EQ(Describe(StateOf(*rig.window)), Describe(expected));
        EXPECT_EQ(Manual()->isChecked(), manual);
        EXPECT_EQ(Diam()->isChecked(), diam);
    }

    WindowRig rig;
};

TEST_F(UiInputModeTest, StartsInTheCalculatedMode) {
    ExpectMode(kCalculated, false, false);
}

TEST_F(UiInputModeTest, EveryTransitionOfTheModeTable) {
    Click(Diam());
    ExpectMode(kByDiameter, false, true);
    Click(Diam());
    ExpectMode(kCalculated, false, false);

    Click(Manual());
    ExpectMode(kManual, true, false);
    Click(Manual());
    ExpectMode(kCalculated, false, false);

    // Manual, then CheckDiam: the handler unchecks CheckManual first.
    Click(Manual());
    Click(Diam());
    ExpectMode(kByDiameter, false, true);

    // By diameter, then manual: CheckDiam stays checked and EditNv keeps its read-only state.
    Click(Manual());
    ExpectMode(kManualAfterDiameter, true, true);
    Click(Manual());
    ExpectMode(kByDiameter, false, true);

    // Manual with CheckDiam checked, then CheckDiam unchecked: calculated.
    Click(Manual());
    Click(Diam());
    ExpectMode(kCalculated, false, false);
}

TEST_F(UiInputModeTest, TextsSurviveModeChanges) {
    rig.window->setFieldText(InputField::PropellerSpeed, "3100");
    Click(Manual());
    Click(Diam());
    Click(Diam());
    EXPECT_EQ(rig.window->fieldText(InputField::PropellerSpeed), "3100");
    EXPECT_EQ(rig.window->fieldText(InputField::Diameter), "151,7");
}

TEST_F(UiInputModeTest, TheTwoColoursAreReallyPaintedAndDiffer) {
    NumericEdit* dv = rig.window->fieldEdit(InputField::Diameter);
    NumericEdit* nd = rig.window->fieldEdit(InputField::Power);
    EXPECT_EQ(nd->background(), kWhiteField);
    EXPECT_NE(dv->background(), kWhiteField);
    EXPECT_GE(dv->background().lightness(), 160);  // light, not a dark scheme's colour

    // Sample just inside the frame, left of the text.
    const auto painted = [](NumericEdit* e) {
        return QColor(e->grab().toImage().pixel(2, e->height() / 2));
    };
    EXPECT_EQ(painted(nd), kWhiteField);
    EXPECT_EQ(painted(dv), dv->background());
    Click(Manual());
    EXPECT_EQ(painted(nd), shadedFieldColour(nd->palette()));  // disabled and shaded
    EXPECT_EQ(painted(dv), kWhiteField);
}

}  // namespace
}  // namespace kelvarin::testing
