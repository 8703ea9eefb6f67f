// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One command at a time per game. Every command that reads or writes a game's files holds an
// exclusive lock on a lock file in the game folder for its whole length, so two programs (two
// editors, the editor and psnedit) never take each other's scratch files for a crash's leftovers
// or interleave their commits. The lock is the system's (platform::TryLock): it ends with its
// holder's process, so a crash never leaves a game locked, and the lock file itself is never
// removed (removing one races with a program that has just opened it).
#pragma once

#include "core/errors.h"
#include "core/platform.h"

#include <chrono>
#include <stdexcept>
#include <string>

namespace psn {

inline constexpr const char* kGameLockName = "PSNIAED.LCK";
// How long a command waits for another program's command on the same game to end.
inline constexpr std::chrono::milliseconds kGameLockWait{5000};

// The game is locked by another program through the whole wait, or its lock file cannot serve as
// one (a link, a folder). Nothing was changed; what() is the whole message for the user.
class GameLockError : public FileError {
public:
    GameLockError(Message message, std::string path)
        : FileError(std::move(message), std::move(path), {}) {}
};

class GameLock {
public:
    GameLock() = default;
    ~GameLock() { Release(); }
    GameLock(GameLock&& other) noexcept;
    GameLock& operator=(GameLock&& other) noexcept;
    GameLock(const GameLock&) = delete;
    GameLock& operator=(const GameLock&) = delete;

    // Locks the game in `gameDir`, trying again until `wait` has passed. A folder that cannot hold
    // a lock file (a read-only folder or mount) gives an unheld lock: nobody can change that game,
    // and a write to it fails with the system's reason. So does a folder that does not exist; the
    // command then reports the missing game itself. Raises GameLockError otherwise.
    static GameLock Acquire(const std::string& gameDir,
                            std::chrono::milliseconds wait = kGameLockWait);

    // Takes the same lock on the lock file `path` at once or not at all, for as long as the
    // caller keeps it (the editor folder's, for a whole run). `busy` tells whether another
    // process holds it; unheld and not busy is a folder that cannot hold a lock file. Raises
    // GameLockError when `path` is a link or not a regular file.
    static GameLock TryHold(const std::string& path, bool& busy);

    // Whether this lock is held; false for a game that cannot be locked, or after Release.
    bool Held() const { return fd_ != platform::kNoHandle; }
    void Release();

private:
    platform::Handle fd_ = platform::kNoHandle;
};

} // namespace psn
