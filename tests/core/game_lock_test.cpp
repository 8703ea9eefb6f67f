// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app_state.h"
#include "core/commit.h"
#include "core/fs.h"
#include "core/game_lock.h"
#include "support/child_process.h"
#include "support/scratch_game.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace psn {
namespace {

using namespace std::chrono_literals;
using test::TempDir;
namespace sfs = std::filesystem;

// As the program spells it.
std::string LockPath(const TempDir& dir) {
    return fs::Native(dir.str() + "/" + kGameLockName);
}

#ifndef _WIN32
// Runs `body` as a user who cannot write to read-only folders: root ignores permissions, so as
// root it runs in a child process switched to "nobody", owning the folders given.
template <typename Body> void AsPlainUser(const std::vector<std::string>& folders, Body body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    constexpr uid_t kNobody = 65534;
    for (const std::string& folder : folders)
        for (const auto& entry : sfs::recursive_directory_iterator(folder))
            (void)!::lchown(entry.path().c_str(), kNobody, kNobody);
    for (const std::string& folder : folders)
        (void)!::chown(folder.c_str(), kNobody, kNobody);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(2);
        body();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child's failures are above";
}
#endif

TEST(GameLock, ASecondHolderWaitsThenIsRefusedUntilTheFirstReleases) {
    TempDir dir;
    GameLock first = GameLock::Acquire(dir.str(), 0ms);
    ASSERT_TRUE(first.Held());

    const auto start = std::chrono::steady_clock::now();
    try {
        GameLock::Acquire(dir.str(), 150ms);
        FAIL() << "a second holder got the lock";
    } catch (const GameLockError& error) {
        EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
        const std::string text = error.what();
        EXPECT_NE(text.find("Another program is changing the game in " + dir.str()),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("Nothing was changed"), std::string::npos) << text;
        EXPECT_EQ(error.Path(), LockPath(dir));
    }

    first.Release();
    EXPECT_TRUE(GameLock::Acquire(dir.str(), 0ms).Held());
    // Released, the lock file stays: removing it would race with a program opening it.
    EXPECT_TRUE(sfs::is_regular_file(LockPath(dir)));
}

// Holds the game lock of the folder $PSN_GAME, having said so with the file "held" in it, until
// it is killed.
TEST(GameLockChild, DISABLED_HoldsUntilKilled) {
    const std::string dir = test::ChildParameter("PSN_GAME");
    const GameLock lock = GameLock::Acquire(dir, 0ms);
    ASSERT_TRUE(lock.Held());
    test::WriteFileBytes(dir + "/held", {1});
    std::this_thread::sleep_for(std::chrono::minutes(5));
}

// The lock is the holding process's: no other process takes it while it lives, and once it is
// killed the game is free at once, with no stale lock to clear.
TEST(GameLock, AHolderKilledLeavesTheGameUnlocked) {
    TempDir dir;
    test::ChildTest holder("GameLockChild.DISABLED_HoldsUntilKilled", {{"PSN_GAME", dir.str()}});
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!sfs::exists(dir.str() + "/held") && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    ASSERT_TRUE(sfs::exists(dir.str() + "/held")) << holder.Kill().out;
    EXPECT_THROW(GameLock::Acquire(dir.str(), 50ms), GameLockError);

    holder.Kill();
    EXPECT_TRUE(GameLock::Acquire(dir.str(), 0ms).Held());
}

// Whatever is planted under the lock file's name is refused by name, quickly, and left as it is.
TEST(GameLock, APlantedLockFileThatIsNoFileIsRefusedAndLeftAlone) {
    struct Case {
        const char* what;
        void (*plant)(const std::string& lock, const std::string& outside);
        const char* says;
    };
    const Case cases[] = {
#ifndef _WIN32 // links made freely and FIFOs are POSIX's; the platform tests cover reparse points
        {"a link to a file outside",
         [](const std::string& lock, const std::string& outside) {
             sfs::create_symlink(outside, lock);
         },
         "is a link"},
        {"a dangling link",
         [](const std::string& lock, const std::string& outside) {
             sfs::create_symlink(outside + ".missing", lock);
         },
         "is a link"},
        {"a FIFO",
         [](const std::string& lock, const std::string&) { ::mkfifo(lock.c_str(), 0644); },
         "is not a regular file"},
#endif
        {"a folder",
         [](const std::string& lock, const std::string&) { sfs::create_directory(lock); },
         "is not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir, elsewhere;
        const std::string outside = elsewhere.str() + "/notes.txt";
        test::WriteFileBytes(outside, {'n', 'o', 't', 'e'});
        c.plant(LockPath(dir), outside);
        try {
            GameLock::Acquire(dir.str(), 5s);
            FAIL() << "accepted";
        } catch (const GameLockError& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find(LockPath(dir) + ": " + c.says), std::string::npos) << text;
            EXPECT_NE(text.find("remove it"), std::string::npos) << text;
        }
        EXPECT_EQ(test::ReadFileBytes(outside), (std::vector<std::uint8_t>{'n', 'o', 't', 'e'}));
        EXPECT_FALSE(sfs::exists(outside + ".missing"));
    }
}

#ifndef _WIN32 // POSIX permissions; Windows folders have no read-only state that keeps files out
TEST(GameLock, AGameThatCannotHoldALockFileIsReadWithoutOne) {
    TempDir dir;
    EXPECT_FALSE(GameLock::Acquire("", 0ms).Held());
    EXPECT_FALSE(GameLock::Acquire(dir.str() + "/missing", 0ms).Held());
    const std::string bare = dir.str() + "/bare", locked = dir.str() + "/locked";
    sfs::create_directories(bare);
    sfs::create_directories(locked);
    test::WriteFileBytes(locked + "/" + kGameLockName, {});
    AsPlainUser({bare, locked}, [&] {
        ::chmod(bare.c_str(), 0555);
        ::chmod(locked.c_str(), 0555);
        EXPECT_FALSE(GameLock::Acquire(bare, 0ms).Held());
        EXPECT_FALSE(sfs::exists(bare + "/" + kGameLockName));
        // A lock file already there still serves: others may write where this user cannot.
        GameLock held = GameLock::Acquire(locked, 0ms);
        EXPECT_TRUE(held.Held());
        EXPECT_THROW(GameLock::Acquire(locked, 0ms), GameLockError);
        ::chmod(bare.c_str(), 0755);
        ::chmod(locked.c_str(), 0755);
    });
}
#endif

// A command that cannot lock the game touches nothing: not another command's scratch files, nor
// an interrupted commit's record, which the holder may be writing.
TEST(GameLock, ACommandRefusedTheLockLeavesTheHoldersFilesAlone) {
    test::ScratchGame game;
    game.state.lockWait = 50ms;
    AppState other;
    other.config = game.state.config;
    other.BeginCommand();
    ASSERT_TRUE(other.lock.Held());
    const std::string scratch = game.ExePath() + kNewSuffix;
    const std::string record = game.gameDir + kCommitRecordName;
    test::WriteFileBytes(scratch, {1, 2, 3});
    test::WriteFileBytes(record, {'x'});

    EXPECT_THROW(game.state.BeginCommand(), GameLockError);
    EXPECT_EQ(game.state.command, nullptr);
    EXPECT_FALSE(game.state.lock.Held());
    EXPECT_TRUE(sfs::exists(scratch));
    EXPECT_EQ(test::ReadFileBytes(record), std::vector<std::uint8_t>{'x'});

    // Once the holder is done, the next command clears what it left.
    sfs::remove(record);
    other.DiscardCommand();
    EXPECT_FALSE(other.lock.Held());
    EXPECT_EQ(game.state.BeginCommand().scratchRemoved, 1);
    EXPECT_FALSE(sfs::exists(scratch));
    EXPECT_TRUE(game.state.lock.Held());
    game.state.CommitCommand();
    EXPECT_FALSE(game.state.lock.Held());
}

#ifndef _WIN32 // POSIX permissions, as above
TEST(GameLock, AnInterruptedCommitInAGameNobodyCanWriteIsRefusedByItsRecord) {
    test::ScratchGame game;
    const std::string record = game.gameDir + kCommitRecordName;
    test::WriteFileBytes(record, {'x'});
    AsPlainUser({game.gameDir}, [&] {
        ::chmod(game.gameDir.c_str(), 0555);
        try {
            game.state.BeginCommand();
            ADD_FAILURE() << "a game read half old and half new";
        } catch (const FileAccessError& error) {
            EXPECT_EQ(error.Path(), record);
            EXPECT_NE(error.Reason().find("make it writable"), std::string::npos) << error.Reason();
        }
        EXPECT_EQ(game.state.command, nullptr);
        ::chmod(game.gameDir.c_str(), 0755);
        sfs::remove(record);
        ::chmod(game.gameDir.c_str(), 0555);
        // Without a record the read-only game is read as it is.
        game.state.BeginCommand();
        EXPECT_FALSE(game.state.lock.Held());
        EXPECT_NE(game.state.command, nullptr);
        game.state.DiscardCommand();
        ::chmod(game.gameDir.c_str(), 0755);
    });
}
#endif

} // namespace
} // namespace psn
