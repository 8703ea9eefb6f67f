// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/fs.h"
#include "core/game_file.h"
#include "core/platform.h"
#include "shell/start_folder.h"
#include "support/scratch_game.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace psn {
namespace {

namespace sfs = std::filesystem;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

const std::vector<std::uint8_t> kOld{1, 2, 3};
const std::vector<std::uint8_t> kNew{9, 8, 7, 6, 5};

std::set<std::string> Names(const std::string& dir) {
    std::set<std::string> names;
    for (const auto& entry : sfs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

unsigned Mode(const std::string& path) {
    platform::Info info;
    return platform::DescribePath(path, info) ? info.mode & 07777 : 0;
}

// Whatever is in the way and is no regular file stays as it is, and nothing is left beside it.
TEST(DurableWrite, RefusesWhatIsNoRegularFileAndLeavesItAlone) {
    TempDir dir;
    const std::string file = dir.str() + "/file";
    WriteFileBytes(file, kOld);
    const struct {
        std::string name, says;
        std::function<std::string()> make; // returns the path to write
    } cases[] = {
#ifndef _WIN32 // links (which std::filesystem cannot make there), FIFOs and devices are POSIX's
        {"link to a folder", "a link",
         [&] {
             sfs::create_directory(dir.str() + "/linked");
             sfs::create_symlink(dir.str() + "/linked", dir.str() + "/link");
             return dir.str() + "/link";
         }},
        {"dangling link", "a link",
         [&] {
             sfs::create_symlink(dir.str() + "/nowhere", dir.str() + "/dangling");
             return dir.str() + "/dangling";
         }},
        {"named pipe", "named pipe",
         [&] {
             EXPECT_EQ(::mkfifo((dir.str() + "/pipe").c_str(), 0644), 0);
             return dir.str() + "/pipe";
         }},
        {"device", "device", [] { return std::string("/dev/null"); }},
#endif
        {"folder", "folder",
         [&] {
             sfs::create_directory(dir.str() + "/folder");
             return dir.str() + "/folder";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.make();
        const auto before = Names(dir.str());
        const sfs::file_status status = sfs::symlink_status(path);
        const FileResult result = fs::WriteFileDurably(path, kNew);
        EXPECT_EQ(result.status, FileResult::Status::Refused);
        EXPECT_EQ(result.path, path);
        EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
        EXPECT_NE(result.reason.find(c.says), std::string::npos) << result.reason;
        EXPECT_EQ(Names(dir.str()), before);
        EXPECT_EQ(sfs::symlink_status(path).type(), status.type());
        EXPECT_EQ(ReadFileBytes(file), kOld);
    }
}

// A new file gets the mode asked for (less the umask); a replaced one keeps its own, even one
// without the owner's write access.
TEST(DurableWrite, WritesWholeAndKeepsAnExistingFilesMode) {
    TempDir dir;
    const struct {
        std::string name;
        unsigned existing; // 0: no file yet
        unsigned expected;
#ifdef _WIN32 // a file there is read-only or not, nothing more
    } cases[] = {{"new", 0, 0666}, {"read-only", 0444, 0444}};
#else
    } cases[] = {{"new", 0, 0644},
                 {"private", 0600, 0600},
                 {"shared", 0664, 0664},
                 {"read-only", 0444, 0444}};
    const mode_t mask = ::umask(022);
#endif
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.str() + "/" + c.name;
        if (c.existing) {
            WriteFileBytes(path, kOld);
            ::chmod(path.c_str(), c.existing);
        }
        ASSERT_TRUE(fs::WriteFileDurably(path, kNew).Ok());
        EXPECT_EQ(ReadFileBytes(path), kNew);
        EXPECT_EQ(Mode(path), c.expected);
    }
#ifndef _WIN32
    ::umask(mask);
#endif
    EXPECT_EQ(Names(dir.str()).size(), std::size(cases)) << "no scratch file is left";
}

// A failure at any step (a full disk, a failed flush or rename) leaves the old file whole or,
// past the rename, the new one, never a scratch file, and says which file and why.
TEST(DurableWrite, AFailureAtAnyStepLeavesOneWholeFileAndNothingBeside) {
    TempDir dir;
    const std::string path = dir.str() + "/settings.GIA";
    bool diskFullSeen = false;
    long failAt = 1;
    for (;; ++failAt) {
        SCOPED_TRACE(failAt);
        WriteFileBytes(path, kOld);
        TransferFaults faults;
        faults.failAt = failAt;
        const FileResult result = fs::WriteFileDurably(path, kNew, 0644, &faults);
        EXPECT_EQ(Names(dir.str()), std::set<std::string>{"settings.GIA"});
        if (faults.count < failAt) {
            EXPECT_TRUE(result.Ok()) << result.message;
            EXPECT_EQ(ReadFileBytes(path), kNew);
            break;
        }
        ASSERT_FALSE(result.Ok());
        EXPECT_EQ(result.path, path);
        EXPECT_FALSE(result.reason.empty());
        EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
        EXPECT_NE(result.message.find(result.reason), std::string::npos) << result.message;
        const auto now = ReadFileBytes(path);
        EXPECT_TRUE(now == kOld || now == kNew);
        diskFullSeen |= result.reason == std::strerror(ENOSPC);
    }
    EXPECT_GE(failAt, 6) << "create, mode, write, flush, close, rename and the folder's flush";
    EXPECT_TRUE(diskFullSeen);
}

TEST(DurableWrite, AFolderThatCannotBeWrittenIsNamedWithTheSystemsReason) {
    TempDir dir;
    const std::string folder = dir.str() + "/locked";
    sfs::create_directory(folder);
#ifdef _WIN32
    GTEST_SKIP() << "a folder's read-only attribute keeps no file out on Windows";
#else
    ::chmod(folder.c_str(), 0555);
    if (::access(folder.c_str(), W_OK) == 0)
        GTEST_SKIP() << "this user may write into any folder";
    const std::string path = folder + "/new.GIA";
    const FileResult result = fs::WriteFileDurably(path, kNew);
    EXPECT_EQ(result.status, FileResult::Status::NotOpened);
    EXPECT_EQ(result.reason, std::strerror(EACCES));
    EXPECT_NE(result.message.find(path), std::string::npos);
    EXPECT_TRUE(Names(folder).empty());
#endif
}

// The backup of a file is its first content, written once; a dangling link in its place is left
// as it is and the backup reported as not made.
TEST(DurableWrite, ABackupIsTheFirstContentAndNeverReplacesWhatIsInItsPlace) {
    TempDir dir;
    const std::string path = dir.str() + "/CARSET1.JAM";
    WriteFileBytes(path, kOld);
    ASSERT_TRUE(fs::EnsureBackup(path));
    WriteFileBytes(path, kNew);
    ASSERT_TRUE(fs::EnsureBackup(path));
    EXPECT_EQ(ReadFileBytes(path + ".bak"), kOld);
    EXPECT_EQ(Names(dir.str()), (std::set<std::string>{"CARSET1.JAM", "CARSET1.JAM.bak"}));
#ifndef _WIN32 // std::filesystem makes no links on Windows
    sfs::remove(path + ".bak");
    sfs::create_symlink(dir.str() + "/nowhere", path + ".bak");
    EXPECT_FALSE(fs::EnsureBackup(path));
    EXPECT_TRUE(sfs::is_symlink(path + ".bak"));
    EXPECT_EQ(Names(dir.str()), (std::set<std::string>{"CARSET1.JAM", "CARSET1.JAM.bak"}));
#endif
}

// The user's link in place of a shipped data file is theirs: the start neither replaces it nor
// fails on it.
TEST(DurableWrite, TheUserFolderKeepsALinkInPlaceOfAShippedFile) {
#ifdef _WIN32
    GTEST_SKIP() << "std::filesystem makes no links on Windows";
#endif
    TempDir dir;
    const std::string shared = dir.str() + "/shared", user = dir.str() + "/user";
    sfs::create_directories(shared);
    WriteFileBytes(shared + "/PATCHES.TXT", kNew);
    WriteFileBytes(shared + "/OTHER.TXT", kNew);
    Message error;
    ASSERT_TRUE(PrepareUserFolder(user, shared, error)) << English(error);
    WriteFileBytes(dir.str() + "/mine", kOld);
    sfs::remove(user + "/DATA/PATCHES.TXT");
    sfs::create_symlink(dir.str() + "/mine", user + "/DATA/PATCHES.TXT");
    WriteFileBytes(shared + "/PATCHES.TXT", {4, 4});
    WriteFileBytes(shared + "/OTHER.TXT", {4, 4});
    ASSERT_TRUE(PrepareUserFolder(user, shared, error)) << English(error);
    EXPECT_TRUE(sfs::is_symlink(user + "/DATA/PATCHES.TXT"));
    EXPECT_EQ(ReadFileBytes(dir.str() + "/mine"), kOld);
    EXPECT_EQ(ReadFileBytes(user + "/DATA/OTHER.TXT"), (std::vector<std::uint8_t>{4, 4}));
}

} // namespace
} // namespace psn
