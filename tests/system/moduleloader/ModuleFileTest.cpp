// SPDX-License-Identifier: GPL-3.0-or-later
// A module's file as the loaders find it, or say why not, with the file named.
#include "moduleloader/ModuleFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kelvarin {
namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ModuleFile, EachWayOfNotOpeningIsToldWithTheFile) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("kelvarin-module-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string missing = (dir / "kelvarin-none.so").string();
    const OpenedModule absent = openModule("kelvarin-none.so", "entry", missing);
    EXPECT_EQ(absent.outcome, OpenedModule::Outcome::Missing);
    EXPECT_EQ(moduleFailureText(absent, "kelvarin-none.so"),
              "Не найден модуль программы kelvarin-none.so (искали «" + missing +
                  "»); переустановите программу.");

    // Truncated by a failed copy, say: the dynamic loader's own reason is kept.
    const std::string broken = (dir / "kelvarin-broken.so").string();
    std::ofstream(broken) << "not a shared object";
    const OpenedModule refused = openModule("kelvarin-broken.so", "entry", broken);
    EXPECT_EQ(refused.outcome, OpenedModule::Outcome::NotLoadable);
    EXPECT_FALSE(refused.reason.empty());
    EXPECT_TRUE(Contains(moduleFailureText(refused, "kelvarin-broken.so"),
                         "«" + broken + "» не загружается (" + refused.reason + ")"));

    // A shared object of another program, or of another version without the entry.
    const OpenedModule other = openModule("sample.so", "noSuchEntry", KELVARIN_SAMPLE_MODULE);
    EXPECT_EQ(other.outcome, OpenedModule::Outcome::Foreign);
    EXPECT_TRUE(Contains(moduleFailureText(other, "sample.so"), "от другой версии"));

    const OpenedModule opened =
        openModule("sample.so", "kelvarinSampleModule", KELVARIN_SAMPLE_MODULE);
    ASSERT_EQ(opened.outcome, OpenedModule::Outcome::Opened);
    EXPECT_EQ(reinterpret_cast<int (*)()>(opened.entry)(), 1);
    EXPECT_EQ(moduleFailureText(opened, "sample.so"), "");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kelvarin
