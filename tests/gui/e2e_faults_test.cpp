// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Transfers of the start-up load, the import of all data and the export of all data made to
// fail in turn, on one generated installation of edition 0 with a save-state file (the edition
// with the most transfers: it alone writes the patch list). Each failure must end the program
// through one warning that names the file and the reason, with exit code 1, with no transfer
// after it, and neither the configuration nor the original-settings snapshot saved. An export is
// one command: whichever transfer fails, also the writing, flushing, closing and renaming of its
// commit, every game file stays as it was.
#include "e2e_fixture.h"

#include <QRegularExpression>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/stat.h>
#include <tuple>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

// The fixed first line, then the file and the system's reason.
bool IsFileAccessMessage(const QString& text) {
    static const QRegularExpression message(R"(^( |\d\) )File access error! \n/.+: .+$)");
    return message.match(text).hasMatch();
}

struct FaultSweep {
    E2EGame game{0, true};
    Bytes config;

    bool AnyBackup() const {
        for (const std::string& path : game.GameFiles())
            if (fs::Exists(path + ".bak"))
                return true;
        return false;
    }
    void Arm(long failAt) {
        game.dialogs.Clear();
        game.exits.clear();
        game.context.ended = false;
        game.state.faults->count = 0;
        game.state.faults->failAt = failAt;
    }
    // One warning, exit code 1, the n-th transfer the last one, and closing the main window
    // afterwards saves no configuration.
    void ExpectFatalEnd(long n) {
        ASSERT_EQ(game.dialogs.Messages().size(), 1) << "at " << n;
        EXPECT_EQ(game.dialogs.Count(Kind::Warning), 1) << "at " << n;
        EXPECT_TRUE(IsFileAccessMessage(game.dialogs.Messages().front()))
            << "at " << n << ": " << game.dialogs.Messages().front().toStdString();
        EXPECT_EQ(game.exits, std::vector<int>{1}) << "at " << n;
        EXPECT_EQ(game.state.faults->count, n) << "a transfer after the failure at " << n;
        if (game.main)
            game.main->close();
        EXPECT_TRUE(ReadFileBytes(game.ConfigPath()) == config) << "at " << n;
    }
};

TEST(EndToEndFaults, EveryFailingTransferOfTheStartUpLoadEndsTheProgram) {
    FaultSweep sweep;
    E2EGame& game = sweep.game;
    // A stored edition that differs from the detected one shows any rewrite of the file.
    game.state.config.SetEdition(6);
    ASSERT_TRUE(WriteConfig(game.state).Ok());
    sweep.config = ReadFileBytes(game.ConfigPath());
    game.Start();
    const long total = game.state.faults->count;
    RecordProperty("failure_points", static_cast<int>(total));
    ASSERT_EQ(game.main->StartupResult(), TMainForm::Startup::Loaded);
    EXPECT_GT(total, 3500);
    EXPECT_LT(total, 6000);
    game.main.reset();

    // The track files themselves are read at start-up outside the transfers counted here (a
    // failure there is reported and not fatal); the executable's tyre table is among them.
    for (long n = 1; n <= total; ++n) {
        // Every run is a first start, which also writes the snapshot of the original settings.
        std::filesystem::remove(game.OriginPath());
        std::filesystem::remove(game.editorDir + "/DATA/ORIGIN.TRK");
        sweep.Arm(n);
        game.state.record = SettingsRecord{};
        EXPECT_THROW(game.main = std::make_unique<TMainForm>(game.context), test::ProgramEnded)
            << "at " << n;
        sweep.ExpectFatalEnd(n);
        EXPECT_FALSE(fs::Exists(game.OriginPath())) << "at " << n;
        game.main.reset();
        if (HasFailure())
            break;
    }
    EXPECT_FALSE(sweep.AnyBackup()) << "a read-only load wrote into a game file";
}

TEST(EndToEndFaults, EveryFailingTransferOfTheImportOfAllDataEndsTheProgram) {
    FaultSweep sweep;
    E2EGame& game = sweep.game;
    sweep.config = ReadFileBytes(game.ConfigPath());
    game.Start();
    const SettingsRecord loaded = game.state.record;
    game.state.faults->count = 0;
    game.ImportAll();
    const long total = game.state.faults->count;
    RecordProperty("failure_points", static_cast<int>(total));
    ASSERT_EQ(game.dialogs.Messages(), QStringList{"All data has been imported!"});
    EXPECT_GT(total, 4000);
    EXPECT_LT(total, 6000);

    for (long n = 1; n <= total; ++n) {
        sweep.Arm(n);
        game.state.record = loaded;
        game.state.trackEntryKnown.fill(false);
        game.ImportAll();
        sweep.ExpectFatalEnd(n);
        EXPECT_TRUE(TrackDataPending(game.state)) << "a failed import marked the tracks read";
        if (HasFailure())
            break;
    }
    EXPECT_FALSE(sweep.AnyBackup()) << "an import wrote into a game file";
}

// The stamp of every file in the game's folder tree: a file written in place changes its time, a
// file renamed into place its inode, and a scratch file left behind is one more entry.
std::map<std::string, std::tuple<ino_t, std::int64_t, off_t>> Stamps(const std::string& gameDir) {
    std::map<std::string, std::tuple<ino_t, std::int64_t, off_t>> stamps;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(gameDir)) {
        if (entry.is_directory())
            continue;
        struct stat info {};
        ::stat(entry.path().c_str(), &info);
        stamps[entry.path().string()] = {
            info.st_ino, info.st_mtim.tv_sec * 1000000000LL + info.st_mtim.tv_nsec, info.st_size};
    }
    return stamps;
}

// A window's export is one command: a failure anywhere (its blocks, the save state's trailer, the
// writing, flushing, closing and renaming of the commit) leaves every file as it was.
TEST(EndToEndFaults, EveryFailingTransferOfAWindowsExportLeavesTheGameAsItWas) {
    FaultSweep sweep;
    E2EGame& game = sweep.game;
    sweep.config = ReadFileBytes(game.ConfigPath());
    WindowSet& windows = game.Start().Windows();
    // Another edition's names and colours, so that the blocks' writes show in the files.
    const SettingsRecord changed = sample::ExpectedRecord(3, true, 1, 1);
    const auto original = game.ReadGameFiles();
    for (QWidget* window : {windows.cockpitColours, windows.names}) {
        const std::string name = window->objectName().toStdString();
        game.state.record = changed;
        sweep.Arm(0);
        E2EGame::Click(window, "Export data");
        ASSERT_EQ(game.dialogs.Messages(), QStringList{"Data has been exported!"}) << name;
        const long total = game.state.faults->count;
        const auto exported = game.ReadGameFiles();
        ASSERT_FALSE(exported.at(game.inst.statePath) == original.at(game.inst.statePath));
        // Every run starts from the original files without backups, as the first export did.
        const auto reset = [&] {
            for (const auto& [path, bytes] : original) {
                WriteFileBytes(path, bytes);
                std::filesystem::remove(path + ".bak");
            }
        };
        reset();
        auto stamps = Stamps(game.inst.gameDir);
        long succeeded = 0;
        for (long n = 1; n <= total; ++n) {
            game.state.record = changed;
            sweep.Arm(n);
            E2EGame::Click(window, "Export data");
            if (game.dialogs.Messages() == QStringList{"Data has been exported!"}) {
                // Only the clean-up after the renames may meet the failure: the commit stands.
                ++succeeded;
                EXPECT_TRUE(game.ReadGameFiles() == exported) << name << " at " << n;
                reset();
                stamps = Stamps(game.inst.gameDir);
                continue;
            }
            ASSERT_EQ(game.dialogs.Messages().size(), 1) << name << " at " << n;
            const QString text = game.dialogs.Messages().front();
            EXPECT_TRUE(IsFileAccessMessage(text))
                << name << " at " << n << ": " << text.toStdString();
            EXPECT_EQ(game.exits, std::vector<int>{1}) << name << " at " << n;
            EXPECT_TRUE(Stamps(game.inst.gameDir) == stamps)
                << name << ": a failed export changed the game folder, at " << n;
            if (HasFailure())
                return;
        }
        EXPECT_LE(succeeded, 2) << name;
        EXPECT_TRUE(game.ReadGameFiles() == original) << name;
        game.state.record = changed;
        sweep.Arm(0);
        E2EGame::Click(window, "Export data");
        reset();
    }
}

TEST(EndToEndFaults, EveryFailingTransferOfTheExportOfAllDataEndsTheProgram) {
    FaultSweep sweep;
    E2EGame& game = sweep.game;
    sweep.config = ReadFileBytes(game.ConfigPath());
    game.Start();
    // Another edition's values everywhere, so that every block's writes show in the files.
    SettingsRecord changed = sample::ExpectedRecord(3, true, 1, 1);
    const auto tracks = sample::ExpectedTrackEntries(3);
    std::copy(tracks.begin(), tracks.end(), changed.bytes().begin() + rec::kTrackEntries);
    game.state.record = changed;

    const auto original = game.ReadGameFiles();
    game.state.faults->count = 0;
    game.ExportAll();
    const long total = game.state.faults->count;
    RecordProperty("failure_points", static_cast<int>(total));
    ASSERT_EQ(game.dialogs.Messages(), QStringList{"All data has been exported!"});
    EXPECT_GT(total, 4000);
    EXPECT_LT(total, 6000);
    const auto final = game.ReadGameFiles();
    // Every run starts from the original files without backups, as the first export did.
    const auto reset = [&] {
        for (const auto& [path, bytes] : original) {
            WriteFileBytes(path, bytes);
            std::filesystem::remove(path + ".bak");
        }
    };
    for (const auto& [path, bytes] : original)
        EXPECT_FALSE(final.at(path) == bytes) << path << " is part of the export";
    reset();
    auto stamps = Stamps(game.inst.gameDir);

    long succeeded = 0;
    for (long n = 1; n <= total; ++n) {
        game.state.record = changed;
        sweep.Arm(n);
        game.ExportAll();
        if (game.dialogs.Messages() == QStringList{"All data has been exported!"}) {
            // Only the clean-up after the renames may meet the failure: the commit stands.
            ++succeeded;
            EXPECT_TRUE(game.ReadGameFiles() == final) << "at " << n;
            reset();
            stamps = Stamps(game.inst.gameDir);
            continue;
        }
        sweep.ExpectFatalEnd(n);
        EXPECT_TRUE(Stamps(game.inst.gameDir) == stamps)
            << "a failed export changed the game folder, at " << n;
        if (HasFailure())
            break;
    }
    EXPECT_LE(succeeded, 2);
    for (const auto& [path, bytes] : original)
        EXPECT_TRUE(E2EGame::ReadWhole(path) == bytes) << "a failed export changed " << path;
}

} // namespace
} // namespace psn::test
