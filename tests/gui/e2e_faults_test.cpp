// Transfers of the start-up load, the import of all data and the export of all data made to
// fail in turn, on one generated installation of edition 0 with a save-state file (the edition
// with the most transfers: it alone writes the patch list). Each failure must end the program
// through one warning with exit code 1, with no transfer after it, nothing written that the
// failed run had not reached, and neither the configuration nor the original-settings snapshot
// saved. The installation has 4057 transfers in a first start-up load, 4055 in an import and
// 4184 in an export; the sweep fails every one of the import's and 1362 and 1394 of the other
// two (see Swept), 6811 failure points in all.
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

// The transfers swept: all at the start (opening the files, the edition byte), all of the
// track block at the end (numbered messages, one file after the other), and every fourth in
// between, which keeps the sweep within seconds.
bool Swept(long n, long total) {
    return n <= 64 || n > total - 400 || n % 4 == 0;
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
    EXPECT_GT(total, 4000);
    EXPECT_LT(total, 6000);
    game.main.reset();

    for (long n = 1; n <= total; ++n) {
        if (!Swept(n, total))
            continue;
        // Every run is a first start, which also reads the track block for the snapshot.
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
        game.state.trackDataPending = true;
        game.ImportAll();
        sweep.ExpectFatalEnd(n);
        EXPECT_TRUE(game.state.trackDataPending) << "a failed import marked the tracks read";
        if (HasFailure())
            break;
    }
    EXPECT_FALSE(sweep.AnyBackup()) << "an import wrote into a game file";
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
        if (!Swept(n, total))
            continue;
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
