// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A sample installation for the benchmarks, in a folder of its own under the system's temporary
// folder, with an editor folder beside it whose DATA holds the patch list; removed again at the
// end of the run.
#pragma once

#include "tools/samplegame/sample_game.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

struct BenchSample {
    std::filesystem::path root;
    psn::sample::Installation game;
    std::string editorDir;

    explicit BenchSample(const std::string& name) {
        namespace fs = std::filesystem;
        root = fs::temp_directory_path() / ("psn-bench-" + name + "-" + std::to_string(::getpid()));
        fs::remove_all(root);
        psn::sample::Options options;
        options.gameDir = (root / "game").string() + "/";
        options.withPictures = false;
        game = psn::sample::MakeInstallation(options);
        editorDir = (root / "editor").string();
        fs::create_directories(editorDir + "/DATA");
        Write(editorDir + "/DATA/PLT.DAT", psn::sample::PatchListBytes());
    }
    ~BenchSample() { std::filesystem::remove_all(root); }
    BenchSample(const BenchSample&) = delete;
    BenchSample& operator=(const BenchSample&) = delete;

    static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }
};
