// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <iconv.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/CalculationRun.h"
#include "core/PropellerDesign.h"
#include "report/DataReport.h"
#include "support/StartTexts.h"

namespace kelvarin::testing {

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kelvarin-report-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp failed");
        }
        path_ = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(std::string_view name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A file that nobody may empty or write, root included (root ignores permission bits, so those
// would prove nothing here): a memory file with its write and size sealed, reached by a path.
class SealedFile {
public:
    explicit SealedFile(const std::string& content) {
        fd_ = memfd_create("sealed-report", MFD_ALLOW_SEALING | MFD_CLOEXEC);
        if (fd_ < 0 ||
            ::write(fd_, content.data(), content.size()) != static_cast<ssize_t>(content.size()) ||
            fcntl(fd_, F_ADD_SEALS, F_SEAL_WRITE | F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL) !=
                0) {
            throw std::runtime_error("cannot make a sealed file");
        }
    }
    ~SealedFile() { ::close(fd_); }
    SealedFile(const SealedFile&) = delete;
    SealedFile& operator=(const SealedFile&) = delete;

    std::string Path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_ = -1;
};

// The report's bytes as UTF-8 lines; every line must end in CR LF, the last one included.
inline std::vector<std::string> ReportLinesOf(const std::string& windows1251) {
    const iconv_t cd = iconv_open("UTF-8", "CP1251");
    std::string utf8(windows1251.size() * 3, '\0');
    char* in = const_cast<char*>(windows1251.data());
    std::size_t inLeft = windows1251.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    const std::size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
    iconv_close(cd);
    EXPECT_NE(result, static_cast<std::size_t>(-1)) << "not Windows-1251";
    utf8.resize(static_cast<std::size_t>(out - utf8.data()));

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < utf8.size()) {
        const std::size_t end = utf8.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line without CR LF: " << utf8.substr(start);
            break;
        }
        const std::string line = utf8.substr(start, end - start);
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break: " << line;
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// The design after one run from the start texts in the calculated mode.
inline PropellerDesign DefaultDesign() {
    return runCalculation(startTexts(), InputMode::Calculated).design;
}

}  // namespace kelvarin::testing
