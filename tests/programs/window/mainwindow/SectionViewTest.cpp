// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include "UiDoubles.h"
#include "controls/ArrowSelector.h"
#include "controls/NumericEdit.h"
#include "controls/ZoomSlider.h"
#include "core/TextToNumber.h"
#include "designmodel/DesignModel.h"
#include "drawing/SectionView.h"
#include "widgets/PictureWidget.h"
#include "widgets/ZoomableImageView.h"

namespace kelvarin::testing {
namespace {

class UiSectionViewTest : public ::testing::Test {
protected:
    void Click(const char* button) {
        QTest::mouseClick(rig.Find<QPushButton>(button), Qt::LeftButton);
    }
    void check(const char* box) {
        QCheckBox* check = rig.Find<QCheckBox>(box);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(6, check->height() / 2));
    }
    // The manual mode with the start texts: diameter 151,7 cm, pitch 0,52 m.
    void CalculateStartDesign() {
        check("CheckManual");
        Click("ButRash");
    }
    void StepSelector(int steps) {
        auto* selector = rig.Find<ArrowSelector>("UpDown1");
        for (int i = 0; i < steps; ++i) {
            QTest::mouseClick(selector->upArrow(), Qt::LeftButton);
        }
    }
    QString Info() const { return rig.Find<QLabel>("LabInfo")->text(); }
    ZoomableImageView* Box() const { return rig.Find<ZoomableImageView>("VzImageBox1"); }
    ZoomSlider* Slider() const { return rig.Find<ZoomSlider>("TrackBar1"); }
    QImage ShownPicture() const { return Box()->pictureWidget()->picture(); }
    int RedPixels() const {
        const QImage picture = ShownPicture();
        int red = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                red += picture.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
            }
        }
        return red;
    }

    WindowRig rig;
};

TEST_F(UiSectionViewTest, NothingIsCalculatedAtStart) {
    EXPECT_EQ(Info(), "   ");
    EXPECT_FALSE(Box()->pictureWidget()->hasPicture());
    EXPECT_EQ(Slider()->position(), 100);
    EXPECT_EQ(rig.window->zoomPercent(), 0);
    EXPECT_FALSE(QFile::exists("Date.html"));
}

TEST_F(UiSectionViewTest, CalculationFillsFieldsReportLabelPictureAndSlider) {
    Click("ButRash");
    EXPECT_TRUE(rig.messages.informed.isEmpty());
    EXPECT_TRUE(rig.messages.errors.isEmpty());
    // The design works with the results as the fields show them.
    const PropellerDesign& design = rig.window->designModel().design();
    EXPECT_EQ(design.sizing.diameterCm, textToNumber(rig.window->fieldText(InputField::Diameter)));
    EXPECT_EQ(design.sizing.pitchM, textToNumber(rig.window->fieldText(InputField::Pitch)));
    EXPECT_GT(QFile("Date.html").size(), 1000);
    EXPECT_TRUE(QRegularExpression("^Сечение 0,2 радиуса: \\d+,\\d мм от центра винта$")
                    .match(Info())
                    .hasMatch())
        << Info().toStdString();

    const ViewBitmapSize size = sectionBitmapSize(buildSectionOutlines(design, 600, false), 3);
    EXPECT_EQ(ShownPicture().size(), QSize(size.width, size.height));
    EXPECT_TRUE(Box()->pictureWidget()->resample());
    // A section at 600 dpi is far wider than the view: fitted well below 100 %, the slider
    // showing the same percentage, and the fit kept since the slider handed back an equal value.
    EXPECT_LT(Box()->zoomPercent(), 100);
    EXPECT_GE(Box()->zoomPercent(), 10);
    EXPECT_EQ(Slider()->position(), Box()->zoomPercent());
    EXPECT_EQ(rig.window->zoomPercent(), Box()->zoomPercent());
    EXPECT_TRUE(Box()->fitToWindow());
}

TEST_F(UiSectionViewTest, StartDesignLabelsAndBitmapOfTheFirstAndLastSection) {
    CalculateStartDesign();
    EXPECT_EQ(Info(), "Сечение 0,2 радиуса: 151,7 мм от центра винта");
    // A chord of 141.4 mm and a thickness of 30 mm at 600 dpi.
    EXPECT_NEAR(ShownPicture().width(), 3340, 5);
    EXPECT_NEAR(ShownPicture().height(), 719, 3);
    StepSelector(20);  // stops at 11
    EXPECT_EQ(rig.Find<ArrowSelector>("UpDown1")->position(), 11);
    EXPECT_EQ(Info(), "Сечение 1 радиуса: 758,5 мм от центра винта");
    EXPECT_TRUE(rig.messages.errors.isEmpty());
}

TEST_F(UiSectionViewTest, TurnedSectionIsTallerAndNarrowerAndMarksAreRed) {
    CalculateStartDesign();
    const QSize flat = ShownPicture().size();
    EXPECT_EQ(RedPixels(), 0);
    check("CheckUgol");
    EXPECT_TRUE(rig.window->designModel().viewOptions().turned);
    EXPECT_GT(ShownPicture().height(), flat.height());
    EXPECT_LT(ShownPicture().width(), flat.width());
    check("CheckControl");
    EXPECT_TRUE(rig.window->designModel().viewOptions().controlMarks);
    // The marks are the view's, over the bitmap: in it they would shrink and grow with the zoom.
    EXPECT_EQ(RedPixels(), 0);
}

// The longest run of neighbouring columns of the view that show red: one mark's width where
// the marks stand apart.
int LongestRedRun(const QImage& shot) {
    int longest = 0;
    int run = 0;
    for (int x = 0; x < shot.width(); ++x) {
        bool red = false;
        for (int y = 0; y < shot.height() && !red; ++y) {
            const QRgb p = shot.pixel(x, y);
            red = qRed(p) > 200 && qGreen(p) < 100 && qBlue(p) < 100;
        }
        run = red ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// An 11-pixel mark stays 11 pixels on the screen: zoomed out it would vanish, in it would swell.
TEST_F(UiSectionViewTest, ControlMarksKeepTheirSizeOnTheScreenAtAnyZoom) {
    check("CheckControl");
    CalculateStartDesign();
    Slider()->setPosition(10);
    EXPECT_GE(LongestRedRun(Box()->viewport()->grab().toImage()), 9);
    Box()->setZoomPercent(200);
    // Down to the flat lower surface, whose marks stand far apart at this zoom.
    Box()->verticalScrollBar()->setValue(Box()->verticalScrollBar()->maximum());
    const int zoomedIn = LongestRedRun(Box()->viewport()->grab().toImage());
    EXPECT_GE(zoomedIn, 9);
    EXPECT_LE(zoomedIn, 13);
}

// Fitted, the 2-pixel outline of a 3340-pixel bitmap is shown at a fifth of its size: on the
// screen it must still read as a dark unbroken line, and the control marks must show red.
TEST_F(UiSectionViewTest, FittedOutlineIsDarkAndUnbrokenOnScreen) {
    PictureWidget* image = Box()->pictureWidget();
    image->setResampleDelayMs(0);
    QSignalSpy painted(image, &PictureWidget::smoothPainted);
    check("CheckControl");
    CalculateStartDesign();
    ASSERT_TRUE(painted.wait(2000));
    ASSERT_LT(Box()->zoomPercent(), 30);
    // What the view shows of the picture, as it is on the screen, without the margin around it.
    const QRect picture = image->pictureRect();
    const QImage shot =
        Box()->grab(QRect(image->mapTo(Box(), picture.topLeft()), picture.size())).toImage();
    const QRect shown(QPoint(0, 1), shot.size() - QSize(0, 2));
    // Every column shows the outline dark, or a mark, whose white middle covers it, red.
    int gaps = 0;
    int redColumns = 0;
    for (int x = shown.left() + 2; x < shown.right() - 2; ++x) {
        int darkest = 255;
        bool red = false;
        for (int y = shown.top(); y <= shown.bottom(); ++y) {
            const QRgb p = shot.pixel(x, y);
            darkest = std::min(darkest, qGray(p));
            red = red || (qRed(p) > 200 && qGreen(p) < 80);
        }
        gaps += darkest > 0x40 && !red ? 1 : 0;
        redColumns += red ? 1 : 0;
    }
    EXPECT_EQ(gaps, 0);
    EXPECT_GT(redColumns, 20);
}

TEST_F(UiSectionViewTest, FitBelowTenPercentBecomesTenUnlessTheSliderStoodThere) {
    rig.window->findChild<QDockWidget*>("StationDock")->hide();
    rig.window->resize(260, 300);
    CalculateStartDesign();
    // The fit was under 10 %: the slider moved to 10 and its handler fixed the scale there.
    EXPECT_EQ(Slider()->position(), 10);
    EXPECT_EQ(Box()->zoomPercent(), 10);
    EXPECT_FALSE(Box()->fitToWindow());

    // Now the slider already stands at 10: no change event, and the picture stays fitted.
    Click("ButRash");
    EXPECT_TRUE(Box()->fitToWindow());
    EXPECT_LT(Box()->zoomPercent(), 10);
    EXPECT_EQ(rig.window->zoomPercent(), Box()->zoomPercent());

    // A click on the thumb, without moving it, still reaches the handler.
    QStyleOptionSlider option;
    option.initFrom(Slider());
    option.orientation = Qt::Horizontal;
    option.minimum = Slider()->minimum();
    option.maximum = Slider()->maximum();
    option.sliderPosition = option.sliderValue = Slider()->value();
    const QRect thumb = Slider()->style()->subControlRect(QStyle::CC_Slider, &option,
                                                          QStyle::SC_SliderHandle, Slider());
    QTest::mouseClick(Slider(), Qt::LeftButton, {}, thumb.center());
    EXPECT_EQ(Slider()->position(), 10);
    EXPECT_EQ(Box()->zoomPercent(), 10);
    EXPECT_FALSE(Box()->fitToWindow());
}

TEST_F(UiSectionViewTest, SliderSetsTheScaleEvenWithoutAPicture) {
    Slider()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(Slider()->position(), 90);
    EXPECT_EQ(Box()->zoomPercent(), 90);
    EXPECT_EQ(rig.window->zoomPercent(), 90);
}

// Ctrl and the wheel zoom the view, and the slider shows where it went.
TEST_F(UiSectionViewTest, TheSliderFollowsAZoomByTheWheel) {
    CalculateStartDesign();
    const int before = Box()->zoomPercent();
    QWheelEvent wheel(QPointF(50, 50), Box()->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(Box()->viewport(), &wheel);
    ASSERT_NE(Box()->zoomPercent(), before);
    EXPECT_EQ(Slider()->position(), std::clamp(Box()->zoomPercent(), 10, 100));
    EXPECT_EQ(rig.window->zoomPercent(), Box()->zoomPercent());
}

// Without a printer the view draws as a 600 dpi printer would print; only Print says once that
// there is none.
TEST_F(UiSectionViewTest, MissingPrinterIsShownOnlyByPrint) {
    rig.printer.missing = true;
    CalculateStartDesign();
    EXPECT_EQ(Info(), "Сечение 0,2 радиуса: 151,7 мм от центра винта");
    EXPECT_NEAR(ShownPicture().width(), 3340, 5);
    check("CheckUgol");
    EXPECT_TRUE(rig.messages.errors.isEmpty());

    Click("ButPrint");
    EXPECT_EQ(rig.messages.errors, QStringList{"Принтер по умолчанию не выбран."});
    EXPECT_EQ(rig.printer.documents, 0);
}

TEST_F(UiSectionViewTest, AbsurdDiameterIsShownWithoutExhaustingMemory) {
    check("CheckManual");
    rig.window->setFieldText(InputField::Diameter, "99999");
    Click("ButRash");
    StepSelector(1);
    EXPECT_TRUE(rig.messages.errors.isEmpty());
    ASSERT_TRUE(Box()->pictureWidget()->hasPicture());
    EXPECT_LE(std::int64_t{ShownPicture().width()} * ShownPicture().height(), kMaxViewBitmapPixels);
}

// A large turned section at 1200 dpi would pass the bitmap bound: the view shows it at half the
// printer's resolution instead of refusing it, and printing still uses the full resolution.
TEST_F(UiSectionViewTest, LargeSectionsAreShownAtAFractionOfTheResolution) {
    rig.printer.dpi = 1200;
    check("CheckManual");
    rig.window->setFieldText(InputField::Diameter, "300");
    rig.window->setFieldText(InputField::Pitch, "1,5");
    check("CheckUgol");
    Click("ButRash");
    EXPECT_TRUE(rig.messages.errors.isEmpty());
    ASSERT_FALSE(ShownPicture().isNull());
    EXPECT_LE(std::int64_t{ShownPicture().width()} * ShownPicture().height(), kMaxViewBitmapPixels);
    EXPECT_GT(std::int64_t{ShownPicture().width()} * ShownPicture().height(),
              kMaxViewBitmapPixels / 8);
}

TEST_F(UiSectionViewTest, FailedRedrawLeavesNoOldPictureBesideTheNewLabel) {
    CalculateStartDesign();
    ASSERT_FALSE(ShownPicture().isNull());
    // A section too large for the screen even at one dot per inch.
    rig.window->setFieldText(InputField::Diameter, "1E7");
    Click("ButRash");
    EXPECT_EQ(Info(), "Сечение 0,2 радиуса: 1E7 мм от центра винта");
    EXPECT_FALSE(Box()->pictureWidget()->hasPicture());
    EXPECT_TRUE(ShownPicture().isNull());
}

TEST_F(UiSectionViewTest, HeldArrowStopsWhenAStepOpensAModalWindow) {
    auto* selector = rig.Find<ArrowSelector>("UpDown1");
    QDialog message(rig.window.get());
    int clicks = 0;
    QObject::connect(selector, &ArrowSelector::positionChanged, [&] {
        ++clicks;
        message.setModal(true);
        message.show();
    });
    QTest::mousePress(selector->upArrow(), Qt::LeftButton);
    // Long enough for the arrow's auto-repeat to fire several times.
    QTest::qWait(selector->upArrow()->autoRepeatDelay() +
                 4 * selector->upArrow()->autoRepeatInterval());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(selector->position(), 4);
    EXPECT_FALSE(selector->upArrow()->isDown());
    message.hide();
}

// Named after the design, and the window says where how many sheets went.
TEST_F(UiSectionViewTest, PrintGoesToThePrinter) {
    CalculateStartDesign();
    Click("ButPrint");
    EXPECT_EQ(rig.printer.documents, 1);
    EXPECT_EQ(rig.printer.documentName, "Шаблоны: Воздушный винт: диаметр 151,7 см, шаг 0,52 м");
    EXPECT_TRUE(rig.messages.errors.isEmpty());
    EXPECT_EQ(
        rig.messages.informed,
        QStringList{
            QString("%1 листов отправлено на принтер Мастерская").arg(rig.printer.pages + 1)});
}

TEST_F(UiSectionViewTest, SelectorAtTheEndOfItsRangeFiresNothing) {
    auto* selector = rig.Find<ArrowSelector>("UpDown1");
    int clicks = 0;
    QObject::connect(selector, &ArrowSelector::positionChanged, [&clicks] { ++clicks; });
    QTest::mouseClick(selector->downArrow(), Qt::LeftButton);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(selector->position(), 3);
    QTest::mouseClick(selector->upArrow(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(selector->position(), 4);
    // Before any calculation the outlines are all zero: a blank view, and the label says so.
    EXPECT_EQ(Info(), "Сечение 0,3 радиуса: 0,0 мм от центра винта");
    EXPECT_TRUE(rig.messages.errors.isEmpty());
}

}  // namespace
}  // namespace kelvarin::testing
