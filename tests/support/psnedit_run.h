// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// psnedit's command line run in the test process, with the build's editor folder, and the sample
// games and folder snapshots its tests compare.
#pragma once

#include "cli/psnedit.h"
#include "core/game_lock.h"
#include "core/platform.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <filesystem>
#include <map>
#include <optional>
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

// The same with `input` on standard input, and the editor folder given (one without a patch
// list runs psnedit away from its data).
inline Outcome PsneditIn(const std::vector<std::string>& args, const std::string& input,
                         const std::string& editorDir = PSN_APP_DIR) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = cli::Run(args, in, out, err, editorDir);
    return {code, out.str(), err.str()};
}

// An environment variable set for the life of the object (empty: unset).
class EnvVar {
public:
    EnvVar(std::string name, const std::string& value)
        : name_(std::move(name)), old_(platform::Environment(name_.c_str())) {
        platform::SetEnvironment(name_.c_str(),
                                 value.empty() ? std::nullopt : std::optional<std::string>(value));
    }
    ~EnvVar() { platform::SetEnvironment(name_.c_str(), old_); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// The user's editor folder is `dataHome`/psniaed for the life of the object, on every system.
class UserFolderAt {
public:
    UserFolderAt(const std::string& home, const std::string& dataHome)
        : home_("HOME", home), dataHome_("XDG_DATA_HOME", dataHome), appData_("APPDATA", dataHome) {
    }

private:
    EnvVar home_, dataHome_, appData_;
};

// The record a save of a sample game gives: the start-up's, with the track block.
inline SettingsRecord ExpectedSave(const sample::Installation& inst, int names = 1,
                                   int cockpit = 1) {
    SettingsRecord expected = inst.Expected(names, cockpit);
    const auto tracks = sample::ExpectedTrackEntries(inst.edition);
    std::copy(tracks.begin(), tracks.end(), expected.bytes().begin() + rec::kTrackEntries);
    return expected;
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
