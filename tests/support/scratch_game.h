// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A scratch game installation in a temporary folder, for tests that need game files of the right
// size without the full sample game: a zero-filled PSN.EXE holding an edition byte, and a
// zero-filled F1GSTATE.SAV. The AppState's start directory is the folder's "editor" subfolder.
#pragma once

#include "core/app_state.h"
#include "core/editions.h"
#include "core/fs.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace psn::test {

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("psn-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

inline std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

struct ScratchGame {
    static constexpr std::size_t kExeSize = 0x570000;
    static constexpr std::size_t kStateSize = 16384;

    TempDir dir;
    std::string gameDir;
    std::string editorDir;
    AppState state;

    explicit ScratchGame(int edition = 0, bool withState = true) {
        gameDir = (dir.path() / "game").string() + "/";
        editorDir = (dir.path() / "editor").string();
        std::filesystem::create_directories(gameDir);
        std::filesystem::create_directories(editorDir + "/DATA");
        std::filesystem::create_directories(editorDir + "/TEMP");
        std::vector<std::uint8_t> exe(kExeSize, 0);
        const char byte = EditionByte(edition);
        exe[kEditionByteOffset] = static_cast<std::uint8_t>(byte ? byte : 'J');
        WriteFileBytes(gameDir + "PSN.EXE", exe);
        if (withState)
            WriteFileBytes(gameDir + "F1GSTATE.SAV", std::vector<std::uint8_t>(kStateSize, 0));
        state.startDir = editorDir;
        state.config.SetGameDir(gameDir);
        state.config.SetExePath(gameDir + "PSN.EXE");
        state.config.SetNamesSource(1);
        state.config.SetCockpitSource(1);
        state.edition = edition;
    }

    std::string ExePath() const { return gameDir + "PSN.EXE"; }
    std::string StatePath() const { return gameDir + "F1GSTATE.SAV"; }
    std::vector<std::uint8_t> Exe() const { return ReadFileBytes(ExePath()); }
    std::vector<std::uint8_t> State() const { return ReadFileBytes(StatePath()); }
    void PokeExe(std::size_t offset, const std::vector<std::uint8_t>& bytes) {
        auto exe = Exe();
        std::copy(bytes.begin(), bytes.end(), exe.begin() + static_cast<std::ptrdiff_t>(offset));
        WriteFileBytes(ExePath(), exe);
    }
};

} // namespace psn::test
