// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game file that is not what its name says is refused at the commit: the user is told which
// file and why, nothing is written, and the editor goes on with every edit kept.
#include "core/commit.h"
#include "e2e_fixture.h"
#include "track_fixture.h"

#include <gtest/gtest.h>

namespace psn::test {
namespace {

TEST(RefusedFiles, AnExportIntoAFileWhoseTrailerDoesNotFitIsRefusedAndTheEditorGoesOn) {
    const struct {
        const char* what;
        const char* window;
        std::function<std::string(const E2EGame&)> file;
        const char* says;
    } cases[] = {
        {"save state", "names", [](const E2EGame& g) { return g.inst.statePath; },
         "save state: its checksum trailer does not fit"},
        {"track file", "tracks", [](const E2EGame& g) { return g.inst.TrackPath(3); },
         "track file of the game: its checksum trailer does not fit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        E2EGame game(0, true);
        game.Start();
        const std::string file = c.file(game);
        Bytes bytes = ReadFileBytes(file);
        bytes.back() ^= 0xFF;
        WriteFileBytes(file, bytes);
        const auto before = game.ReadGameFiles();
        const SettingsRecord edited = game.state.record;

        QWidget* window = std::string(c.window) == "names" ? game.main->Windows().names
                                                           : game.main->Windows().trackEditor;
        game.dialogs.Clear();
        E2EGame::Click(window, "Export data");
        ASSERT_EQ(game.dialogs.Messages().size(), 1);
        const QString shown = game.dialogs.Messages().front();
        EXPECT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Warning), 1);
        EXPECT_TRUE(shown.contains(QString::fromStdString(file))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(c.says)) << shown.toStdString();
        EXPECT_TRUE(game.exits.empty());
        EXPECT_FALSE(game.context.ended);
        EXPECT_TRUE(game.ReadGameFiles() == before) << "a game file changed";
        EXPECT_EQ(game.state.record, edited);

        // The same through Export all data; then a window that does not touch that file exports.
        game.dialogs.Clear();
        game.ExportAll();
        ASSERT_EQ(game.dialogs.Messages().size(), 1);
        EXPECT_TRUE(game.dialogs.Messages().front().contains(QString::fromStdString(file)));
        EXPECT_TRUE(game.ReadGameFiles() == before) << "a game file changed";
        game.dialogs.Clear();
        E2EGame::Click(game.main->Windows().enginePower, "Export data");
        EXPECT_EQ(game.dialogs.Messages(), QStringList{"Data has been exported!"});
        EXPECT_TRUE(game.exits.empty());
    }
}

// A commit record the program will not act on, found when a command begins, changes nothing:
// the user is told which record and what to do, and the editor goes on with its edits.
TEST(RefusedFiles, ARecordRefusedWhenACommandBeginsIsToldAndTheEditorGoesOn) {
    E2EGame game(0, true);
    game.Start();
    const std::string record = game.inst.gameDir + "/" + kCommitRecordName;
    for (const char* body : {"undo\ncreate notes.txt\nend\n", "complete\nreplace PSN.EXE\n"}) {
        SCOPED_TRACE(body);
        std::ofstream(record) << "psniaed commit record\n" << body;
        const auto before = game.ReadGameFiles();
        const SettingsRecord edited = game.state.record;
        game.dialogs.Clear();
        E2EGame::Click(game.main->Windows().names, "Export data");
        ASSERT_EQ(game.dialogs.Messages().size(), 1);
        const QString shown = game.dialogs.Messages().front();
        EXPECT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Warning), 1);
        EXPECT_TRUE(shown.startsWith(QString::fromStdString(game.inst.gameDir)) &&
                    shown.contains(QString(kCommitRecordName) + ": the commit record "))
            << shown.toStdString();
        EXPECT_TRUE(shown.contains("remove")) << shown.toStdString();
        EXPECT_TRUE(game.exits.empty());
        EXPECT_FALSE(game.context.ended);
        EXPECT_TRUE(std::filesystem::exists(record));
        EXPECT_TRUE(game.ReadGameFiles() == before) << "a game file changed";
        EXPECT_EQ(game.state.record, edited);
    }
    std::filesystem::remove(record);
    game.dialogs.Clear();
    E2EGame::Click(game.main->Windows().names, "Export data");
    EXPECT_EQ(game.dialogs.Messages(), QStringList{"Data has been exported!"});

    // The start has no game to show without it: it ends, as it always has.
    E2EGame fresh(0, true);
    const std::string freshRecord = fresh.inst.gameDir + "/" + kCommitRecordName;
    std::ofstream(freshRecord) << "psniaed commit record\nundo\ncreate notes.txt\nend\n";
    EXPECT_THROW(fresh.Start(), ProgramEnded);
    EXPECT_EQ(fresh.exits, std::vector<int>{1});
    EXPECT_TRUE(std::filesystem::exists(freshRecord));
}

} // namespace
} // namespace psn::test
