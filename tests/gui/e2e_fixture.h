// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A generated sample installation of one edition with an editor folder beside it that is the
// current directory while the test runs, the scripted dialog seam and a recorded program end.
#pragma once

#include "core/fs.h"
#include "core/record_map.h"
#include "core/settings_files.h"
#include "shell/ie_form.h"
#include "shell/main_form.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/track_blocks.h"
#include "ui/app_context.h"

#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace psn::test {

using Bytes = std::vector<std::uint8_t>;

struct E2EGame {
    E2EGame(int edition, bool withState, int namesSource = 1, int cockpitSource = 1,
            bool lowerCase = false, bool withPictures = false)
        : previousDir(fs::CurrentDirectory()) {
        sample::Options options;
        options.edition = edition;
        options.gameDir = dir.str() + "/game";
        options.withState = withState;
        options.withPictures = withPictures;
        options.lowerCase = lowerCase;
        inst = sample::MakeInstallation(options);
        editorDir = dir.str() + "/editor";
        std::filesystem::create_directories(editorDir + "/DATA");
        std::filesystem::create_directories(editorDir + "/TEMP");
        WriteFileBytes(editorDir + "/DATA/PLT.DAT", sample::PatchListBytes());
        // The pictures and the palette the editor ships.
        for (const char* name : {"Dib1.dib", "DIB2.DIB", "Dib3.dib", "PSN.PAL"})
            std::filesystem::copy_file(std::string(PSN_APP_DIR) + "/DATA/" + name,
                                       editorDir + "/DATA/" + name);
        EXPECT_TRUE(fs::SetCurrentDirectory(editorDir));
        state.startDir = editorDir;
        state.config.SetGameDir(inst.gameDir);
        state.config.SetExePath(inst.exePath);
        state.config.SetNamesSource(static_cast<std::uint8_t>(namesSource));
        state.config.SetCockpitSource(static_cast<std::uint8_t>(cockpitSource));
        EXPECT_TRUE(WriteConfig(state).Ok());
    }
    ~E2EGame() {
        main.reset();
        EXPECT_TRUE(fs::SetCurrentDirectory(previousDir));
    }

    // The start-up load, then every other window, as the program entry does.
    TMainForm& Start() {
        main = std::make_unique<TMainForm>(context);
        main->CreateOtherWindows();
        return *main;
    }

    std::vector<std::string> GameFiles() const {
        std::vector<std::string> files{inst.exePath};
        if (inst.hasState)
            files.push_back(inst.statePath);
        for (int t = 1; t <= sample::kTracks; ++t)
            files.push_back(inst.TrackPath(t));
        return files;
    }
    static Bytes ReadWhole(const std::string& path) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        Bytes bytes(static_cast<std::size_t>(std::max<std::streamoff>(0, in.tellg())));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return bytes;
    }
    std::map<std::string, Bytes> ReadGameFiles() const {
        std::map<std::string, Bytes> files;
        for (const std::string& path : GameFiles())
            files[path] = ReadWhole(path);
        return files;
    }

    TIEForm& IEForm() { return *static_cast<TIEForm*>(main->Windows().importExport); }
    // Clicks a button of a window the way the user does, with the window shown.
    static void Click(QWidget* window, const QString& captionStart) {
        const bool wasVisible = window->isVisible();
        window->show();
        for (QPushButton* button : window->findChildren<QPushButton*>())
            if (button->text().startsWith(captionStart)) {
                QTest::mouseClick(button, Qt::LeftButton);
                break;
            }
        if (!wasVisible)
            window->hide();
    }
    void ImportAll() { Click(&IEForm(), "Import all data"); }
    void ExportAll() { Click(&IEForm(), "Export all data"); }

    std::string ConfigPath() const { return editorDir + "/" + kConfigFile; }
    std::string OriginPath() const { return editorDir + "/DATA/ORIGIN.SET"; }

    TempDir dir;
    sample::Installation inst;
    std::string editorDir;
    AppState state;
    ScriptedDialogs dialogs;
    std::vector<int> exits;
    AppContext context{state, dialogs, [this](int code) {
                           exits.push_back(code);
                           test::EndProgram(code);
                       }};
    std::unique_ptr<TMainForm> main;
    std::string previousDir;
};

// What a start-up load gives with the track files installed: every start takes the track block.
inline SettingsRecord StartRecord(const E2EGame& game, int namesSource, int cockpitSource) {
    SettingsRecord expected = game.inst.Expected(namesSource, cockpitSource);
    const auto tracks = sample::ExpectedTrackEntries(game.inst.edition);
    std::copy(tracks.begin(), tracks.end(), expected.bytes().begin() + rec::kTrackEntries);
    return expected;
}

} // namespace psn::test
