// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/commit.h"
#include "core/game_file.h"
#include "core/platform.h"
#include "core/sha256.h"
#include "seasons/season_store.h"
#include "support/child_process.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

namespace sfs = std::filesystem;
using seasons::FileChange;
using seasons::SeasonError;
using seasons::Store;
using test::ReadFileBytes;
using test::WriteFileBytes;

std::string Digest(const std::string& text) {
    return Sha256Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

TEST(Sha256, GivesTheStandardsDigestsWhateverPiecesTheBytesComeIn) {
    EXPECT_EQ(Digest(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Digest("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Digest("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    // A million "a", added in pieces that straddle the 64-byte blocks.
    Sha256 sum;
    const std::vector<std::uint8_t> piece(977, 'a');
    std::size_t added = 0;
    while (added < 1000000) {
        const std::size_t n = std::min<std::size_t>(piece.size(), 1000000 - added);
        sum.Add({piece.data(), n});
        added += n;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const std::uint8_t byte : sum.Finish())
        hex += std::string{kDigits[byte >> 4], kDigits[byte & 15]};
    EXPECT_EQ(hex, "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// Every season file of a game folder, for comparing whole games.
std::map<std::string, std::vector<std::uint8_t>> GameFiles(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const std::string& name : seasons::SeasonFiles())
        if (const std::string path = fs::ResolveCase(dir + name); sfs::exists(path))
            files[name] = ReadFileBytes(path);
    return files;
}

std::size_t StoredFiles(const Store& store) {
    std::size_t count = 0;
    for (const auto& entry : sfs::recursive_directory_iterator(store.Dir() + "/files"))
        count += entry.is_regular_file();
    return count;
}

struct SeasonGame {
    test::TempDir dir;
    sample::Installation inst;
    Store store{dir.str() + "/store"};

    explicit SeasonGame(int edition = 0) {
        sample::Options options;
        options.edition = edition;
        options.gameDir = dir.str() + "/game/";
        inst = sample::MakeInstallation(options);
    }
    // Changes a few bytes of the executable, a track file (its trailer renewed) and replaces a
    // car set archive by one of another size.
    void Change(std::uint8_t value) {
        auto exe = ReadFileBytes(inst.exePath);
        exe[1000] = value;
        exe[0x200000] = value;
        WriteFileBytes(inst.exePath, exe);
        auto track = ReadFileBytes(inst.TrackPath(3));
        track[10] = value;
        WriteFileBytes(inst.TrackPath(3), track);
        RenewChecksum(inst.TrackPath(3));
        WriteFileBytes(inst.JamPath("LOTUS.JAM"), std::vector<std::uint8_t>(3000 + value, value));
    }
};

// A hash the caller remembered wrongly stores the bytes under their own hash and leaves the
// stored copy it named alone.
TEST(Seasons, AWrongHashGivenToTheStoreNeverReplacesAStoredCopy) {
    test::TempDir dir;
    Store store(dir.str() + "/store");
    const std::vector<std::uint8_t> a{1, 2, 3}, b{4, 5, 6};
    const std::string hashA = store.Put(a);
    EXPECT_EQ(store.Put(b, hashA), Sha256Hex(b));
    EXPECT_EQ(store.Read({"F1GSTATE.SAV", hashA, a.size()}), a);
    EXPECT_EQ(store.Read({"F1GSTATE.SAV", Sha256Hex(b), b.size()}), b);
}

// Hashes remembered from an earlier run serve only files that have not changed since: a file
// written afterwards, of the same size, is hashed again and switched back; a remembered list not
// written by the store is not trusted at all.
TEST(Seasons, RememberedHashesServeOnlyFilesUnchangedSince) {
    SeasonGame game;
    const auto aged = [&] {
        for (const auto& entry : sfs::recursive_directory_iterator(game.inst.gameDir))
            if (entry.is_regular_file())
                sfs::last_write_time(entry.path(),
                                     sfs::file_time_type::clock::now() - std::chrono::hours(1));
    };
    aged();
    seasons::Keep(game.store, game.inst.gameDir, "stock", "");
    const auto stock = GameFiles(game.inst.gameDir);
    const auto known = game.store.KnownHashes();
    ASSERT_EQ(known.size(), stock.size()) << "every file an hour old is remembered";
    EXPECT_EQ(known.begin()->second.hash, Sha256Hex(ReadFileBytes(known.begin()->first)));

    game.Change(7);
    auto state = ReadFileBytes(game.inst.statePath);
    state[100] ^= 1; // the same size, in place: only its time of change tells
    WriteFileBytes(game.inst.statePath, state);
    RenewChecksum(game.inst.statePath);
    const auto result = seasons::Switch(game.store, game.inst.gameDir, "stock");
    EXPECT_EQ(result.changes.size(), 4u);
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == stock);

    aged();
    game.Change(8);
    WriteFileBytes(game.store.Dir() + "/game-hashes.txt",
                   std::vector<std::uint8_t>{'j', 'u', 'n', 'k', '\n'});
    EXPECT_TRUE(game.store.KnownHashes().empty());
    seasons::Switch(game.store, game.inst.gameDir, "stock");
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == stock);

    // Rewritten with its old time of change put back, as `cp -p` or an unpacker does: the
    // file's status change still tells.
    ASSERT_TRUE(game.store.KnownHashes().contains(
        platform::FromPath(sfs::weakly_canonical(platform::ToPath(game.inst.statePath)))));
    const auto then = sfs::last_write_time(game.inst.statePath);
    WriteFileBytes(game.inst.statePath, state);
    sfs::last_write_time(game.inst.statePath, then);
    EXPECT_EQ(seasons::Switch(game.store, game.inst.gameDir, "stock").changes.size(), 1u);
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == stock);
}

TEST(Seasons, SwitchingThroughThreeSeasonsAndBackGivesEveryFileByteForByte) {
    SeasonGame game;
    std::vector<std::map<std::string, std::vector<std::uint8_t>>> kept;
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            game.Change(static_cast<std::uint8_t>(40 + i));
        seasons::Keep(game.store, game.inst.gameDir, "season " + std::to_string(i), "");
        kept.push_back(GameFiles(game.inst.gameDir));
    }
    ASSERT_EQ(kept[0].size(), seasons::SeasonFiles().size());
    for (const int target : {0, 2, 1, 0, 2}) {
        SCOPED_TRACE(target);
        const auto result =
            seasons::Switch(game.store, game.inst.gameDir, "season " + std::to_string(target));
        EXPECT_TRUE(GameFiles(game.inst.gameDir) == kept[target]);
        EXPECT_FALSE(sfs::exists(game.inst.gameDir + kCommitRecordName));
    }
    // Each switch kept the game as it was first, so going back loses nothing.
    const auto before = game.store.Get("Before switching to season 2 (2)");
    EXPECT_TRUE(seasons::DiffFiles(before, seasons::ReadGame(game.inst.gameDir)).size() == 3);
    seasons::Switch(game.store, game.inst.gameDir, before.name);
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == kept[0]);
}

TEST(Seasons, ASecondSeasonCostsOnlyTheFilesThatDiffer) {
    SeasonGame game;
    seasons::Keep(game.store, game.inst.gameDir, "first", "");
    const std::size_t first = StoredFiles(game.store);
    seasons::Keep(game.store, game.inst.gameDir, "same", "");
    EXPECT_EQ(StoredFiles(game.store), first);
    game.Change(7);
    seasons::Keep(game.store, game.inst.gameDir, "second", "");
    EXPECT_EQ(StoredFiles(game.store), first + 3);
    const auto changes =
        seasons::DiffFiles(game.store.Get("first"), seasons::ReadGame(game.inst.gameDir));
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes[0].name, "PSN.EXE");
    EXPECT_EQ(changes[1].name, "CIRCUITS/F1CT03.DAT");
    EXPECT_EQ(changes[2].name, "GAMEJAMS/LOTUS.JAM");

    // Deleting frees only what no other season names.
    game.store.Delete("second");
    EXPECT_EQ(StoredFiles(game.store), first);
    game.store.Rename("same", "renamed");
    EXPECT_FALSE(game.store.Find("same"));
    EXPECT_EQ(game.store.Get("renamed").files.size(), seasons::SeasonFiles().size());
    EXPECT_THROW(game.store.Rename("renamed", "first"), SeasonError);
    EXPECT_EQ(game.store.List().size(), 2u);
}

TEST(Seasons, ADamagedStoredFileIsNamedAndNeverWritten) {
    SeasonGame game;
    seasons::Keep(game.store, game.inst.gameDir, "first", "");
    const auto original = GameFiles(game.inst.gameDir);
    game.Change(9);
    const auto changed = GameFiles(game.inst.gameDir);
    const seasons::Season first = game.store.Get("first");
    const std::string damaged = game.store.PathOf(first.Find("CIRCUITS/F1CT03.DAT")->hash);
    auto bytes = ReadFileBytes(damaged);
    bytes[20] ^= 1;
    WriteFileBytes(damaged, bytes);
    try {
        seasons::Switch(game.store, game.inst.gameDir, "first");
        FAIL();
    } catch (const SeasonError& error) {
        EXPECT_NE(std::string(error.what()).find(damaged), std::string::npos) << error.what();
    }
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == changed);
    EXPECT_FALSE(game.store.Find("Before switching to first")) << "nothing is kept on a refusal";
    // Storing those bytes again repairs the stored copy.
    game.store.Put(original.at("CIRCUITS/F1CT03.DAT"));
    seasons::Switch(game.store, game.inst.gameDir, "first");
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == original);
}

TEST(Seasons, ASeasonOfAnotherEditionIsRefusedAndNothingChanges) {
    SeasonGame other(2);
    seasons::Keep(other.store, other.inst.gameDir, "german", "");
    SeasonGame game;
    Store store(other.store.Dir());
    const auto files = GameFiles(game.inst.gameDir);
    try {
        seasons::Switch(store, game.inst.gameDir, "german");
        FAIL();
    } catch (const SeasonError& error) {
        EXPECT_NE(std::string(error.what()).find("edition"), std::string::npos);
    }
    EXPECT_TRUE(GameFiles(game.inst.gameDir) == files);
    EXPECT_EQ(store.List().size(), 1u);
}

TEST(Seasons, ManifestsRoundTripAndHostileOnesAreRefusedWithTheirLine) {
    seasons::Season season;
    season.name = "Wet 1994";
    season.description = "Two lines\nwith a \\ back slash";
    season.kept = "2026-12-09T10:20:03Z";
    season.edition = 3;
    season.files = {{"PSN.EXE", std::string(64, 'a'), 5},
                    {"GAMEJAMS/HELMETS1.JAM", std::string(64, 'b'), 7}};
    const seasons::Season back = seasons::ParseManifest(seasons::ManifestText(season), "m");
    EXPECT_EQ(back.description, season.description);
    EXPECT_EQ(seasons::ManifestText(back), seasons::ManifestText(season));

    const std::string head = "psniaed season 1\nname x\nedition 0\n";
    const std::string exe = "file " + std::string(64, 'a') + " 5 PSN.EXE\n";
    for (const std::string& text : {
             head + exe,                 // no end
             head + exe + exe + "end\n", // a file twice
             head + exe + "file " + std::string(64, 'c') + " 5 ../PSN.EXE\nend\n",
             head + "file " + std::string(63, 'a') + "g 5 PSN.EXE\nend\n",
             "psniaed season 1\nname x\nedition 7\n" + exe + "end\n", // no such edition
             head + exe + "file " + std::string(64, 'a') + " 99999999 F1GSTATE.SAV\nend\n",
             "psniaed season 1\nname \x01\nedition 0\n" + exe + "end\n",
             head + "end\n", // no executable
         }) {
        EXPECT_THROW(seasons::ParseManifest(text, "m"), SeasonError) << text;
    }
}

// Switches the game $PSN_GAME to the season $PSN_SEASON of the store $PSN_STORE, ending this
// process abruptly at the transfer $PSN_STEP, for SwitchKilledAt below.
TEST(SeasonsChild, DISABLED_SwitchesUntilEnded) {
    Store store(test::ChildParameter("PSN_STORE"));
    auto faults = std::make_shared<TransferFaults>();
    test::EndAbruptlyAt(*faults, std::stol(test::ChildParameter("PSN_STEP")));
    seasons::Switch(store, test::ChildParameter("PSN_GAME"), test::ChildParameter("PSN_SEASON"),
                    false, faults);
    FAIL() << "the switch ended before its step";
}

// Leaves the game as a switch leaves it when its process is killed at its `step`-th transfer.
void SwitchKilledAt(const Store& store, const std::string& gameDir, const std::string& name,
                    long step) {
    const test::ChildOutcome child = test::RunChildTest("SeasonsChild.DISABLED_SwitchesUntilEnded",
                                                        {{"PSN_STORE", store.Dir()},
                                                         {"PSN_GAME", gameDir},
                                                         {"PSN_SEASON", name},
                                                         {"PSN_STEP", std::to_string(step)}});
    ASSERT_EQ(child.code, test::kEndedAbruptly) << child.out << child.err;
}

TEST(Seasons, ASwitchFailedOrKilledAtAnyStepLeavesTheGameWhollyOneSeasonOrTheOther) {
    SeasonGame game;
    seasons::Keep(game.store, game.inst.gameDir, "old", "");
    const auto oldFiles = GameFiles(game.inst.gameDir);
    game.Change(5);
    seasons::Keep(game.store, game.inst.gameDir, "new", "");
    const auto newFiles = GameFiles(game.inst.gameDir);
    // The backups are made by the first switch; every run after it takes the same steps.
    const auto restore = [&] {
        for (const auto& [name, bytes] : oldFiles)
            WriteFileBytes(fs::ResolveCase(game.inst.gameDir + name), bytes);
    };
    restore();
    seasons::Switch(game.store, game.inst.gameDir, "new");
    restore();
    auto counting = std::make_shared<TransferFaults>();
    seasons::Switch(game.store, game.inst.gameDir, "new", false, counting);
    ASSERT_TRUE(GameFiles(game.inst.gameDir) == newFiles);
    const long steps = counting->count;
    ASSERT_GT(steps, 10);
#ifdef _WIN32
    // A process start and a switch cost about a second each under Windows: kills at every other
    // step and the last there keep the suite quick; Linux kills at every step.
    const auto killedAt = [&](long n) { return n % 2 == 1 || n == steps; };
#else
    const auto killedAt = [](long) { return true; };
#endif
    int interrupted = 0;
    for (long n = 1; n <= steps; ++n) {
        SCOPED_TRACE(n);
        restore();
        auto faults = std::make_shared<TransferFaults>();
        faults->failAt = n;
        try {
            seasons::Switch(game.store, game.inst.gameDir, "new", false, faults);
        } catch (const FileAccessError&) {
        } catch (const SeasonError&) {
        }
        const auto failed = GameFiles(game.inst.gameDir);
        EXPECT_TRUE(failed == oldFiles || failed == newFiles);
        if (!killedAt(n))
            continue;
        restore();
        SwitchKilledAt(game.store, game.inst.gameDir, "new", n);
        // The next command completes or undoes what the killed one left.
        interrupted += sfs::exists(game.inst.gameDir + kCommitRecordName);
        seasons::Switch(game.store, game.inst.gameDir, "new", true);
        const auto killed = GameFiles(game.inst.gameDir);
        EXPECT_TRUE(killed == oldFiles || killed == newFiles);
    }
    EXPECT_GT(interrupted, 3) << "the kills never met a commit under way";
}

// The helmet archive is the converter's file, but a switch writes it: the recovery of a switch
// killed half way must take the commit record that names it.
TEST(Seasons, ASwitchOfTheHelmetsKilledHalfWayIsCompletedOrUndone) {
    SeasonGame game;
    seasons::Keep(game.store, game.inst.gameDir, "old", "");
    const auto oldFiles = GameFiles(game.inst.gameDir);
    auto helmets = ReadFileBytes(game.inst.JamPath("HELMETS1.JAM"));
    ASSERT_GT(helmets.size(), 100u);
    helmets[60] ^= 0xFF;
    WriteFileBytes(game.inst.JamPath("HELMETS1.JAM"), helmets);
    seasons::Keep(game.store, game.inst.gameDir, "new", "");
    const auto newFiles = GameFiles(game.inst.gameDir);
    int recorded = 0;
    for (int n = 1; n <= 12; ++n) {
        SCOPED_TRACE(n);
        seasons::Switch(game.store, game.inst.gameDir, "old");
        SwitchKilledAt(game.store, game.inst.gameDir, "new", n);
        recorded += sfs::exists(game.inst.gameDir + kCommitRecordName);
        EXPECT_NO_THROW(seasons::Switch(game.store, game.inst.gameDir, "new", true));
        const auto files = GameFiles(game.inst.gameDir);
        EXPECT_TRUE(files == oldFiles || files == newFiles);
    }
    EXPECT_GT(recorded, 0);
}

} // namespace
} // namespace psn
