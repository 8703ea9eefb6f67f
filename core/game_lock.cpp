// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace psn {
namespace {

constexpr std::chrono::milliseconds kPoll{20};

[[noreturn]] void NotALockFile(const std::string& path, const std::string& what) {
    throw GameLockError(path + ": " + what +
                            ", not the editor's lock file. Nothing was changed; remove it and "
                            "try again.",
                        path);
}

// The folder cannot hold a lock file, or is not there: nobody can change the game through it.
bool Unlockable(int error) {
    return error == EROFS || error == EACCES || error == EPERM || error == ENOENT ||
           error == ENOTDIR;
}

// Opens the lock file `path`, creating it; -1 when its folder cannot hold one.
int OpenLockFile(const std::string& path, const std::string& folder) {
    // Whatever sits in the folder under the lock file's name is looked at before it is opened:
    // opening a device or a FIFO can block or act.
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        NotALockFile(path, S_ISLNK(info.st_mode) ? "is a link" : "is not a regular file");
    // Read-only is enough for flock, and lets an existing lock file serve on a folder this user
    // cannot write to.
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(path.c_str(), kFlags | O_CREAT, 0644);
    if (fd < 0 && (errno == EROFS || errno == EACCES || errno == EPERM))
        fd = ::open(path.c_str(), kFlags);
    if (fd < 0) {
        const int error = errno;
        if (Unlockable(error))
            return -1;
        if (error == ELOOP)
            NotALockFile(path, "is a link");
        throw GameLockError(path + ": " + std::strerror(error) + ". Nothing was changed; check " +
                                folder + " and try again.",
                            path);
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        NotALockFile(path, "is not a regular file");
    }
    return fd;
}

} // namespace

GameLock::GameLock(GameLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

GameLock& GameLock::operator=(GameLock&& other) noexcept {
    if (this != &other) {
        Release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void GameLock::Release() {
    // Closing the only descriptor of the open file description ends the lock.
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
}

GameLock GameLock::TryHold(const std::string& path, bool& busy) {
    busy = false;
    GameLock lock;
    lock.fd_ = OpenLockFile(path, "its folder");
    while (lock.Held() && ::flock(lock.fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        busy = errno == EWOULDBLOCK;
        lock.Release();
    }
    return lock;
}

GameLock GameLock::Acquire(const std::string& gameDir, std::chrono::milliseconds wait) {
    GameLock lock;
    if (gameDir.empty())
        return lock;
    const std::string path = (std::filesystem::path(gameDir) / kGameLockName).string();
    lock.fd_ = OpenLockFile(path, "the game folder");
    if (!lock.Held())
        return lock;

    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(lock.fd_, LOCK_EX | LOCK_NB) == 0)
            return lock;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK) {
            // A file system without locks: the command runs unguarded, as it would have before.
            lock.Release();
            return lock;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            throw GameLockError("Another program is changing the game in " + gameDir +
                                    " (it holds " + path +
                                    "). Nothing was changed; try again once it has finished.",
                                path);
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kPoll, deadline - now));
    }
}

} // namespace psn
