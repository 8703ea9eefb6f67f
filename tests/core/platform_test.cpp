// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The operating system layer, on whichever system the tests run: what the commit, the game lock
// and every reader rely on, and on Windows what a user there meets (a file the game holds open, a
// link in a game folder, a name outside ASCII).
#include "core/fs.h"
#include "core/game_lock.h"
#include "core/platform.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#include <windows.h>
#endif

namespace psn {
namespace {

using platform::Handle;
using platform::kNoHandle;

class Platform : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = platform::FromPath(std::filesystem::temp_directory_path()) + "/psn-platform-" +
               std::to_string(platform::ProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(platform::ToPath(dir_));
        ASSERT_TRUE(platform::CreateFolder(dir_));
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(platform::ToPath(dir_), ec);
    }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    void Write(const std::string& path, const std::string& text) {
        ASSERT_TRUE(fs::WriteFileDurably(
                        path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()})
                        .Ok());
    }
    std::string Read(const std::string& path) {
        std::vector<std::uint8_t> bytes;
        std::string reason;
        EXPECT_TRUE(fs::ReadWholeFile(path, bytes, reason)) << path << ": " << reason;
        return {bytes.begin(), bytes.end()};
    }

    std::string dir_;
};

TEST_F(Platform, OnlyRegularFilesOpenAndWhatIsThereIsSaid) {
    platform::Kind found = platform::Kind::Other;
    EXPECT_EQ(platform::OpenFile(Path("missing"), platform::kRead, 0, &found), kNoHandle);
    EXPECT_EQ(errno, ENOENT);
    EXPECT_EQ(found, platform::Kind::Missing);

    ASSERT_TRUE(platform::CreateFolder(Path("folder")));
    EXPECT_EQ(platform::OpenFile(Path("folder"), platform::kRead, 0, &found), kNoHandle);
    EXPECT_EQ(errno, EINVAL);
    EXPECT_EQ(found, platform::Kind::Folder);
    std::string reason;
    EXPECT_EQ(fs::OpenRegular(Path("folder"), platform::kRead, reason), kNoHandle);
    EXPECT_EQ(reason, "is a folder, not a file");
    // Creating over a folder creates nothing.
    EXPECT_EQ(platform::OpenFile(Path("folder"), platform::kWrite | platform::kCreate, 0644),
              kNoHandle);
    platform::Info info;
    ASSERT_TRUE(platform::DescribePath(Path("folder"), info));
    EXPECT_EQ(info.kind, platform::Kind::Folder);
}

// Two commands on one game, and the editor's crash file read and written while it is locked.
TEST_F(Platform, ALockExcludesASecondHolderButNotTheFilesBytes) {
    const std::string path = Path("held.lck");
    Write(path, "abc");
    Handle first = platform::OpenFile(path, platform::kRead | platform::kWrite, 0644);
    Handle second = platform::OpenFile(path, platform::kRead | platform::kWrite, 0644);
    ASSERT_NE(first, kNoHandle);
    ASSERT_NE(second, kNoHandle);
    EXPECT_EQ(platform::TryLock(first), platform::LockResult::Locked);
    EXPECT_EQ(platform::TryLock(second), platform::LockResult::Busy);

    EXPECT_EQ(platform::WriteAt(second, "xyz", 3, 0), 3);
    char back[3] = {};
    EXPECT_EQ(platform::ReadAt(first, back, 3, 0), 3);
    EXPECT_EQ(std::string(back, 3), "xyz");

    platform::CloseFile(first);
    EXPECT_EQ(platform::TryLock(second), platform::LockResult::Locked);
    platform::CloseFile(second);

    // The game lock on top of it: a second acquisition waits, then gives up with a message.
    const GameLock held = GameLock::Acquire(dir_);
    ASSERT_TRUE(held.Held());
    EXPECT_THROW(GameLock::Acquire(dir_, std::chrono::milliseconds(60)), GameLockError);
}

// The durable write's last step replaces whatever the target is, a read-only file too (Windows
// refuses that by itself), and the folder listing and every path step take names beyond ASCII.
TEST_F(Platform, ReplacingWorksOverAReadOnlyFileInAFolderNamedBeyondAscii) {
    const std::string game = Path("Pistonia \xC3\x9C");
    ASSERT_TRUE(platform::CreateFolder(game));
    const std::string file = game + "/F1GSTATE.SAV";
    Write(file, "old");
    Handle handle = platform::OpenFile(file, platform::kRead, 0);
    ASSERT_NE(handle, kNoHandle);
    ASSERT_TRUE(platform::SetMode(handle, 0444));
    platform::CloseFile(handle);
    platform::Info info;
    ASSERT_TRUE(platform::DescribePath(file, info));
    EXPECT_EQ(info.mode & 0222, 0u);

    Write(file, "new content");
    EXPECT_EQ(Read(file), "new content");
    ASSERT_TRUE(platform::DescribePath(file, info));
    EXPECT_EQ(info.mode & 0200, 0u) << "an existing file keeps its mode";
    EXPECT_TRUE(fs::SetNormalAttributes(file));
    ASSERT_TRUE(platform::DescribePath(file, info));
    EXPECT_NE(info.mode & 0200, 0u);

    std::vector<platform::Entry> entries;
    ASSERT_TRUE(platform::ListFolder(dir_, entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "Pistonia \xC3\x9C");
    EXPECT_EQ(entries[0].kind, platform::Kind::Folder);
    // Another spelling reaches the same file: ResolveCase finds the entry where names differ in
    // case, and Windows' own file system ignores the case anyway.
    platform::Info spelled;
    ASSERT_TRUE(
        platform::DescribePath(fs::ResolveCase(Path("PISTONIA \xC3\x9C/f1gstate.sav")), spelled));
    EXPECT_EQ(spelled.id, info.id);
    EXPECT_TRUE(fs::FreeSpace(file).has_value());
}

// The commit's undo tells two names of one file from two files, and puts a patched file's time
// back.
TEST_F(Platform, HardLinksShareAnIdentityAndTimesGoBack) {
    const std::string file = Path("PSN.EXE");
    Write(file, "bytes");
    if (!platform::Link(file, Path("PSN.EXE.old")))
        GTEST_SKIP() << "this file system has no hard links";
    platform::Info one, two;
    ASSERT_TRUE(platform::DescribePath(file, one));
    ASSERT_TRUE(platform::DescribePath(Path("PSN.EXE.old"), two));
    EXPECT_EQ(one.links, 2u);
    EXPECT_EQ(one.id, two.id);
    EXPECT_EQ(one.volume, two.volume);
    EXPECT_TRUE(platform::Remove(Path("PSN.EXE.old")));
    ASSERT_TRUE(platform::DescribePath(file, one));
    EXPECT_EQ(one.links, 1u);

    constexpr std::int64_t kThen = 1'000'000'000'000'000'000 + 123'456'700;
    Handle handle = platform::OpenFile(file, platform::kWrite, 0);
    ASSERT_NE(handle, kNoHandle);
    EXPECT_TRUE(platform::SetModified(handle, kThen));
    platform::CloseFile(handle);
    ASSERT_TRUE(platform::DescribePath(file, one));
    EXPECT_EQ(one.modifiedNs, kThen);
}

#ifdef _WIN32
// The running game holds its files open without sharing them: reading or replacing one fails
// with a message that names the file and says to close the game.
TEST_F(Platform, AFileTheGameHoldsOpenIsNamedWithWhatToDo) {
    const std::string file = Path("F1GSTATE.SAV");
    Write(file, "state");
    HANDLE game = ::CreateFileW(platform::ToPath(file).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(game, INVALID_HANDLE_VALUE);
    std::string reason;
    EXPECT_EQ(fs::OpenRegular(file, platform::kRead, reason), kNoHandle);
    EXPECT_NE(reason.find("close the game"), std::string::npos) << reason;
    const FileResult written = fs::WriteFileDurably(file, std::vector<std::uint8_t>{1, 2});
    EXPECT_FALSE(written.Ok());
    EXPECT_NE(written.message.find(file), std::string::npos) << written.message;
    EXPECT_NE(written.message.find("close the game"), std::string::npos) << written.message;
    ::CloseHandle(game);
    EXPECT_EQ(Read(file), "state");
}

// A link or junction in a game folder is never followed: opened as itself and refused, listed as
// a link.
TEST_F(Platform, ALinkInAGameFolderIsNeverFollowed) {
    Write(Path("real.dat"), "outside");
    if (!::CreateSymbolicLinkW(platform::ToPath(Path("F1CT01.DAT")).make_preferred().c_str(),
                               platform::ToPath(Path("real.dat")).make_preferred().c_str(),
                               SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        GTEST_SKIP() << "this user cannot make links here";
    if (::GetFileAttributesW(platform::ToPath(Path("F1CT01.DAT")).c_str()) ==
        INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "the link was reported made but is not there (Wine makes none)";
    platform::Kind found = platform::Kind::Other;
    EXPECT_EQ(platform::OpenFile(Path("F1CT01.DAT"), platform::kRead, 0, &found), kNoHandle);
    EXPECT_EQ(found, platform::Kind::Link);
    std::vector<platform::Entry> entries;
    ASSERT_TRUE(platform::ListFolder(dir_, entries));
    for (const platform::Entry& entry : entries) {
        if (entry.name == "F1CT01.DAT") {
            EXPECT_EQ(entry.kind, platform::Kind::Link);
        }
    }
    EXPECT_FALSE(fs::WriteFileDurably(Path("F1CT01.DAT"), std::vector<std::uint8_t>{1}).Ok());
    EXPECT_EQ(Read(Path("real.dat")), "outside");
}

// A junction in a game folder that leads out of it is a link: listed as one, never opened as a
// file, so walks do not enter it.
TEST_F(Platform, AJunctionOutOfAGameFolderIsALink) {
    ASSERT_TRUE(platform::CreateFolder(Path("outside")));
    Write(Path("outside/F1CT01.DAT"), "outside");
    ASSERT_TRUE(platform::CreateFolder(Path("game")));
    const std::wstring junction = platform::ToPath(Path("game/CIRCUITS")).make_preferred();
    const std::wstring command = L"cmd /c mklink /J \"" + junction + L"\" \"" +
                                 platform::ToPath(Path("outside")).make_preferred().wstring() +
                                 L"\" >NUL 2>NUL";
    ::_wsystem(command.c_str());
    if (::GetFileAttributesW(junction.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no junction could be made here (Wine's mklink makes none)";
    std::vector<platform::Entry> entries;
    ASSERT_TRUE(platform::ListFolder(Path("game"), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].kind, platform::Kind::Link);
    platform::Info info;
    ASSERT_TRUE(platform::DescribePath(Path("game/CIRCUITS"), info));
    EXPECT_EQ(info.kind, platform::Kind::Link);
    platform::Kind found = platform::Kind::Other;
    EXPECT_EQ(platform::OpenFile(Path("game/CIRCUITS"), platform::kRead, 0, &found), kNoHandle);
    EXPECT_EQ(found, platform::Kind::Link);
}
#endif

} // namespace
} // namespace psn
