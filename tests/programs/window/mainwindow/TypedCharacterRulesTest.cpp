// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <functional>
#include <memory>

#include "UiDoubles.h"
#include "controls/NumericEdit.h"
#include "controls/PasteRule.h"
#include "controls/TypedCharacterRules.h"
#include "support/ScopedSeparator.h"

namespace kelvarin::testing {
namespace {

class TypedCharacterRules : public ::testing::Test {
protected:
    // Types into a field with its text set by the program and the caret where asked.
    QString TypeInto(InputField field, const QString& start, int caret, const QString& typed) {
        NumericEdit* edit = rig.window->fieldEdit(field);
        edit->setText(start);
        edit->setCursorPosition(caret < 0 ? static_cast<int>(start.size()) : caret);
        QTest::keyClicks(edit, typed);
        return edit->text();
    }

    void SetManualMode() { rig.Find<QCheckBox>("CheckManual")->setChecked(true); }

    WindowRig rig;
};

TEST_F(TypedCharacterRules, DecimalSeparatorOnlyOnceAndNeverFirst) {
    SetManualMode();
    EXPECT_EQ(TypeInto(InputField::Diameter, "151", -1, "."), "151,");
    EXPECT_EQ(TypeInto(InputField::Diameter, "151", -1, ","), "151,");
    EXPECT_EQ(TypeInto(InputField::Diameter, "", 0, ",."), "");
    EXPECT_EQ(TypeInto(InputField::Diameter, "151", 0, ","), "151");
    EXPECT_EQ(TypeInto(InputField::Diameter, "1,5", -1, ".,"), "1,5");
    EXPECT_EQ(TypeInto(InputField::Pitch, "0,5", 1, "."), "0,5");
}

TEST_F(TypedCharacterRules, DecimalFieldsRefuseEverythingButDigitsAndTheSeparator) {
    SetManualMode();
    EXPECT_EQ(TypeInto(InputField::Diameter, "12", -1, "a- E+"), "12");
    QTest::keyClick(rig.window->fieldEdit(InputField::Diameter), Qt::Key_Return);
    EXPECT_EQ(rig.window->fieldEdit(InputField::Diameter)->text(), "12");
}

TEST_F(TypedCharacterRules, PitchTakesOneDecimalThenItsLengthStops) {
    SetManualMode();
    EXPECT_EQ(TypeInto(InputField::Pitch, "1,2", -1, "3"), "1,23");
    EXPECT_EQ(TypeInto(InputField::Pitch, "1,23", -1, "4"), "1,23");
}

TEST_F(TypedCharacterRules, DecimalsLimitActsOnlyAfterMoreThanThreeFollowTheSeparator) {
    const QChar comma(',');
    EXPECT_EQ(decimalKeyResult("1,234", 5, '5', comma, kMaxDecimals), QChar('5'));
    EXPECT_EQ(decimalKeyResult("1,2345", 6, '6', comma, kMaxDecimals), std::nullopt);
    EXPECT_EQ(decimalKeyResult("1,2345", 2, '6', comma, kMaxDecimals), std::nullopt);
    // Before the separator a digit always passes.
    EXPECT_EQ(decimalKeyResult("1,2345", 1, '6', comma, kMaxDecimals), QChar('6'));
    EXPECT_EQ(decimalKeyResult("1,2345", 0, '6', comma, kMaxDecimals), QChar('6'));
}

TEST_F(TypedCharacterRules, TypedSeparatorFollowsTheLocale) {
    ScopedSeparator point('.');
    SetManualMode();
    EXPECT_EQ(TypeInto(InputField::Diameter, "151", -1, ","), "151.");
    // A comma is no separator there, so a point still goes in after it.
    EXPECT_EQ(TypeInto(InputField::Diameter, "1,5", -1, "."), "1,5.");
}

TEST_F(TypedCharacterRules, WholeNumberFieldsTakeDigitsUpToTheirLimit) {
    EXPECT_EQ(TypeInto(InputField::Power, "14", -1, "a-,. +5"), "145");
    EXPECT_EQ(TypeInto(InputField::Power, "145", -1, "6"), "145");
    EXPECT_EQ(TypeInto(InputField::PropellerSpeed, "2300", -1, "12"), "23001");
    EXPECT_EQ(TypeInto(InputField::DesignSpeed, "4", 0, "9"), "94");
    // Typing over a selection replaces it even at the limit.
    NumericEdit* vm = rig.window->fieldEdit(InputField::MaxSpeed);
    vm->setText("123");
    vm->selectAll();
    QTest::keyClicks(vm, "7");
    EXPECT_EQ(vm->text(), "7");
}

TEST_F(TypedCharacterRules, BackspaceWorksInEveryEditableField) {
    SetManualMode();
    for (InputField f : {InputField::Diameter, InputField::Pitch}) {
        NumericEdit* edit = rig.window->fieldEdit(f);
        edit->setText("1,5");
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "1,");
    }
    rig.Find<QCheckBox>("CheckManual")->setChecked(false);
    for (InputField f : {InputField::Power, InputField::PropellerSpeed, InputField::MaxSpeed,
                         InputField::DesignSpeed}) {
        NumericEdit* edit = rig.window->fieldEdit(f);
        edit->setText("12");
        edit->end(false);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "1");
    }
}

TEST_F(TypedCharacterRules, EditingShortcutsDoNothingButTheContextMenuPastes) {
    QClipboard* clipboard = QApplication::clipboard();
    NumericEdit* nd = rig.window->fieldEdit(InputField::Power);
    nd->setText("1");
    nd->end(false);
    clipboard->setText("-7x");
    QTest::keyClick(nd, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(nd->text(), "1");

    nd->selectAll();
    QTest::keyClick(nd, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(nd, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(nd->text(), "1");
    EXPECT_EQ(clipboard->text(), "-7x");

    nd->setText("1");
    nd->end(false);
    std::unique_ptr<QMenu> menu(nd->createContextMenu());
    auto* paste = menu->findChild<QAction*>("edit-paste");
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    EXPECT_EQ(nd->text(), "1-7");  // unfiltered, cut to the three characters the field takes

    QTest::keyClick(nd, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(nd->text(), "1-7");
}

// A paste's cut keeps whole characters, and takes out what a one-line field cannot show.
TEST(PasteRule, CutsAtWholeCharactersAndDropsWhatCannotBeShown) {
    struct Case {
        const char16_t* pasted;
        qsizetype room;
        const char16_t* kept;
    };
    for (const Case& c : {
             Case{u"12\U0001F600", 3, u"12"},             // not half of a surrogate pair
             Case{u"1e\u0301", 2, u"1"},                  // not a letter without its accent
             Case{u"1\U0001F44D\U0001F3FB", 3, u"1"},     // not a hand without its skin tone
             Case{u"\U0001F1F7\U0001F1FA1", 3, u""},      // a flag is one character
             Case{u"12,5,1", 4, u"12,5"},                 // otherwise unfiltered
             Case{u"-7x\r\n8", 5, u"-7x"},                // the first line only
             Case{u"\uFEFF1\u202E4\u200B\t", 5, u"14 "},  // invisible marks out, a tab a space
             Case{u"99", 0, u""},
         }) {
        const QString pasted = QString::fromUtf16(c.pasted);
        EXPECT_EQ(pastedText(pasted, c.room), QString::fromUtf16(c.kept)) << pasted.toStdString();
    }
    EXPECT_EQ(pastedText(QStringLiteral("1") + QChar(0xD800) + QStringLiteral("2"), 5), "12");
}

// Every way of pasting goes through that rule; Ctrl+V stays refused, and nothing is dropped in.
TEST_F(TypedCharacterRules, EveryPasteRouteKeepsWholeCharacters) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("2\U0001F600"));
    NumericEdit* nd = rig.window->fieldEdit(InputField::Power);
    const auto pasteBy = [&](const std::function<void()>& route) {
        nd->setText("1");
        nd->end(false);
        route();
        return nd->text();
    };
    EXPECT_EQ(pasteBy([&] { QTest::keyClick(nd, Qt::Key_Insert, Qt::ShiftModifier); }), "12");
    EXPECT_EQ(pasteBy([&] {
                  QKeyEvent pasteKey(QEvent::KeyPress, Qt::Key_Paste, Qt::NoModifier);
                  QApplication::sendEvent(nd, &pasteKey);
              }),
              "12");
    EXPECT_EQ(pasteBy([&] { QTest::keyClick(nd, Qt::Key_V, Qt::ControlModifier); }), "1");
    EXPECT_EQ(pasteBy([&] {
                  std::unique_ptr<QMenu> menu(nd->createContextMenu());
                  menu->findChild<QAction*>("edit-paste")->trigger();
              }),
              "12");
    if (clipboard->supportsSelection()) {
        clipboard->setText(QStringLiteral("3\U0001F600"), QClipboard::Selection);
        EXPECT_EQ(pasteBy([&] { QTest::mouseClick(nd, Qt::MiddleButton); }), "13");
        EXPECT_EQ(pasteBy([&] {
                      QTest::keyClick(nd, Qt::Key_Insert, Qt::ControlModifier | Qt::ShiftModifier);
                  }),
                  "13");
    }
    EXPECT_FALSE(nd->acceptDrops());
}

TEST_F(TypedCharacterRules, PasteIntoAFullFieldInsertsNothing) {
    QApplication::clipboard()->setText("99");
    NumericEdit* vr = rig.window->fieldEdit(InputField::DesignSpeed);
    vr->setText("400");
    vr->end(false);
    vr->pasteUnfiltered();
    EXPECT_EQ(vr->text(), "400");
}

TEST_F(TypedCharacterRules, ProgramWrittenTextIsKeptWholeBeyondTheLimit) {
    rig.window->setFieldText(InputField::Diameter, "5,2915E7");
    rig.window->setFieldText(InputField::PropellerSpeed, "3E04");
    rig.window->setFieldText(InputField::Pitch, "12345,678");
    EXPECT_EQ(rig.window->fieldText(InputField::Diameter), "5,2915E7");
    EXPECT_EQ(rig.window->fieldText(InputField::PropellerSpeed), "3E04");
    EXPECT_EQ(rig.window->fieldText(InputField::Pitch), "12345,678");

    // Over the limit typing adds nothing, but deleting still works.
    NumericEdit* nv = rig.window->fieldEdit(InputField::PropellerSpeed);
    nv->setText("123456");
    nv->end(false);
    QTest::keyClicks(nv, "7");
    EXPECT_EQ(nv->text(), "123456");
    QTest::keyClick(nv, Qt::Key_Backspace);
    EXPECT_EQ(nv->text(), "12345");
}

TEST_F(TypedCharacterRules, ReadOnlyFieldsTakeNoTyping) {
    // The calculated mode: diameter and pitch are results.
    NumericEdit* dv = rig.window->fieldEdit(InputField::Diameter);
    dv->end(false);
    QTest::keyClicks(dv, "9");
    QTest::keyClick(dv, Qt::Key_Backspace);
    EXPECT_EQ(dv->text(), "151,7");
}

}  // namespace
}  // namespace kelvarin::testing
