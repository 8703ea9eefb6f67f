// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game whose every file and folder name was lowered by a copy tool ("circuits/f1ct01.dat",
// "psn.exe"): every command finds the game's own folders and files, none is created beside them.
#include "e2e_fixture.h"
#include "tracks/track_blocks.h"
#include "tracks/track_install.h"

#include <gtest/gtest.h>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;
namespace stdfs = std::filesystem;

// The data packs the editor ships, beside the palette and pictures the fixture copies.
void CopyShippedData(const std::string& editorDir) {
    for (const auto& entry : stdfs::directory_iterator(std::string(PSN_APP_DIR) + "/DATA")) {
        const stdfs::path target = editorDir + "/DATA/" + entry.path().filename().string();
        if (entry.is_regular_file() && !stdfs::exists(target))
            stdfs::copy_file(entry.path(), target);
    }
}

TEST(LowerCaseGame, EveryCommandFindsTheGamesOwnFolders) {
    E2EGame game(0, true, 1, 1, /*lowerCase=*/true, /*withPictures=*/true);
    ASSERT_TRUE(fs::Exists(game.inst.gameDir + "circuits/f1ct01.dat"));
    CopyShippedData(game.editorDir);

    WindowSet& w = game.Start().Windows();
    EXPECT_EQ(game.main->StartupResult(), TMainForm::Startup::Loaded);
    EXPECT_EQ(game.state.record, StartRecord(game, 1, 1));
    EXPECT_TRUE(game.dialogs.shown.empty()) << game.dialogs.Messages().join("|").toStdString();

    for (QWidget* window : {w.names, w.enginePower, w.grip, w.failures, w.pitLine, w.cockpitColours,
                            w.pitCrewColours, w.cameras, w.tuning, w.noses, w.trackEditor}) {
        game.dialogs.Clear();
        E2EGame::Click(window, "Import data");
        E2EGame::Click(window, "Export data");
        EXPECT_EQ(game.dialogs.Messages().size(), 2) << window->objectName().toStdString();
        EXPECT_TRUE(game.dialogs.Messages().last().endsWith("exported!"))
            << window->objectName().toStdString() << ": "
            << game.dialogs.Messages().join("|").toStdString();
    }

    game.dialogs.Clear();
    EXPECT_TRUE(PrepareTrackEditor(game.context, nullptr));
    game.ImportAll();
    // Changes for the executable, the save state and the first track file: only a file whose
    // bytes change is written, and gets its backup.
    SettingsRecord& record = game.state.record;
    record.setU16(rec::EnginePowerQual(1),
                  static_cast<std::uint16_t>(record.u16(rec::EnginePowerQual(1)) + 1));
    record.setStr(rec::TeamName(1), rec::kTeamNameCapacity, "Lowercase");
    const std::size_t fuel = TrackEntryOffset(0, trackentry::kFuel);
    record.setU16(fuel, static_cast<std::uint16_t>(record.u16(fuel) + 1));
    game.ExportAll();
    EXPECT_EQ(game.dialogs.Messages(),
              (QStringList{"All data has been imported!", "All data has been exported!"}));

    game.dialogs.Clear();
    E2EGame::Click(w.trackManager, "Install Valmont track");
    E2EGame::Click(w.cockpitManager, "Install it!");
    E2EGame::Click(w.carSets, "Install '97 car set");
    EXPECT_EQ(game.dialogs.Messages(),
              (QStringList{"Track installed!", "New cockpit installed!", "New carset installed!"}));
    const auto shipped = [&](const char* name) {
        return ReadFileBytes(game.editorDir + "/DATA/" + name);
    };
    EXPECT_TRUE(ReadFileBytes(game.inst.TrackPath(7)) == shipped("F1CT07.DAT"));
    EXPECT_TRUE(ReadFileBytes(game.inst.Path("BITMAPS/CPITHI.PCX")) == shipped("M197HI.PCX"));
    EXPECT_TRUE(ReadFileBytes(game.inst.JamPath("WILLIAMS.JAM")) == shipped("WILLIAMS.JAM"));

    // Nothing was made beside the game's own names, and the originals are kept beside them.
    for (const char* name : {"CIRCUITS", "GAMEJAMS", "BITMAPS", "PSN.EXE", "F1GSTATE.SAV"})
        EXPECT_FALSE(fs::Exists(game.inst.gameDir + name)) << name;
    for (const std::string& changed :
         {game.inst.exePath, game.inst.statePath, game.inst.TrackPath(1), game.inst.TrackPath(7),
          game.inst.Path("BITMAPS/CPITHI.PCX"), game.inst.JamPath("WILLIAMS.JAM")})
        EXPECT_TRUE(fs::Exists(changed + ".bak")) << changed;
    EXPECT_EQ(game.dialogs.Count(Kind::Warning) + game.dialogs.Count(Kind::Error), 0);
    EXPECT_TRUE(game.exits.empty());
}

} // namespace
} // namespace psn::test
