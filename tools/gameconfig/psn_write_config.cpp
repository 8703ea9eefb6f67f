// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes psniaed.set into the current directory for the game executable given, with both
// sources set to the save-state file: what a first start's locating window stores.
#include "core/app_state.h"
#include "core/fs.h"
#include "core/settings_files.h"

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: psn_write_config PATH-TO-PSN.EXE\n");
        return 2;
    }
    const std::string exe = std::filesystem::absolute(argv[1]).lexically_normal().string();
    if (!psn::fs::Exists(exe)) {
        std::fprintf(stderr, "psn_write_config: %s does not exist\n", exe.c_str());
        return 1;
    }
    psn::AppState state;
    psn::SetGameLocation(state.config, exe);
    state.config.SetExePath(exe.substr(0, psn::ConfigRecord::kPathCapacity));
    if (!psn::WriteConfig(state).Ok()) {
        std::fprintf(stderr, "psn_write_config: cannot write %s\n", psn::kConfigFile);
        return 1;
    }
    return 0;
}
