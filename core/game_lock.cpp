// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game_lock.h"

#include "core/fs.h"

#include <cerrno>
#include <thread>
#include <utility>

namespace psn {
namespace {

constexpr std::chrono::milliseconds kPoll{20};

[[noreturn]] void NotALockFile(const std::string& path, MessageKind what) {
    throw GameLockError({MessageKind::NotALockFile, {path, Message(what, {})}}, path);
}

// The folder cannot hold a lock file, or is not there: nobody can change the game through it.
bool Unlockable(int error) {
    return error == EROFS || error == EACCES || error == EPERM || error == ENOENT ||
           error == ENOTDIR;
}

// Opens the lock file `path`, creating it; no handle when its folder cannot hold one.
platform::Handle OpenLockFile(const std::string& path, const std::string& folder) {
    // Whatever sits in the folder under the lock file's name is looked at before it is opened:
    // opening a device or a FIFO can block or act.
    platform::Info info;
    if (platform::DescribePath(path, info) && info.kind != platform::Kind::Regular)
        NotALockFile(path, info.kind == platform::Kind::Link ? MessageKind::IsLink
                                                             : MessageKind::IsNotRegular);
    // Read-only is enough for the lock, and lets an existing lock file serve on a folder this
    // user cannot write to.
    platform::Kind found = platform::Kind::Missing;
    platform::Handle fd = platform::OpenFile(
        path, platform::kRead | platform::kNoFollow | platform::kCreate, 0644, &found);
    if (fd == platform::kNoHandle && (errno == EROFS || errno == EACCES || errno == EPERM))
        fd = platform::OpenFile(path, platform::kRead | platform::kNoFollow, 0644, &found);
    if (fd == platform::kNoHandle) {
        const int error = errno;
        if (error == EINVAL)
            NotALockFile(path, MessageKind::IsNotRegular);
        if (Unlockable(error))
            return platform::kNoHandle;
        if (error == ELOOP)
            NotALockFile(path, MessageKind::IsLink);
        throw GameLockError({MessageKind::LockFolderFails, {path, SystemReason(error), folder}},
                            path);
    }
    return fd;
}

} // namespace

GameLock::GameLock(GameLock&& other) noexcept
    : fd_(std::exchange(other.fd_, platform::kNoHandle)) {}

GameLock& GameLock::operator=(GameLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, platform::kNoHandle);
    }
    return *this;
}

void GameLock::Release() {
    // Closing the only handle of the open file ends the lock.
    platform::CloseFile(std::exchange(fd_, platform::kNoHandle));
}

GameLock GameLock::TryHold(const std::string& path, bool& busy) {
    busy = false;
    GameLock lock;
    lock.fd_ = OpenLockFile(path, "its folder");
    if (!lock.Held())
        return lock;
    const platform::LockResult result = platform::TryLock(lock.fd_);
    if (result != platform::LockResult::Locked) {
        busy = result == platform::LockResult::Busy;
        lock.Release();
    }
    return lock;
}

GameLock GameLock::Acquire(const std::string& gameDir, std::chrono::milliseconds wait) {
    GameLock lock;
    if (gameDir.empty())
        return lock;
    const std::string path = fs::Join(gameDir, kGameLockName);
    lock.fd_ = OpenLockFile(path, "the game folder");
    if (!lock.Held())
        return lock;

    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        const platform::LockResult result = platform::TryLock(lock.fd_);
        if (result == platform::LockResult::Locked)
            return lock;
        if (result == platform::LockResult::Unsupported) {
            // A file system without locks: the command runs unguarded, as it would have before.
            lock.Release();
            return lock;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            throw GameLockError({MessageKind::GameBusy, {gameDir, path}}, path);
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kPoll, deadline - now));
    }
}

} // namespace psn
