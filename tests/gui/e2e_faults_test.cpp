// Transfers of the start-up load, the import of all data and the export of all data made to
// fail in turn, on one generated installation of edition 0 with a save-state file (the edition
// with the most transfers: it alone writes the patch list). Each failure must end the program
// through one warning with exit code 1, with no transfer after it, nothing written that the
// failed run had not reached, and neither the configuration nor the original-settings snapshot
// saved. The sweep fails every transfer: 3784 of a first start-up load (which reads the track
// files themselves outside the game-file layer, not fatally), 4055 of an import and 4296 of an
// export (the checksum trailers' and the patch list's fit check included), 12135 failure points
// in all.
#include "e2e_fixture.h"

#include <QRegularExpression>
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

bool IsFileAccessMessage(const QString& text) {
    static const QRegularExpression numbered(R"(^\d\) File access error! $)");
    return text == " File access error! " || numbered.match(text).hasMatch();
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
        game.main->close();
        EXPECT_TRUE(ReadFileBytes(game.ConfigPath()) == config) << "at " << n;
    }
};

TEST(EndToEndFaults, EveryFailingTransferOfTheStartUpLoadEndsTheProgram) {
    FaultSweep sweep;
    E2EGame& game = sweep.game;
    // A stored edition that differs from the detected one shows any rewrite of the file.
    game.state.config.SetEdition(6);
    WriteConfig(game.state);
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
        game.main = std::make_unique<TMainForm>(game.context);
        ASSERT_EQ(game.main->StartupResult(), TMainForm::Startup::Ended) << "at " << n;
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

// The game rejects a save-state file whose trailer does not match its bytes, so a trailer that
// cannot be renewed is a failed export, also from the two windows that write the save state.
TEST(EndToEndFaults, ATrailerThatCannotBeRenewedFailsTheWindowsExport) {
    FaultSweep sweep;
    E2EGame& game = sweep.game;
    sweep.config = ReadFileBytes(game.ConfigPath());
    WindowSet& windows = game.Start().Windows();
    // Another edition's names and colours, so that the blocks' writes show in the file; a stale
    // trailer shows whether it was renewed.
    game.state.record = sample::ExpectedRecord(3, true, 1, 1);
    Bytes before = ReadFileBytes(game.inst.statePath);
    std::fill(before.end() - 4, before.end(), std::uint8_t{0});
    const auto blocks = [](const Bytes& file) { return Bytes(file.begin(), file.end() - 4); };
    for (QWidget* window : {windows.cockpitColours, windows.names}) {
        const std::string name = window->objectName().toStdString();
        WriteFileBytes(game.inst.statePath, before);
        sweep.Arm(0);
        E2EGame::Click(window, "Export data");
        ASSERT_EQ(game.dialogs.Count(Kind::Warning), 0) << name;
        const long total = game.state.faults->count;
        const Bytes exported = ReadFileBytes(game.inst.statePath);
        ASSERT_FALSE(blocks(exported) == blocks(before)) << name;
        // The trailer's open, seek and four bytes are the export's last transfers: every block
        // is written when they fail.
        for (const long n : {total - 5, total}) {
            WriteFileBytes(game.inst.statePath, before);
            sweep.Arm(n);
            E2EGame::Click(window, "Export data");
            EXPECT_EQ(game.dialogs.Messages(), QStringList{" File access error! "})
                << name << " at " << n;
            EXPECT_EQ(game.exits, std::vector<int>{1}) << name << " at " << n;
            const Bytes now = ReadFileBytes(game.inst.statePath);
            EXPECT_TRUE(blocks(now) == blocks(exported)) << name << " at " << n;
            // Failing at its open leaves the stale trailer; failing at its last byte leaves the
            // three before it written.
            const Bytes trailer(now.end() - 4, now.end());
            const Bytes expected =
                n == total ? Bytes{exported.end()[-4], exported.end()[-3], exported.end()[-2], 0}
                           : Bytes(4, 0);
            EXPECT_EQ(trailer, expected) << name << " at " << n;
        }
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

    // Only the pages that the export changes are compared and restored per run; a stray write
    // anywhere else survives the restores and fails the whole-file check at the end.
    constexpr std::size_t kPage = 4096;
    std::map<std::string, std::vector<std::size_t>> pages;
    for (const auto& [path, from] : original) {
        const Bytes& to = final.at(path);
        ASSERT_EQ(from.size(), to.size()) << path;
        for (std::size_t page = 0; page * kPage < from.size(); ++page) {
            const std::size_t first = page * kPage, end = std::min(from.size(), first + kPage);
            if (!std::equal(from.begin() + static_cast<std::ptrdiff_t>(first),
                            from.begin() + static_cast<std::ptrdiff_t>(end),
                            to.begin() + static_cast<std::ptrdiff_t>(first)))
                pages[path].push_back(page);
        }
    }
    const auto span = [&](const std::string& path, std::size_t page) {
        const std::size_t first = page * kPage;
        return std::pair{first, std::min(original.at(path).size(), first + kPage)};
    };
    const auto restore = [&](const std::string& path) {
        std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
        for (const std::size_t page : pages[path]) {
            const auto [first, end] = span(path, page);
            out.seekp(static_cast<std::streamoff>(first));
            out.write(reinterpret_cast<const char*>(original.at(path).data() + first),
                      static_cast<std::streamsize>(end - first));
        }
    };
    for (const auto& [path, list] : pages)
        restore(path);

    // Bytes of the files that hold their exported value: a run that fails later may have
    // written one byte more per transfer, plus the renewed four-byte trailers.
    std::size_t writtenBefore = 0;
    long before = 0;
    for (long n = 1; n <= total; ++n) {
        sweep.Arm(n);
        game.state.record = changed;
        game.ExportAll();
        sweep.ExpectFatalEnd(n);

        std::size_t written = 0;
        bool foreign = false;
        for (const auto& [path, list] : pages) {
            std::ifstream in(path, std::ios::binary);
            const Bytes& from = original.at(path);
            const Bytes& to = final.at(path);
            for (const std::size_t page : list) {
                const auto [first, end] = span(path, page);
                Bytes now(end - first);
                in.seekg(static_cast<std::streamoff>(first));
                in.read(reinterpret_cast<char*>(now.data()),
                        static_cast<std::streamsize>(now.size()));
                for (std::size_t i = 0; i < now.size(); ++i) {
                    if (now[i] == from[first + i])
                        continue;
                    if (now[i] == to[first + i])
                        ++written;
                    else
                        foreign = true;
                }
            }
            in.close();
            restore(path);
        }
        EXPECT_FALSE(foreign) << "a byte no export writes, at " << n;
        EXPECT_GE(written, writtenBefore) << "at " << n;
        EXPECT_LE(written, writtenBefore + static_cast<std::size_t>(n - before) + 4 * 17)
            << "at " << n;
        writtenBefore = written;
        before = n;
        if (HasFailure())
            break;
    }
    for (const auto& [path, bytes] : original)
        EXPECT_TRUE(E2EGame::ReadWhole(path) == bytes)
            << "a failed export wrote outside its blocks";
}

} // namespace
} // namespace psn::test
