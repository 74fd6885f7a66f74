// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ReportTestSupport.h"
#include "atomicfile/FileWriteError.h"
#include "report/DataReport.h"

namespace kelvarin::testing {
namespace {

TEST(ReportFile, EachRunReplacesTheWholeFile) {
    TempDir dir;
    const std::string path = dir.File("Date.html");
    WriteBytes(path, std::string(100000, 'x'));  // an earlier, longer file
    const PropellerDesign design = DefaultDesign();
    writeReport(design, InputMode::Calculated, path);
    EXPECT_EQ(ReadBytes(path), reportText(design, InputMode::Calculated));
    writeReport(design, InputMode::Manual, path);  // four lines shorter
    EXPECT_EQ(ReadBytes(path), reportText(design, InputMode::Manual));
}

TEST(ReportFile, AReportThatCannotBeWrittenSaysWhyAndTheFileKeepsWhatItHeld) {
    TempDir dir;
    const std::string folder = dir.File("Date.html");
    std::filesystem::create_directory(folder);
    EXPECT_THROW(writeReport(DefaultDesign(), InputMode::Calculated, folder), FileWriteError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_THROW(writeReport(DefaultDesign(), InputMode::Calculated, dir.File("missing/Date.html")),
                 FileWriteError);

    // What is no regular file is written in place as before, its errors ignored.
    const SealedFile sealed("<html>old report</html>");
    EXPECT_NO_THROW(writeReport(DefaultDesign(), InputMode::Calculated, sealed.Path()));
    EXPECT_EQ(ReadBytes(sealed.Path()), "<html>old report</html>");
    // Its link's text ("/memfd:… (deleted)") is no name to create a file by.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::read_symlink(sealed.Path())));
    EXPECT_NO_THROW(
        writeReport(DefaultDesign(), InputMode::Calculated, "/dev/full"));  // every write fails
}

TEST(ReportFile, APipeWithoutReaderDoesNotHoldUpTheRun) {
    TempDir dir;
    const std::string path = dir.File("Date.html");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    writeReport(DefaultDesign(), InputMode::Calculated,
                path);  // returns instead of waiting for a reader
}

TEST(ReportFile, TheBareNameLandsInTheCurrentDirectory) {
    TempDir dir;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.Path());
    writeReport(DefaultDesign(), InputMode::Calculated);
    std::filesystem::current_path(before);
    EXPECT_EQ(ReadBytes(dir.File("Date.html")), reportText(DefaultDesign(), InputMode::Calculated));
}

}  // namespace
}  // namespace kelvarin::testing
