// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "core/ProgramInfo.h"
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
        {"future version", R"({"format": "kelvarin-design", "formatVersion": 3})",
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
        {"a long version",
         StartFileWith("\"" + QByteArray(kProgramVersion) + "\"",
                       QByteArray(65, 'v').prepend('"').append('"')),
         "«programVersion» длиннее 64 символов: «vvvv"},
        {"a section off the blade", StartFileWith(R"("section": 3)", R"("section": 12)"),
         "от 3 до 11"},
        {"a mode as text", StartFileWith(R"("manual": false)", R"("manual": "yes")"),
         "«mode.manual»"},
        {"an unknown rule", StartFileWith("\"mode\"", "\"bladeAngles\": \"twice\", \"mode\""),
         "«bladeAngles»"},
        {"a curve point out of sense",
         StartFileWith("\"mode\"",
                       "\"engine\": {\"powerCurve\": [\n{\"rpm\": 1000, "
                       "\"powerHp\": 5},\n{\"rpm\": 900, \"powerHp\": 6}]},\n\"mode\""),
         "строка 14, кривая мощности двигателя: Кривая мощности, точка 2: обороты"},
        {"a curve of one point",
         StartFileWith("\"mode\"",
                       "\"engine\": {\"powerCurve\": [{\"rpm\": 1000, "
                       "\"powerHp\": 5}]},\n\"mode\""),
         "от 2 до"},
        {"a curve point without power",
         StartFileWith("\"mode\"", "\"engine\": {\"powerCurve\": [{\"rpm\": 1000}, 5]}, \"mode\""),
         "точка 1 должна быть"},
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
    // 64 characters, each two UTF-16 units.
    QByteArray emoji;
    for (int i = 0; i < 64; ++i) {
        emoji += "\xF0\x9F\x9A\x80";
    }
    EXPECT_TRUE(readDesignJson(StartFileWith("\"" + QByteArray(kProgramVersion) + "\"",
                                             emoji.prepend('"').append('"')))
                    .document);
    EXPECT_EQ(reading.document->section, 3);
    EXPECT_TRUE(reading.document->byDiameterChecked);
}

// The default blade angles and engine keep the first version's bytes, which older programs read;
// a design with either is of the second, and reads back the same.
TEST(DesignFile, BladeAnglesAndEngineCurveComeBack) {
    ScopedSeparator point('.');
    const QByteArray plain = designJson(DesignDocument{});
    EXPECT_TRUE(plain.contains("\"formatVersion\": 1"));
    EXPECT_FALSE(plain.contains("bladeAngles") || plain.contains("engine"));
    DesignDocument d = ManualDesign();
    d.fieldTexts = {"120.5", "0.45", "", "5.2915E7", "60", "3E04"};
    d.bladeAngleRule = BladeAngleRule::Engine;
    d.enginePowerCurve = {{1500, 10.5}, {2300, 14}};
    const QByteArray bytes = designJson(d);
    EXPECT_TRUE(bytes.contains("\"formatVersion\": 2"));
    const DesignReading reading = readDesignJson(bytes);
    ASSERT_TRUE(reading.document) << reading.problem.toStdString();
    EXPECT_EQ(*reading.document, d);
}

TEST(DesignFile, FileProblemsNameTheFileAndLeaveTheOldFileAlone) {
    QTemporaryDir dir;
    EXPECT_TRUE(loadDesignFile(dir.filePath("нет.kelvarin"))
                    .problem.contains("«" + dir.filePath("нет.kelvarin") + "»: такого файла нет."));
    EXPECT_TRUE(loadDesignFile(dir.path()).problem.contains("каталог"));
    EXPECT_TRUE(loadDesignFile("/dev/zero").problem.contains("не обычный файл"));
    EXPECT_TRUE(saveDesignFile(dir.filePath("нет/a.kelvarin"), {}).contains("папка не найдена"));
    // A loop of links is neither missing nor replaced.
    const QString loop = dir.filePath("loop.kelvarin");
    ASSERT_TRUE(QFile::link(loop, loop));
    EXPECT_TRUE(loadDesignFile(loop).problem.contains("символических ссылок"));
    EXPECT_TRUE(saveDesignFile(loop, {}).contains("символических ссылок"));
    EXPECT_TRUE(QFileInfo(loop).isSymLink());

    ScopedSeparator comma(',');
    const QString path = dir.filePath("a.kelvarin");
    ASSERT_EQ(saveDesignFile(path, {}), "");
    DesignDocument pasted;
    pasted.fieldTexts[fieldIndex(InputField::Power)] = "1.5";  // the other separator
    EXPECT_TRUE(saveDesignFile(path, pasted).contains("Мощность двигателя"));
    EXPECT_EQ(*loadDesignFile(path).document, DesignDocument{});
}

// A design saved onto a full disk is refused and the old one kept, not replaced by an empty
// file after a flush that failed.
TEST(DesignFile, AFullDiskKeepsTheOldDesign) {
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.filePath("disk"));
    ASSERT_TRUE(QDir().mkdir(dir.filePath("disk")));
    if (::geteuid() != 0 || ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "a small disk can be mounted by root only";
    }
    struct Unmount {
        QByteArray folder;
        ~Unmount() { ::umount2(folder.constData(), MNT_DETACH); }
    } unmount{folder};
    const QString path = dir.filePath("disk/a.kelvarin");
    ASSERT_EQ(saveDesignFile(path, {}), "");
    QFile filler(dir.filePath("disk/filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(4096, 'f')) > 0 && filler.flush()) {
    }
    filler.close();
    EXPECT_TRUE(saveDesignFile(path, ManualDesign()).contains("не хватает места"));
    const DesignLoad kept = loadDesignFile(path);
    ASSERT_TRUE(kept.document) << kept.problem.toStdString();
    EXPECT_EQ(*kept.document, DesignDocument{});
    EXPECT_EQ(QDir(dir.filePath("disk"))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"a.kelvarin", "filler"}));
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
