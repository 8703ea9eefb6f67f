// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The File menu's restore from the backups, and the start that finds an interrupted commit.
#include "core/commit.h"
#include "e2e_fixture.h"
#include "tracks/track_blocks.h"

#include <QAction>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

TEST(RestoreFromBackup, PutsTheChosenFilesBackAndReadsTheRecordFromTheGame) {
    E2EGame game(0, true);
    game.Start();
    const SettingsRecord loaded = game.state.record;
    const auto original = game.ReadGameFiles();
    SettingsRecord changed = sample::ExpectedRecord(3, true, 1, 1);
    // Track data of its own for every track (an entry without any is never written), so that
    // every game file changes and gets a backup.
    for (int t = 0; t < kTrackCount; ++t) {
        const std::size_t fuel = TrackEntryOffset(t, trackentry::kFuel);
        changed.setU16(fuel, static_cast<std::uint16_t>(loaded.u16(fuel) + 1));
    }
    game.state.record = changed;
    game.ExportAll();
    ASSERT_EQ(game.dialogs.Messages(), QStringList{"All data has been exported!"});
    ASSERT_FALSE(game.ReadGameFiles() == original);

    auto* action = game.main->findChild<QAction*>("Restorefrombackup1");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text().remove('&'),
              QString("Restore game files from backup\u2026")); // as seen

    // Cancelling the list or the confirmation changes nothing.
    game.dialogs.Clear();
    action->trigger();
    EXPECT_EQ(game.dialogs.Count(Kind::Choose), 1);
    const QStringList offered = game.dialogs.offeredItems;
    ASSERT_EQ(offered.size(), static_cast<int>(original.size()));
    EXPECT_TRUE(offered.front().contains("backup of "));
    game.dialogs.choiceAnswers = {std::vector<int>{0}};
    game.dialogs.confirmAnswers = {false};
    action->trigger();
    EXPECT_TRUE(game.state.record == changed);

    std::vector<int> all(static_cast<std::size_t>(offered.size()));
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = static_cast<int>(i);
    // Values the re-read must replace: a switch and a track's fuel.
    game.state.record = loaded;
    game.state.record.setU8(rec::kFirstDriverSwitch, loaded.u8(rec::kFirstDriverSwitch) ^ 1);
    game.state.record.setU16(rec::kTrackEntries + 9, 12345);
    game.dialogs.Clear();
    game.dialogs.choiceAnswers = {all};
    action->trigger();
    ASSERT_EQ(game.dialogs.Count(Kind::Confirm), 1);
    EXPECT_EQ(game.dialogs.Count(Kind::Information), 1);
    EXPECT_TRUE(game.dialogs.Messages().back().startsWith("These game files have been restored"));
    EXPECT_TRUE(game.ReadGameFiles() == original);
    for (const auto& [path, bytes] : original)
        EXPECT_TRUE(fs::Exists(path + ".bak")) << "the backups stay: " << path;
    // The record is the game's again, the track block included.
    EXPECT_TRUE(game.state.record == loaded);
}

TEST(RestoreFromBackup, WithoutBackupsSaysWhereTheyWouldBe) {
    E2EGame game(0, true);
    game.Start();
    game.dialogs.Clear();
    game.main->findChild<QAction*>("Restorefrombackup1")->trigger();
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    EXPECT_TRUE(
        game.dialogs.Messages().front().contains(QString::fromStdString(game.inst.gameDir)));
    EXPECT_EQ(game.dialogs.Count(Kind::Choose), 0);
}

// A start after a crash in the middle of the renames completes the commit before it reads the
// game, says so, and leaves no scratch file behind.
TEST(StartAfterACrash, CompletesTheInterruptedCommitFirstAndSaysSo) {
    E2EGame game(0, true);
    SettingsRecord changed = sample::ExpectedRecord(3, true, 1, 1);
    const auto original = game.ReadGameFiles();
    {
        game.Start();
        game.state.record = changed;
        game.ExportAll();
        game.main.reset();
    }
    const auto exported = game.ReadGameFiles();
    // The state a crash leaves after the executable was renamed into place: the record, the
    // executable new with its old content beside it, the save state's new content beside it.
    for (const auto& [path, bytes] : original)
        WriteFileBytes(path, bytes);
    WriteFileBytes(game.inst.exePath, exported.at(game.inst.exePath));
    WriteFileBytes(game.inst.exePath + kOldSuffix, original.at(game.inst.exePath));
    WriteFileBytes(game.inst.statePath + kNewSuffix, exported.at(game.inst.statePath));
    std::ofstream(game.inst.gameDir + "/" + kCommitRecordName)
        << "psniaed commit record\ncomplete\nreplace " << game.inst.exePath << "\nreplace "
        << game.inst.statePath << "\nend\n";

    game.dialogs.Clear();
    game.Start();
    ASSERT_EQ(game.main->StartupResult(), TMainForm::Startup::Loaded);
    ASSERT_GE(game.dialogs.Messages().size(), 1);
    const QString said = game.dialogs.Messages().front();
    EXPECT_TRUE(said.contains("completed")) << said.toStdString();
    EXPECT_TRUE(said.contains(QString::fromStdString(game.inst.statePath)));
    EXPECT_TRUE(E2EGame::ReadWhole(game.inst.statePath) == exported.at(game.inst.statePath));
    EXPECT_FALSE(fs::Exists(game.inst.gameDir + "/" + kCommitRecordName));
    EXPECT_FALSE(fs::Exists(game.inst.exePath + kOldSuffix));
    EXPECT_FALSE(fs::Exists(game.inst.statePath + kNewSuffix));
    // The record was read from the completed files.
    EXPECT_EQ(game.state.record.u8(rec::kFirstDriverSwitch), changed.u8(rec::kFirstDriverSwitch));
}

} // namespace
} // namespace psn::test
