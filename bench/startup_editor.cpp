// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's own start-up, ended once its main window has been painted:
//   psn_startup_editor                        runs the editor in the current folder
//   psn_startup_editor --prepare DIR APPDIR   makes DIR an editor folder (APPDIR's DATA and
//                                             converter copied) with a sample installation in
//                                             DIR/game
#include "core/app_state.h"
#include "core/settings_files.h"
#include "quit_when_shown.h"
#include "shell/program.h"
#include "tools/samplegame/sample_game.h"

#include <QWidget>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

int Prepare(const std::string& dir, const std::string& appDir) {
    namespace fs = std::filesystem;
    psn::sample::Options options;
    options.gameDir = dir + "/game/";
    const auto game = psn::sample::MakeInstallation(options);
    fs::copy(appDir + "/DATA", dir + "/DATA",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    // The start-up extracts the helmet sheet with the converter, into TEMP.
    fs::copy_file(appDir + "/PSNJAM.EXE", dir + "/PSNJAM.EXE",
                  fs::copy_options::overwrite_existing);
    fs::create_directories(dir + "/TEMP");
    psn::AppState state;
    state.startDir = dir;
    psn::SetGameLocation(state.config, game.exePath);
    state.config.SetExePath(game.exePath);
    if (!psn::WriteConfig(state).Ok()) {
        std::fprintf(stderr, "cannot write the configuration in %s\n", dir.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--prepare") {
        try {
            return Prepare(argv[2], argv[3]);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 1;
        }
    }
    QuitWhenShown quit;
    return psn::RunEditor(argc, argv,
                          [&quit](QWidget& mainWindow) { mainWindow.installEventFilter(&quit); });
}
