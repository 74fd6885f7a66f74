// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <BRepPrimAPI_MakeBox.hxx>
#include <STEPControl_Writer.hxx>

#include <cstdio>
#include <filesystem>
#include <string>

#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// Open CASCADE's STEP translator registers its settings, editors and a default axis the first
// time a process uses it and never frees them, so LeakSanitizer would report them at exit.
// This makes that first use, on a cube, with leak detection paused for it alone; every later
// allocation, ours and the kernel's, is checked as usual.
class KernelStatics : public ::testing::Environment {
public:
    void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
        __lsan::ScopedDisabler paused;
#endif
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() /
            ("kelvarin-kernel-statics-" + std::to_string(::getpid()) + ".step");
        STEPControl_Writer writer;
        writer.Transfer(BRepPrimAPI_MakeBox(1, 1, 1).Shape(), STEPControl_ManifoldSolidBrep);
        writer.Write(path.c_str());
        std::filesystem::remove(path);
    }
};

[[maybe_unused]] ::testing::Environment* const kKernelStatics =
    ::testing::AddGlobalTestEnvironment(new KernelStatics);

}  // namespace
