// SPDX-License-Identifier: GPL-3.0-or-later
// A click on Calculate as the window carries it out: the messages among the field writes, then
// the report and the section view, only for a run that completed.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "UiDoubles.h"
#include "controls/NumericEdit.h"

namespace kelvarin::testing {
namespace {

class UiCalculationTest : public ::testing::Test {
protected:
    void Calculate() { QTest::mouseClick(rig.Find<QPushButton>("ButRash"), Qt::LeftButton); }
    QByteArray Report() const {
        QFile file(QStringLiteral("Date.html"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Info() const { return rig.Find<QLabel>("LabInfo")->text(); }

    WindowRig rig;
};

TEST_F(UiCalculationTest, EveryModeWritesTheReportAndShowsTheSection) {
    struct Mode {
        const char* name;
        bool manual;
        bool diam;
        qsizetype lines;
    };
    for (const Mode& mode :
         {Mode{"calculated", false, false, 607}, Mode{"by diameter", false, true, 607},
          Mode{"manual", true, false, 603}}) {
        SCOPED_TRACE(mode.name);
        rig.Find<QCheckBox>("CheckDiam")->setChecked(mode.diam);
        rig.Find<QCheckBox>("CheckManual")->setChecked(mode.manual);
        rig.Find<QLabel>("LabInfo")->clear();
        Calculate();
        const QByteArray first = Report();
        EXPECT_EQ(first.count("\r\n"), mode.lines);
        EXPECT_TRUE(Info().startsWith("Сечение 0,2 радиуса"));
        // A second click with the same inputs writes the same file.
        Calculate();
        EXPECT_EQ(Report(), first);
    }
    EXPECT_TRUE(rig.messages.errors.isEmpty());
}

TEST_F(UiCalculationTest, ABadFieldIsNamedAndFocusedAndLeavesReportAndViewAlone) {
    Calculate();
    const QByteArray before = Report();
    rig.Find<QLabel>("LabInfo")->clear();
    rig.window->setFieldText(InputField::Power, "1.5");  // a point under a comma locale
    Calculate();
    EXPECT_EQ(Report(), before);
    EXPECT_TRUE(Info().isEmpty());
    EXPECT_EQ(rig.messages.informed,
              QStringList{"Значение в поле «Мощность двигателя л/с» не является числом: «1.5»"});
    EXPECT_TRUE(rig.messages.errors.isEmpty());
    NumericEdit* power = rig.window->fieldEdit(InputField::Power);
    EXPECT_EQ(rig.window->focusWidget(), power);
    EXPECT_EQ(power->selectedText(), "1.5");
}

TEST_F(UiCalculationTest, AnArithmeticFaultIsSaidInsteadOfLeavingStaleResults) {
    rig.Find<QLabel>("LabInfo")->clear();
    rig.window->setFieldText(InputField::PropellerSpeed, "1E-308");  // a pitch beyond range
    Calculate();
    EXPECT_EQ(rig.messages.informed,
              QStringList{"Расчет не выполнен: число вне допустимого диапазона. Проверьте "
                          "введенные значения."});
    EXPECT_TRUE(Info().isEmpty());
}

// The report's failure is said once, after the view is drawn; Data then says it again instead
// of opening the old file, until a report is written; and a file removed since is not opened.
TEST_F(UiCalculationTest, AnUnwritableReportIsSaidAndDataDoesNotOpenAStaleFile) {
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("Date.html")));
    Calculate();
    EXPECT_TRUE(Info().startsWith("Сечение"));
    const QString path = QDir::current().absoluteFilePath("Date.html");
    EXPECT_EQ(rig.messages.errors, QStringList{"Не удалось записать отчёт в файл «" + path +
                                               "»: на месте файла находится папка."});
    QTest::mouseClick(rig.Find<QPushButton>("ButDate"), Qt::LeftButton);
    EXPECT_TRUE(rig.shell.opened.empty());
    ASSERT_EQ(rig.messages.errors.size(), 2);
    EXPECT_EQ(rig.messages.errors[1], "Отчёт последнего расчёта не записан в файл «" + path +
                                          "»: на месте файла находится папка.");

    ASSERT_TRUE(QDir().rmdir(QStringLiteral("Date.html")));
    Calculate();
    QTest::mouseClick(rig.Find<QPushButton>("ButDate"), Qt::LeftButton);
    EXPECT_EQ(rig.shell.opened.size(), 1U);
    EXPECT_EQ(rig.messages.errors.size(), 2);

    ASSERT_TRUE(QFile::remove(QStringLiteral("Date.html")));
    QTest::mouseClick(rig.Find<QPushButton>("ButDate"), Qt::LeftButton);
    EXPECT_EQ(rig.shell.opened.size(), 1U);
    EXPECT_EQ(rig.messages.errors.size(), 3);
}

// Each message box covers the fields as they stood when its message arose: the first field's
// fallback is already in when the second field's message shows.
TEST_F(UiCalculationTest, MessagesShowOverTheFieldsAsTheyStoodThen) {
    rig.window->setFieldText(InputField::Power, "");
    rig.window->setFieldText(InputField::DesignSpeed, "0");
    QStringList powerShown;
    QStringList speedShown;
    rig.messages.onInform = [&] {
        powerShown << QString::fromStdString(rig.window->fieldText(InputField::Power));
        speedShown << QString::fromStdString(rig.window->fieldText(InputField::DesignSpeed));
    };
    Calculate();
    EXPECT_EQ(rig.messages.informed,
              QStringList({"Необходимо ввести параметр мощность двигателя больше нуля",
                           "Необходимо ввести параметр скрорость расчетная больше нуля"}));
    EXPECT_EQ(powerShown, QStringList({"", "14"}));
    EXPECT_EQ(speedShown, QStringList({"0", "0"}));
    EXPECT_EQ(rig.window->fieldText(InputField::DesignSpeed), "40");
}

}  // namespace
}  // namespace kelvarin::testing
