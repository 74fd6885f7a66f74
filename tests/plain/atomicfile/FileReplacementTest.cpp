// SPDX-License-Identifier: GPL-3.0-or-later
// A replaced file holds the old bytes or all the new ones, never a part, whatever step fails.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "atomicfile/DeviceWrite.h"
#include "atomicfile/FileReplacement.h"
#include "atomicfile/FileSystem.h"
#include "atomicfile/FileWriteError.h"
#include "atomicfile/PendingTemporary.h"
#include "atomicfile/TemporaryNames.h"

namespace kelvarin::testing {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
struct TempDir {
    TempDir() {
        std::string pattern = fs::temp_directory_path() / "kelvarin-atomic-XXXXXX";
        EXPECT_NE(mkdtemp(pattern.data()), nullptr);
        path = pattern;
    }
    ~TempDir() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return path / name; }
    fs::path path;
};

// Everything in a folder, hidden files included.
std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The real file system with one fault injected.
class FaultyFileSystem : public PosixFileSystem {
public:
    enum class Step { Check, Create, Write, Sync, Close, Rename };
    FaultyFileSystem(Step step, int error, std::size_t writeBytesBeforeFault = 0)
        : step_(step), error_(error), budget_(writeBytesBeforeFault) {}

    int checkWritable(const std::string& path) override {
        return step_ == Step::Check ? error_ : PosixFileSystem::checkWritable(path);
    }
    int createExclusive(const std::string& path, mode_t mode, int& fd) override {
        return step_ == Step::Create ? error_ : PosixFileSystem::createExclusive(path, mode, fd);
    }
    int write(int fd, const char* data, std::size_t size, std::size_t& written) override {
        if (step_ == Step::Write && budget_ == 0) {
            written = 0;
            return error_;
        }
        if (step_ == Step::Write) {
            size = std::min(size, budget_);  // a short write first, as a filling disk gives
            budget_ -= size;
        }
        return PosixFileSystem::write(fd, data, size, written);
    }
    int sync(int fd) override { return step_ == Step::Sync ? error_ : PosixFileSystem::sync(fd); }
    int close(int fd) override {
        const int error = PosixFileSystem::close(fd);
        return step_ == Step::Close ? error_ : error;
    }
    int rename(const std::string& from, const std::string& to) override {
        return step_ == Step::Rename ? error_ : PosixFileSystem::rename(from, to);
    }

private:
    Step step_;
    int error_;
    std::size_t budget_;
};

std::string nameOfTemporary(const std::string& path) {
    return fs::path(temporaryNameBeside(path, ::getpid(), "abcdefgh")).filename();
}

const std::string kOld = "<html>old report</html>";
const std::string kTwentyBytes = "<html>old</html>\r\n\r\n";
const std::string kNew = std::string(30000, 'n') + "</html>";

TEST(FileReplacement, AnyFailingStepLeavesTheOldFileWholeAndNoTemporaryBehind) {
    using Step = FaultyFileSystem::Step;
    struct Case {
        Step step;
        int error;
        std::size_t writeBudget;
        const char* reason;
    };
    for (const Case& c : {
             Case{Step::Write, ENOSPC, 12288, "на диске не хватает места"},  // a disk filling up
             Case{Step::Write, EDQUOT, 0, "превышена дисковая квота"},
             Case{Step::Create, EACCES, 0, "нет прав на запись в папку"},
             Case{Step::Create, EROFS, 0, "диск доступен только для чтения"},
             Case{Step::Check, EACCES, 0, "файл защищён от записи"},
             Case{Step::Sync, EIO, 0, "ошибка ввода-вывода"},
             Case{Step::Close, ENOSPC, 0, "на диске не хватает места"},  // as NFS reports it late
             Case{Step::Rename, EISDIR, 0, "на месте файла находится папка"},
         }) {
        SCOPED_TRACE(c.reason);
        TempDir dir;
        const std::string path = dir.File("Date.html");
        WriteBytes(path, kOld);
        FaultyFileSystem faulty(c.step, c.error, c.writeBudget);
        try {
            replaceFile(path, kNew, faulty);
            ADD_FAILURE() << "no error";
        } catch (const FileWriteError& e) {
            EXPECT_EQ(e.path(), path);
            EXPECT_EQ(e.errorNumber(), c.error);
            EXPECT_EQ(std::string(e.what()),
                      "Не удалось записать файл «" + path + "»: " + c.reason);
        }
        EXPECT_EQ(ReadBytes(path), kOld);
        EXPECT_EQ(Names(dir.path), std::vector<std::string>{"Date.html"});
    }
}

TEST(FileReplacement, ReplacesWholeKeepingModeAndFollowsLinksToTheirFolder) {
    TempDir dir;
    const std::string path = dir.File("Date.html");
    PosixFileSystem posix;
    // A new file gets the mode a plain open would give it.
    const mode_t mask = ::umask(022);
    EXPECT_EQ(replaceFile(path, kOld, posix), Replacement::Replaced);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0644));
    fs::permissions(path, fs::perms(0640));
    EXPECT_EQ(replaceFile(path, kNew, posix), Replacement::Replaced);
    ::umask(mask);
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));

    // The link stays a link; its target is replaced beside itself, through two links.
    fs::create_directory(dir.File("reports"));
    fs::rename(path, dir.File("reports/kept.html"));
    fs::create_symlink("reports/kept.html", dir.File("middle.html"));
    fs::create_symlink("middle.html", path);
    replaceFile(path, kOld, posix);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(ReadBytes(dir.File("reports/kept.html")), kOld);
    EXPECT_EQ(Names(dir.path), (std::vector<std::string>{"Date.html", "middle.html", "reports"}));
    EXPECT_EQ(fs::status(dir.File("reports/kept.html")).permissions(), fs::perms(0640));

    // A folder in the file's place, a missing folder and a loop of links are refused by name.
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_THROW(replaceFile(path, kNew, posix), FileWriteError);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_THROW(replaceFile(dir.File("missing/Date.html"), kNew, posix), FileWriteError);
    fs::create_symlink("loop.html", dir.File("loop.html"));
    EXPECT_THROW(replaceFile(dir.File("loop.html"), kNew, posix), FileWriteError);

    // A pipe is left to the caller.
    ASSERT_EQ(::mkfifo(dir.File("pipe.html").c_str(), 0600), 0);
    EXPECT_EQ(replaceFile(dir.File("pipe.html"), kNew, posix), Replacement::NotRegularFile);
}

// The longest names a file system takes, over a file there already; a pipe nobody reads.
TEST(FileReplacement, LongNamesAndPipesWithoutAReader) {
    TempDir dir;
    std::string cyrillic;
    while (cyrillic.size() < 252) {
        cyrillic += "я";  // a cut must not split one
    }
    for (const std::string& name : {std::string(255, 'a'), cyrillic + "x"}) {
        const std::string path = dir.File(name);
        WriteBytes(path, kOld);
        EXPECT_EQ(replaceFile(path, kNew), Replacement::Replaced);
        EXPECT_EQ(ReadBytes(path), kNew);
        const std::string temporary = nameOfTemporary(path);
        EXPECT_LE(temporary.size(), 255U);
        EXPECT_EQ(temporaryWriter(temporary), ::getpid());
        fs::remove(path);
    }
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);
    try {
        writeToDevice(dir.File("pipe"), kNew);  // nobody reads it: refused, not waited on
        ADD_FAILURE() << "no error";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.errorNumber(), ENXIO);
    }
}

// What a killed writer leaves: its own file on SIGTERM and SIGINT, a stale one at the next write.
TEST(FileReplacement, AKilledWriterLeavesNoTemporaryBehind) {
    TempDir dir;
    for (const int signalNumber : {SIGTERM, SIGINT}) {
        const std::string temporary = dir.File(".x.kelvarin-1-abcdefgh.tmp");
        const pid_t child = ::fork();
        if (child == 0) {
            WriteBytes(temporary, "half");
            const PendingTemporary pending(temporary);
            ::raise(signalNumber);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
        EXPECT_FALSE(fs::exists(temporary));
    }
    // A writer that is gone, one that runs (this process) and a name of someone else's.
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ::waitpid(gone, nullptr, 0);
    const std::string stale = temporaryNameBeside(dir.File("Date.html"), gone, "abcdefgh");
    const std::string running = temporaryNameBeside(dir.File("Date.html"), ::getpid(), "abcdefgh");
    for (const std::string& path : {stale, running, dir.File(".Date.html.swp")}) {
        WriteBytes(path, "half");
    }
    replaceFile(dir.File("Date.html"), kOld);
    EXPECT_EQ(Names(dir.path), (std::vector<std::string>{fs::path(running).filename(),
                                                         ".Date.html.swp", "Date.html"}));
}

// A writer that wants a name (a library that opens the file itself) gets the same guarantee.
TEST(FileReplacement, AWriterByNameReplacesWholeOrLeavesTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("model.step");
    WriteBytes(path, kOld);
    fs::permissions(path, fs::perms(0640));
    const auto writeNew = [](const std::string& temporary) { WriteBytes(temporary, kNew); };

    struct Failure {};
    EXPECT_THROW(replaceFileWith(path,
                                 [](const std::string& temporary) {
                                     WriteBytes(temporary, "half");
                                     throw Failure{};
                                 }),
                 Failure);
    FaultyFileSystem faulty(FaultyFileSystem::Step::Sync, EIO);
    EXPECT_THROW(replaceFileWith(path, writeNew, faulty), FileWriteError);
    EXPECT_EQ(ReadBytes(path), kOld);
    EXPECT_EQ(Names(dir.path), std::vector<std::string>{"model.step"});

    EXPECT_EQ(replaceFileWith(path, writeNew), Replacement::Replaced);
    EXPECT_EQ(ReadBytes(path), kNew);
    EXPECT_EQ(fs::status(path).permissions(), fs::perms(0640));
    EXPECT_EQ(Names(dir.path), std::vector<std::string>{"model.step"});
}

// A real disk that refuses: a full 64 KB memory disk where mounting is permitted (root, who
// ignores permission bits), otherwise a folder without write permission.
TEST(FileReplacement, ARealDiskThatRefusesKeepsTheOldFile) {
    TempDir dir;
    const std::string folder = dir.File("disk");
    fs::create_directory(folder);
    const bool root = ::geteuid() == 0;
    if (root && ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "root ignores a read-only folder, and mounting a small disk is not "
                        "permitted here: "
                     << std::strerror(errno);
    }
    struct Restore {  // so that the folder can be removed again
        std::string folder;
        bool mounted;
        ~Restore() {
            if (mounted) {
                ::umount2(folder.c_str(), MNT_DETACH);
            } else {
                std::error_code ignored;
                fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
            }
        }
    } restore{folder, root};
    const std::string path = folder + "/Date.html";
    WriteBytes(path, kTwentyBytes);
    if (root) {
        WriteBytes(folder + "/filler", std::string(64 * 1024 - 8 * 1024 - 4096, 'f'));
    } else {
        fs::permissions(folder, fs::perms(0555));
    }
    try {
        replaceFile(path, kNew);
        ADD_FAILURE() << "no error";
    } catch (const FileWriteError& e) {
        EXPECT_EQ(e.errorNumber(), root ? ENOSPC : EACCES) << e.what();
    }
    EXPECT_EQ(ReadBytes(path), kTwentyBytes);
    EXPECT_EQ(Names(folder).size(), root ? 2U : 1U);  // no temporary left behind
}

}  // namespace
}  // namespace kelvarin::testing
