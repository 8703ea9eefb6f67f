// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// psnedit's command line run in the test process, with the build's editor folder, and the sample
// games and folder snapshots its tests compare.
#pragma once

#include "cli/psnedit.h"
#include "core/game_lock.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace psn::test {

#ifndef PSN_APP_DIR
#error "PSN_APP_DIR must name the build's application folder"
#endif

struct Outcome {
    int code;
    std::string out, err;
};

inline Outcome Psnedit(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int code = cli::Run(args, out, err, PSN_APP_DIR);
    return {code, out.str(), err.str()};
}

inline sample::Installation Install(const TempDir& dir, int edition = 0,
                                    const std::string& name = "game") {
    sample::Options options;
    options.edition = edition;
    options.gameDir = (dir.path() / name).string() + "/";
    options.withPictures = false;
    return sample::MakeInstallation(options);
}

// Every file of a game folder, by relative path; not the lock file, which the first command
// makes and every command leaves empty.
inline std::map<std::string, std::vector<std::uint8_t>> Snapshot(const std::string& dir) {
    namespace sfs = std::filesystem;
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : sfs::recursive_directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().filename() != kGameLockName)
            files[sfs::relative(entry.path(), dir).string()] = ReadFileBytes(entry.path().string());
    return files;
}

} // namespace psn::test
