// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

#include "UiDoubles.h"
#include "controls/ArrowSelector.h"
#include "controls/LinkLabel.h"
#include "controls/NumericEdit.h"
#include "controls/StationTableView.h"
#include "controls/ZoomSlider.h"
#include "core/DecimalSeparator.h"
#include "mainwindow/AboutDialog.h"
#include "mainwindow/WindowPlacement.h"
#include "services/HelpLocation.h"
#include "systemlocale/ProgramTranslation.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin::testing {
namespace {

class UiWindowTest : public ::testing::Test {
protected:
    WindowRig rig;
};

TEST_F(UiWindowTest, DesignedWindowAndPanel) {
    EXPECT_EQ(rig.window->windowTitle(), "Без имени — Расчет параметров воздушного винта");
    // Tests and accessibility find the windows by these names.
    EXPECT_EQ(rig.window->objectName(), "Form1");
    EXPECT_EQ(rig.window->aboutDialog().objectName(), "AboutForm");
    // The menu bar above the panel, the station table below the view and the status bar come
    // on top of the designed client area, which the panel and the view keep.
    const int bars = rig.window->menuBar()->height() + rig.window->statusBar()->height() +
                     rig.window->stationDockSpace();
    EXPECT_EQ(rig.window->size(), QSize(705, 512 + bars));
    EXPECT_EQ(rig.Find<QWidget>("Panel1")->height(), 145);
    // At its designed place, grown to the right to show a diameter with its decimal whole.
    EXPECT_EQ(rig.Find<QWidget>("EditDv")->geometry().topLeft(), QPoint(136, 9));
    EXPECT_EQ(rig.Find<QWidget>("EditHv")->width(), rig.Find<QWidget>("EditDv")->width());
    EXPECT_EQ(rig.Find<QWidget>("ButRash")->geometry(), QRect(504, 106, 80, 22));
    EXPECT_EQ(rig.Find<QWidget>("TrackBar1")->toolTip(), "Изменить масштаб сеченияч");
    EXPECT_TRUE(rig.Find<QLabel>("LabInfo")->font().fixedPitch() ||
                QFontInfo(rig.Find<QLabel>("LabInfo")->font()).fixedPitch());
    for (InputField f : kInputFields) {
        EXPECT_EQ(rig.window->fieldText(f), startText(f));
    }

    // The panel keeps its height, the image view takes the rest.
    auto* box = rig.Find<QWidget>("VzImageBox1");
    EXPECT_EQ(box->geometry(), QRect(0, 145, 705, 367));
    rig.window->resize(900, 700 + bars);
    EXPECT_EQ(rig.Find<QWidget>("Panel1")->height(), 145);
    EXPECT_EQ(box->geometry(), QRect(0, 145, 900, 555));
    // Made lower than the panel and a box together, the window still keeps the panel whole:
    // the view gives way, down to nothing, and never covers the panel's bottom row.
    rig.window->resize(300, 180 + bars);
    EXPECT_EQ(rig.window->height(), 180 + bars);
    EXPECT_EQ(box->geometry(), QRect(0, 145, 300, 35));
    rig.window->resize(300, 145 + bars);
    EXPECT_EQ(box->geometry().top(), 145);
    EXPECT_EQ(box->height(), 0);
}

// With the station table docked below, the window and a usual frame fit a screen 768 pixels high
// beside a desktop panel, the table still showing a few rows whole.
TEST_F(UiWindowTest, DefaultWindowFitsASmallScreen) {
    EXPECT_LE(rig.window->height(), 700);
    const StationTableView& table = rig.window->stationTable();
    EXPECT_GE(table.viewport()->height(), 4 * table.defaultRowHeight());

    // Moved up and left only as far as the frame needs, never past the screen's corner.
    const QRect screen(0, 0, 1366, 740);
    EXPECT_EQ(placeWithin({314, 185}, {713, 546}, screen), QPoint(314, 185));
    EXPECT_EQ(placeWithin({314, 185}, {713, 734}, screen), QPoint(314, 6));
    EXPECT_EQ(placeWithin({900, 185}, {713, 900}, screen.translated(0, 28)), QPoint(653, 28));
}

// How far the caret travels from the start of the text to its end: the text's whole width where
// the field shows it whole, less where the field has to scroll it.
int caretTravel(NumericEdit& edit) {
    // A line edit scrolls its text as it paints.
    edit.setCursorPosition(0);
    edit.grab();
    const int start = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    edit.end(false);
    edit.grab();
    return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().left() - start;
}

// The field shows the text whole: its caret travels as far as in a field wide enough for any.
void expectShownWhole(NumericEdit& edit, const QString& text) {
    const QString kept = edit.text();
    const int width = edit.width();
    edit.setText(text);
    const int travel = caretTravel(edit);
    edit.resize(width + 200, edit.height());
    EXPECT_EQ(travel, caretTravel(edit))
        << edit.objectName().toStdString() << " " << text.toStdString();
    edit.resize(width, edit.height());
    edit.setText(kept);
}

// A result in exponent form, which only absurd inputs give, is shown whole in a smaller font.
void expectExponentShownWhole(NumericEdit& edit, const QString& text) {
    const QString kept = edit.text();
    edit.setText(text);
    EXPECT_NEAR(caretTravel(edit), QFontMetricsF(edit.font()).horizontalAdvance(text), 1.0)
        << edit.objectName().toStdString();
    EXPECT_NE(edit.font(), edit.fieldFont());
    edit.setText(kept);
    EXPECT_EQ(edit.font(), edit.fieldFont());
}

// The longest numbers each field takes: its typing limit of digits, and the longest results the
// sizing writes (a 1000 cm diameter, the largest one, a pitch just under 100 m, a speed just
// under 100 000 rpm).
void expectNumbersShownWhole(MainWindow& window) {
    const QString comma{QLatin1Char(decimalSeparator())};
    for (InputField f : kInputFields) {
        NumericEdit* edit = window.fieldEdit(f);
        expectShownWhole(*edit, QString(edit->typingLimit(), QChar('8')));
    }
    for (const QString& diameter : {"1000" + comma + "0", "56220" + comma + "0"}) {
        expectShownWhole(*window.fieldEdit(InputField::Diameter), diameter);
    }
    expectShownWhole(*window.fieldEdit(InputField::Pitch), "99" + comma + "99");
    expectShownWhole(*window.fieldEdit(InputField::PropellerSpeed), "99999");
    for (InputField f : {InputField::Diameter, InputField::Pitch, InputField::PropellerSpeed}) {
        expectExponentShownWhole(*window.fieldEdit(f), "3" + comma + "1607E05");
    }
}

// A caption that fits in Russian may not in English: both languages are held to the same checks.
void expectCaptionsFit(MainWindow& window) {
    for (auto* check : window.findChildren<QCheckBox*>()) {
        EXPECT_LE(check->sizeHint().width(), check->width()) << check->objectName().toStdString();
    }
    for (auto* button : window.findChildren<QPushButton*>()) {
        EXPECT_LE(button->sizeHint().width() - 16, button->width())
            << button->objectName().toStdString();
    }
    expectNumbersShownWhole(window);
    for (auto* label : window.findChildren<QLabel*>()) {
        if (label->wordWrap()) {
            EXPECT_LE(label->heightForWidth(label->width()), label->height() + 4)
                << label->objectName().toStdString();
        }
    }
}

// The section's caption grows with its text, and must end before the slider and the arrows
// that stand to its right, for every section of the start design.
void expectSectionCaptionsClearTheSlider(WindowRig& rig) {
    QTest::mouseClick(rig.Find<QPushButton>("ButRash"), Qt::LeftButton);
    auto* caption = rig.Find<QLabel>("LabInfo");
    auto* selector = rig.Find<ArrowSelector>("UpDown1");
    for (int section = 3; section <= 11; ++section) {
        EXPECT_LE(caption->x() + caption->sizeHint().width(), rig.Find<QWidget>("TrackBar1")->x())
            << caption->text().toStdString();
        QTest::mouseClick(selector->upArrow(), Qt::LeftButton);
    }
}

TEST_F(UiWindowTest, EveryCaptionFitsItsControl) {
    expectCaptionsFit(*rig.window);
    expectSectionCaptionsClearTheSlider(rig);
}

TEST(UiEnglishWindowTest, EveryCaptionFitsItsControl) {
    ProgramTranslation english(ProgramLanguage::English);
    english.installIntoApplication();
    WindowRig rig;
    EXPECT_EQ(rig.Find<QPushButton>("ButRash")->text(), "Calculate");
    EXPECT_EQ(rig.window->windowTitle(), "Untitled — Air propeller calculator");
    expectCaptionsFit(*rig.window);
    expectSectionCaptionsClearTheSlider(rig);
    QTest::mouseClick(rig.Find<QPushButton>("ButHelp"), Qt::LeftButton);
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_TRUE(rig.shell.opened[0].path().endsWith("/Help-en.chm"));
}

TEST_F(UiWindowTest, LanguageChoiceIsKeptForTheNextStart) {
    rig.window->findChild<QAction*>(QStringLiteral("ActionLanguageEnglish"))->trigger();
    EXPECT_EQ(chosenLanguage(rig.settings), ProgramLanguage::English);
    ASSERT_EQ(rig.messages.informed.size(), 1);
    EXPECT_TRUE(rig.messages.informed.front().contains(QStringLiteral("next time")));
    // Back to the language this run speaks: nothing changes at the next start, nothing to say.
    rig.window->findChild<QAction*>(QStringLiteral("ActionLanguageRussian"))->trigger();
    EXPECT_EQ(chosenLanguage(rig.settings), ProgramLanguage::Russian);
    EXPECT_EQ(rig.messages.informed.size(), 1);
}

TEST_F(UiWindowTest, TabOrderStartsAtCalculate) {
    QWidget* first = rig.Find<QWidget>("ButRash");
    EXPECT_EQ(rig.window->focusWidget(), first);
    QStringList order;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            order << w->objectName();
        }
        w = w->nextInFocusChain();
    } while (w != first && order.size() < 40);
    const QStringList expected = {
        "ButRash", "ButPrint", "TrackBar1", "CheckUgol",    "EditNd",      "EditNv",
        "EditVm",  "EditVr",   "UpDown1",   "CheckControl", "CheckManual", "CheckDiam",
        "EditDv",  "EditHv",   "ButAbout",  "ButClose",     "ButHelp",     "ButDate"};
    EXPECT_EQ(order.mid(0, expected.size()), expected);
    EXPECT_FALSE(order.contains("VzImageBox1"));
}

TEST_F(UiWindowTest, DataAndHelpGoToTheDesktop) {
    QTest::mouseClick(rig.Find<QPushButton>("ButDate"), Qt::LeftButton);
    // Enter presses the focused button, though no button is the window's default.
    rig.Find<QPushButton>("ButDate")->setFocus();
    QTest::keyClick(rig.Find<QPushButton>("ButDate"), Qt::Key_Return);
    ASSERT_EQ(rig.shell.opened.size(), 2u);
    EXPECT_EQ(rig.shell.opened[0], QUrl::fromLocalFile(rig.workDir.filePath("Date.html")));
    rig.shell.opened.pop_back();
    EXPECT_TRUE(rig.messages.errors.isEmpty());

    QFile help(rig.workDir.filePath("Help.chm"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.close();
    QTest::mouseClick(rig.Find<QPushButton>("ButHelp"), Qt::LeftButton);
    ASSERT_EQ(rig.shell.opened.size(), 2u);
    EXPECT_EQ(rig.shell.opened[1], QUrl::fromLocalFile(rig.workDir.filePath("Help.chm")));

    EXPECT_EQ(installedHelpCandidates("/opt/k/bin", helpFileName(false)),
              QStringList({"/opt/k/bin/Help.chm", "/opt/k/share/kelvarin/Help.chm"}));
    EXPECT_EQ(installedHelpCandidates("/opt/k/bin", helpFileName(true)),
              QStringList({"/opt/k/bin/Help-en.chm", "/opt/k/share/kelvarin/Help-en.chm"}));
}

TEST_F(UiWindowTest, ExitClosesTheWindow) {
    QTest::mouseClick(rig.Find<QPushButton>("ButClose"), Qt::LeftButton);
    EXPECT_FALSE(rig.window->isVisible());
}

TEST_F(UiWindowTest, AboutIsCentredOverTheWindowWhereverItStands) {
    AboutDialog& about = rig.window->aboutDialog();
    EXPECT_FALSE(about.isVisible());
    // Halves are summed in floating point and the total truncated toward zero, so a window
    // left of the screen's edge does not shift the About window by a pixel.
    const QSize outer = about.outerSize();
    for (QPoint at : {QPoint(314, 185), QPoint(-501, -301), QPoint(3001, 21)}) {
        rig.window->move(at);
        rig.window->placeAboutDialog();
        const QRect main = rig.window->frameGeometry();
        const auto centre = [](int start, int extent, int inner) {
            return static_cast<int>(std::trunc(start + extent / 2.0 - inner / 2.0));
        };
        EXPECT_EQ(about.frameGeometry().topLeft(),
                  QPoint(centre(main.left(), main.width(), outer.width()),
                         centre(main.top(), main.height(), outer.height())));
    }
}

TEST_F(UiWindowTest, AboutOpensModallyWithOkFocusedAndEnterClosesIt) {
    AboutDialog& about = rig.window->aboutDialog();
    bool wasShown = false;
    QString focused;
    QTimer::singleShot(0, [&] {
        wasShown = about.isVisible() && about.isModal();
        focused = about.focusWidget() ? about.focusWidget()->objectName() : QString();
        QTest::keyClick(about.focusWidget(), Qt::Key_Escape);  // no cancel button
        QTest::keyClick(about.focusWidget(), Qt::Key_Return);
    });
    // If Enter did not close it, close it anyway so that the test cannot hang.
    QTimer::singleShot(2000, &about, &QDialog::reject);
    QTest::mouseClick(rig.Find<QPushButton>("ButAbout"), Qt::LeftButton);
    EXPECT_TRUE(wasShown);
    EXPECT_EQ(focused, "Button1");
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(UiWindowTest, LinkColoursAndTheWebAddress) {
    AboutDialog& about = rig.window->aboutDialog();
    about.show();
    LinkLabel* link = about.webLink();
    EXPECT_EQ(link->colour(), LinkLabel::kBlue);
    EXPECT_TRUE(link->text().contains("kelvarin"));

    // A right click turns it red, then purple, and opens nothing.
    QTest::mousePress(link, Qt::RightButton);
    EXPECT_EQ(link->colour(), LinkLabel::kRed);
    QTest::mouseRelease(link, Qt::RightButton);
    EXPECT_EQ(link->colour(), LinkLabel::kPurple);
    EXPECT_TRUE(rig.shell.opened.empty());

    // A right button released elsewhere leaves it red.
    QTest::mousePress(link, Qt::RightButton);
    QTest::mouseRelease(link, Qt::RightButton, {}, QPoint(-20, -20));
    EXPECT_EQ(link->colour(), LinkLabel::kRed);

    // A left press released outside: purple, nothing opened.
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(link->colour(), LinkLabel::kPurple);
    EXPECT_TRUE(rig.shell.opened.empty());

    // A left click opens the address while the link is still red.
    QColor colourWhileOpening;
    QObject::connect(link, &LinkLabel::clicked, [&] { colourWhileOpening = link->colour(); });
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(rig.shell.opened.size(), 1u);
    EXPECT_EQ(rig.shell.opened[0], QUrl(AboutDialog::kWebAddress));
    EXPECT_EQ(colourWhileOpening, LinkLabel::kRed);
    EXPECT_EQ(link->colour(), LinkLabel::kPurple);

    // Shown again, the link keeps its colour.
    about.hide();
    about.show();
    EXPECT_EQ(link->colour(), LinkLabel::kPurple);
    about.hide();
}

TEST_F(UiWindowTest, SliderFiresOnProgramChangesOnlyWhenTheyChangeSomething) {
    auto* slider = rig.Find<ZoomSlider>("TrackBar1");
    int changes = 0;
    QObject::connect(slider, &ZoomSlider::zoomRequested, [&changes] { ++changes; });
    slider->setPosition(100);
    EXPECT_EQ(changes, 0);
    slider->setPosition(250);  // clamped to 100: no change
    EXPECT_EQ(changes, 0);
    slider->setPosition(5);
    EXPECT_EQ(slider->position(), 10);
    EXPECT_EQ(changes, 1);
    // The user's key at the end of the range changes nothing and still notifies.
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace kelvarin::testing
