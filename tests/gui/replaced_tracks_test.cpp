// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Track entries are written only as they were read from the track file they go into: the
// originals snapshot waits for the game's own, and a track file an installer replaced is read
// again before the track editor shows or writes it.
#include "e2e_fixture.h"
#include "shell/window_set.h"
#include "track_fixture.h"
#include "tracks/track_ed_form.h"
#include "tracks/track_manager_blocks.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

namespace sfs = std::filesystem;

// Opens the track editor with its picture button, as the user does, runs `inside` on the shown
// window and closes it again.
void InTrackEditor(E2EGame& game, const std::function<void(TTrackEdForm&)>& inside) {
    auto* editor = qobject_cast<TTrackEdForm*>(game.main->Windows().trackEditor);
    ASSERT_NE(editor, nullptr);
    bool shown = false;
    std::function<void(int)> whenShown = [&](int triesLeft) {
        QTimer::singleShot(0, [&, triesLeft] {
            if (!editor->isVisible()) {
                if (triesLeft > 0)
                    whenShown(triesLeft - 1);
                return;
            }
            shown = true;
            inside(*editor);
            editor->close();
        });
    };
    whenShown(200);
    game.main->findChild<QAbstractButton*>("TrackEditorButton")->click();
    EXPECT_TRUE(shown) << "the track editor opened";
}

// The nine set-up bytes of each track file.
std::vector<Bytes> SetupBytes(const E2EGame& game) {
    std::vector<Bytes> setups;
    for (int t = 1; t <= sample::kTracks; ++t) {
        const Bytes file = ReadFileBytes(game.inst.TrackPath(t));
        const auto start =
            file.begin() + static_cast<long>(game.inst.values->tracks[t - 1].setupOffset);
        setups.emplace_back(start, start + 9);
    }
    return setups;
}

// A first start without track files keeps the originals' track entries for later; restoring them
// before and after the track files arrive never brings zero set-ups into the game.
TEST(ReplacedTracks, RestoringOriginalsAfterAFirstStartWithoutTrackFilesKeepsTheGamesSetUps) {
    E2EGame game(0, true);
    const std::string cd = game.dir.str() + "/cd";
    sfs::create_directories(cd);
    sfs::rename(game.inst.gameDir + "CIRCUITS", cd + "/CIRCUITS");
    game.Start();
    ASSERT_TRUE(OriginalTracksPending(game.state));
    const auto restore = [&] {
        game.main->findChild<QAction*>("Restoreoriginalsettings1")->trigger();
    };
    restore();
    EXPECT_TRUE(TrackDataPending(game.state)) << "the originals hold no track data yet";

    // The track files come from the CD; the editor's first opening reads them, and with them the
    // originals are complete.
    game.dialogs.fileAnswers = {QString::fromStdString(cd + "/PSN.EXE")};
    InTrackEditor(game, [](TTrackEdForm&) {});
    EXPECT_FALSE(OriginalTracksPending(game.state));
    const std::vector<Bytes> setups = SetupBytes(game);

    restore();
    InTrackEditor(game, [&](TTrackEdForm& editor) {
        editor.findChild<QListWidget*>("ListBox1")->setCurrentRow(0);
        editor.findChild<QLineEdit*>("Edit9")->setText("50");
        E2EGame::Click(&editor, "Export data");
    });
    EXPECT_EQ(SetupBytes(game), setups);
    const Bytes first = ReadFileBytes(game.inst.TrackPath(1));
    const std::size_t fuel = game.inst.values->tracks[0].setupOffset + trackfile::kFuelOffset;
    EXPECT_EQ(first[fuel] + 256 * first[fuel + 1], 50);
    EXPECT_TRUE(TrailerValid(first));
    EXPECT_TRUE(game.exits.empty());
}

// After either install, the track editor shows and writes back the new track file's own values.
TEST(ReplacedTracks, AnInstalledTrackFileIsReadAgainBeforeTheTrackEditorWritesIt) {
    E2EGame game(0, true);
    for (const StretchFile& file : Stretches()) {
        WriteFileBytes(game.state.StartPath(file.bonus), {0xB1, 0xB2, 0xB3});
        WriteFileBytes(game.state.StartPath(file.original), {0x01, 0x02});
    }
    const Bytes bonus = MakeTrackFile(DistinctTrack(13));
    WriteFileBytes(game.editorDir + "/DATA/F1CT07.DAT", bonus);
    const std::string cd = game.dir.str() + "/cd";
    sfs::create_directories(cd);
    sfs::copy(game.inst.gameDir + "CIRCUITS", cd + "/CIRCUITS");
    const Bytes original = ReadFileBytes(cd + "/CIRCUITS/F1CT07.DAT");
    game.Start();

    const auto exportTrack7 = [&](const std::uint16_t fuel) {
        InTrackEditor(game, [&](TTrackEdForm& editor) {
            editor.findChild<QListWidget*>("ListBox1")->setCurrentRow(6);
            EXPECT_EQ(editor.findChild<QLineEdit*>("Edit9")->text(), QString::number(fuel));
            E2EGame::Click(&editor, "Export data");
        });
    };
    E2EGame::Click(game.main->Windows().trackManager, "Install Valmont track");
    ASSERT_EQ(game.dialogs.Messages().last(), "Track installed!");
    exportTrack7(DistinctTrack(13).fuel);
    EXPECT_EQ(ReadFileBytes(game.inst.TrackPath(7)), bonus);

    game.dialogs.fileAnswers = {QString::fromStdString(cd + "/PSN.EXE")};
    E2EGame::Click(game.main->Windows().trackManager, "Install original tracks");
    ASSERT_EQ(game.dialogs.Messages().last(), "Original tracks installed!");
    const std::size_t fuelAt = game.inst.values->tracks[6].setupOffset + trackfile::kFuelOffset;
    exportTrack7(static_cast<std::uint16_t>(original[fuelAt] + 256 * original[fuelAt + 1]));
    EXPECT_EQ(ReadFileBytes(game.inst.TrackPath(7)), original);
    EXPECT_TRUE(game.exits.empty());
}

} // namespace
} // namespace psn::test
