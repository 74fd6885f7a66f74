// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "designfile/DesignFile.h"
#include "designfile/DesignJson.h"
#include "designfile/FieldTextRule.h"
#include "support/ScopedSeparator.h"

namespace kelvarin::testing {
namespace {

DesignDocument ManualDesign() {
    DesignDocument d;
    d.fieldTexts = {"120,5", "0,45", "", "5,2915E7", "60", "3E04"};
    d.byDiameterChecked = true;
    d.manualChecked = true;
    d.view = {true, true};
    d.section = 11;
    d.model.hub.boreMm = 30;
    d.model.hub.holeCount = 4;
    d.model.trailingEdgeMm = 1.5;
    d.model.wood = "ash";
    return d;
}

// The start design's file with one piece of it replaced.
QByteArray StartFileWith(const QByteArray& from, const QByteArray& to) {
    QByteArray json = designJson(DesignDocument{});
    EXPECT_TRUE(json.contains(from)) << from.toStdString();
    return json.replace(from, to);
}

TEST(DesignFile, SavedUnderACommaOpensUnderAPointAndBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("винт.kelvarin");
    {
        ScopedSeparator comma(',');
        ASSERT_EQ(saveDesignFile(path, ManualDesign()), "");
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("\"diameterCm\": \"120.5\"")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("\"formatVersion\": 1"));

    ScopedSeparator point('.');
    const DesignLoad load = loadDesignFile(path);
    ASSERT_TRUE(load.document) << load.problem.toStdString();
    DesignDocument expected = ManualDesign();
    expected.fieldTexts = {"120.5", "0.45", "", "5.2915E7", "60", "3E04"};
    EXPECT_EQ(*load.document, expected);
}

TEST(DesignFile, EveryBadFileIsRefusedWithItsReason) {
    ScopedSeparator comma(',');
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", "  \n", "файл пуст"},
        {"not JSON", "Date.html\n<html>", "не JSON"},
        {"cut short", designJson(DesignDocument{}).left(120), "оборван"},
        {"another JSON", R"({"format": "other"})", "не проект Kelvarin"},
        {"a list", "[1, 2]", "нет объекта"},
        {"future version", R"({"format": "kelvarin-design", "formatVersion": 2})",
         "более новой версией"},
        {"fractional version", R"({"format": "kelvarin-design", "formatVersion": 1.5})",
         "целым числом от 1"},
        {"a number for a text", StartFileWith(R"("powerHp": "14")", R"("powerHp": 14)"),
         "«fields.powerHp» должно быть"},
        {"a comma in the file", StartFileWith(R"("pitchM": "0.52")", R"("pitchM": "0,52")"),
         "«0,52» не число"},
        {"a letter", StartFileWith(R"("speedRpm": "2300")", R"("speedRpm": "23OO")"),
         "Частота вращения винта"},
        {"a huge text", StartFileWith("\"50\"", QByteArray(100000, '5').prepend('"').append('"')),
         "слишком велик"},
        {"a long text", StartFileWith("\"50\"", QByteArray(25, '5').prepend('"').append('"')),
         "не больше 24"},
        {"a section off the blade", StartFileWith(R"("section": 3)", R"("section": 12)"),
         "от 3 до 11"},
        {"a mode as text", StartFileWith(R"("manual": false)", R"("manual": "yes")"),
         "«mode.manual»"},
        {"a bore wider than the hub",
         StartFileWith(R"("format")", R"("model": {"hub": {"diameterMm": 50, "boreMm": 60}},
             "format")"),
         "отверстие в центре ступицы (60 мм)"},
        {"a wood with no density",
         StartFileWith(R"("format")", R"("model": {"wood": "oak"}, "format")"), "«oak»"},
        {"holes as text",
         StartFileWith(R"("format")", R"("model": {"hub": {"holes": "six"}}, "format")"),
         "«model.hub.holes»"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DesignReading reading = readDesignJson(c.bytes);
        EXPECT_FALSE(reading.document);
        EXPECT_TRUE(reading.problem.contains(QString::fromUtf8(c.reason)))
            << reading.problem.toStdString();
    }
    // Missing members a hand-written design may leave out: the view and the program version.
    QByteArray minimal = R"({"format": "kelvarin-design", "formatVersion": 1, "mode":
        {"byDiameter": true, "manual": false}, "fields": {"diameterCm": "160", "pitchM": "",
        "powerHp": "20", "speedRpm": "0", "maxSpeedKmh": "60", "designSpeedKmh": "45",
        "comment": "unknown members are ignored"}, "later": [1]})";
    const DesignReading reading = readDesignJson(minimal);
    ASSERT_TRUE(reading.document) << reading.problem.toStdString();
    EXPECT_EQ(reading.document->section, 3);
    EXPECT_TRUE(reading.document->byDiameterChecked);
}

TEST(DesignFile, FileProblemsNameTheFileAndLeaveTheOldFileAlone) {
    QTemporaryDir dir;
    EXPECT_TRUE(loadDesignFile(dir.filePath("нет.kelvarin"))
                    .problem.contains("«" + dir.filePath("нет.kelvarin") + "»: такого файла нет."));
    EXPECT_TRUE(loadDesignFile(dir.path()).problem.contains("каталог"));
    EXPECT_TRUE(loadDesignFile("/dev/zero").problem.contains("не обычный файл"));
    EXPECT_TRUE(saveDesignFile(dir.filePath("нет/a.kelvarin"), {}).contains("нет каталога"));

    ScopedSeparator comma(',');
    const QString path = dir.filePath("a.kelvarin");
    ASSERT_EQ(saveDesignFile(path, {}), "");
    DesignDocument pasted;
    pasted.fieldTexts[fieldIndex(InputField::Power)] = "1.5";  // the other separator
    EXPECT_TRUE(saveDesignFile(path, pasted).contains("Мощность двигателя"));
    EXPECT_EQ(*loadDesignFile(path).document, DesignDocument{});
}

TEST(DesignFile, FieldTextsAreWhatTypingOrTheCalculationCanLeave) {
    for (const char* text : {"", "151,7", "12,", "0", "-14", "5,2915E7", "3E04", "5E-5"}) {
        EXPECT_EQ(fieldTextProblem(text, ','), "") << text;
    }
    for (const char* text : {",5", "1,2,3", "+1", " 1", "1.5", "E5", "1E", "1e5", "-", "abc"}) {
        EXPECT_NE(fieldTextProblem(text, ','), "") << text;
    }
    EXPECT_EQ(fieldTextProblem("1.5", '.'), "");
}

}  // namespace
}  // namespace kelvarin::testing
