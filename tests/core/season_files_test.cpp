// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/record.h"
#include "core/sha256.h"
#include "seasons/season_archive.h"
#include "seasons/season_store.h"
#include "support/psnedit_run.h"
#include "support/zip_maker.h"
#include "tools/samplegame/sample_game.h"
#include "tools/samplegame/sample_images.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

namespace sfs = std::filesystem;
using test::Install;
using test::Psnedit;
using test::ReadFileBytes;
using test::WriteFileBytes;

std::map<std::string, std::vector<std::uint8_t>> GameFiles(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const std::string& name : seasons::SeasonFiles())
        if (const std::string path = fs::ResolveCase(dir + name); sfs::exists(path))
            files[name] = ReadFileBytes(path);
    return files;
}

// Everything under a folder, by relative path and bytes.
[[maybe_unused]] std::map<std::string, std::vector<std::uint8_t>> Tree(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    if (sfs::exists(dir))
        for (const auto& entry : sfs::recursive_directory_iterator(dir))
            if (entry.is_regular_file() && entry.path().filename() != kGameLockName)
                files[sfs::relative(entry.path(), dir).string()] =
                    ReadFileBytes(entry.path().string());
    return files;
}

// Raises the engine power of team 1 through psnedit, as a player's edits would.
void EditPower(const test::TempDir& dir, const sample::Installation& inst, std::uint16_t hp) {
    const std::string gia = dir.str() + "/edit.GIA";
    ASSERT_EQ(Psnedit({"save", inst.gameDir, gia}).code, cli::kSuccess);
    auto bytes = ReadFileBytes(gia);
    bytes[rec::EnginePowerQual(1)] = static_cast<std::uint8_t>(hp);
    bytes[rec::EnginePowerQual(1) + 1] = static_cast<std::uint8_t>(hp >> 8);
    WriteFileBytes(gia, bytes);
    ASSERT_EQ(Psnedit({"apply", gia, inst.gameDir}).code, cli::kSuccess);
}

TEST(PsneditSeason, KeepsDiffsSwitchesRenamesAndDeletesInTheUsersStore) {
    test::TempDir dir;
    const test::UserFolderAt data(dir.str() + "/home", dir.str() + "/user");
    const auto inst = Install(dir);
    ASSERT_EQ(
        Psnedit({"season", "keep", inst.gameDir, "stock", "--description", "as shipped"}).code,
        cli::kSuccess);
    const auto stock = GameFiles(inst.gameDir);
    EditPower(dir, inst, 1234);
    ASSERT_EQ(Psnedit({"season", "keep", inst.gameDir, "fast"}).code, cli::kSuccess);
    EXPECT_TRUE(sfs::exists(dir.str() + "/user/psniaed/seasons/seasons"));

    const auto diff = Psnedit({"season", "diff", inst.gameDir, "stock"});
    EXPECT_EQ(diff.code, cli::kDifferent) << diff.err;
    EXPECT_NE(diff.out.find("PSN.EXE: changed"), std::string::npos) << diff.out;
    EXPECT_NE(diff.out.find("1234"), std::string::npos) << "the field that differs: " << diff.out;
    EXPECT_EQ(Psnedit({"season", "diff", inst.gameDir, "fast"}).code, cli::kSuccess);

    const auto dry = Psnedit({"season", "switch", inst.gameDir, "stock", "--dry-run"});
    EXPECT_EQ(dry.code, cli::kSuccess);
    EXPECT_NE(GameFiles(inst.gameDir), stock);
    const auto switched = Psnedit({"season", "switch", inst.gameDir, "stock"});
    ASSERT_EQ(switched.code, cli::kSuccess) << switched.err;
    EXPECT_TRUE(GameFiles(inst.gameDir) == stock);

    const auto list = Psnedit({"season", "list", "--json"});
    EXPECT_EQ(list.code, cli::kSuccess);
    EXPECT_NE(list.out.find("\"Before switching to stock\""), std::string::npos) << list.out;
    EXPECT_NE(list.out.find("\"as shipped\""), std::string::npos) << list.out;

    // Refusals and bad input change nothing.
    EXPECT_EQ(Psnedit({"season", "switch", inst.gameDir, "nothing"}).code, cli::kBadInput);
    EXPECT_EQ(Psnedit({"season", "keep", inst.gameDir, "fast"}).code, cli::kBadInput);
    EXPECT_EQ(Psnedit({"season", "keep", inst.gameDir, "a\nb"}).code, cli::kBadInput);
    EXPECT_EQ(Psnedit({"season", "frobnicate"}).code, cli::kBadInput);
    const test::TempDir other;
    const auto german = Install(other, 2);
    EXPECT_EQ(Psnedit({"season", "switch", german.gameDir, "fast"}).code, cli::kGameFailure);

    EXPECT_EQ(Psnedit({"season", "rename", "fast", "quick"}).code, cli::kSuccess);
    EXPECT_EQ(Psnedit({"season", "delete", "quick"}).code, cli::kSuccess);
    EXPECT_EQ(Psnedit({"season", "delete", "quick"}).code, cli::kBadInput);
    const auto left = Psnedit({"season", "list"});
    EXPECT_EQ(left.out.find("quick"), std::string::npos);
    EXPECT_NE(left.out.find("stock\t0\t"), std::string::npos) << left.out;
}

// Season files need the archive library, which a build may leave out.
#ifdef PSN_SEASON_FILES
TEST(PsneditSeason, AnExportedSeasonImportedByAnotherUserSwitchesToTheSameBytes) {
    test::TempDir dir;
    const auto inst = Install(dir);
    const auto stock = GameFiles(inst.gameDir);
    EditPower(dir, inst, 999);
    const auto fast = GameFiles(inst.gameDir);
    const std::string file = dir.str() + "/fast.psnseason";
    {
        const test::UserFolderAt data(dir.str() + "/home", dir.str() + "/one");
        ASSERT_EQ(Psnedit({"season", "keep", inst.gameDir, "fast"}).code, cli::kSuccess);
        ASSERT_EQ(Psnedit({"season", "export", "fast", file}).code, cli::kSuccess);
    }
    for (const auto& [name, bytes] : stock)
        WriteFileBytes(fs::ResolveCase(inst.gameDir + name), bytes);
    const test::UserFolderAt data(dir.str() + "/home", dir.str() + "/two");
    const auto before = GameFiles(inst.gameDir);
    const auto imported = Psnedit({"season", "import", file});
    ASSERT_EQ(imported.code, cli::kSuccess) << imported.err;
    EXPECT_TRUE(GameFiles(inst.gameDir) == before) << "importing never touches the game";
    ASSERT_EQ(Psnedit({"season", "switch", inst.gameDir, "fast"}).code, cli::kSuccess);
    EXPECT_TRUE(GameFiles(inst.gameDir) == fast);
}

// The sample game's second season, as a player gets it: a pack of loose files in folders of its
// own, with a settings file of other names.
TEST(PsneditSeason, TheSampleSeasonPackSwitchesInAndOutByteForByte) {
    test::TempDir dir;
    const test::UserFolderAt data(dir.str() + "/home", dir.str() + "/user");
    sample::Options options;
    options.gameDir = dir.str() + "/game/";
    const auto inst = sample::MakeInstallation(options); // with the pictures the pack replaces
    const std::string pack = dir.str() + "/nightfall.zip";
    WriteFileBytes(pack, sample::SeasonPack(0));
    const auto stock = GameFiles(inst.gameDir);
    ASSERT_EQ(Psnedit({"season", "keep", inst.gameDir, "sample"}).code, cli::kSuccess);
    const auto imported = Psnedit({"season", "import", pack, "nightfall", "--game", inst.gameDir});
    ASSERT_EQ(imported.code, cli::kSuccess) << imported.err;
    EXPECT_NE(imported.err.find("README-SAMPLE.TXT"), std::string::npos) << imported.err;
    EXPECT_TRUE(GameFiles(inst.gameDir) == stock) << "importing never touches the game";

    const auto in = Psnedit({"season", "switch", inst.gameDir, "nightfall"});
    ASSERT_EQ(in.code, cli::kSuccess) << in.err;
    const auto nightfall = GameFiles(inst.gameDir);
    EXPECT_TRUE(nightfall.at("GAMEJAMS/HELMETS1.JAM") ==
                sample::JamArchive(sample::HelmetSheet(1)));
    EXPECT_TRUE(nightfall.at("GAMEJAMS/" + sample::CarArchiveNames()[2]) ==
                sample::JamArchive(sample::Livery(3, 1)));
    for (const char* changed : {"PSN.EXE", "F1GSTATE.SAV", "BITMAPS/CPITHI.PCX"})
        EXPECT_FALSE(nightfall.at(changed) == stock.at(changed)) << changed;
    EXPECT_TRUE(nightfall.at("CIRCUITS/F1CT01.DAT") == stock.at("CIRCUITS/F1CT01.DAT"));
    const std::string gia = dir.str() + "/now.GIA";
    ASSERT_EQ(Psnedit({"save", inst.gameDir, gia}).code, cli::kSuccess);
    const auto names = ReadFileBytes(gia);
    const auto wanted = sample::SeasonPackSettings(0).bytes();
    for (const std::size_t at : {rec::TeamName(1), rec::DriverName(40)})
        EXPECT_TRUE(
            std::equal(names.begin() + at, names.begin() + at + 1 + names[at], wanted.begin() + at))
            << "the pack's names are the game's now, at record byte " << at;

    ASSERT_EQ(Psnedit({"season", "switch", inst.gameDir, "sample"}).code, cli::kSuccess);
    EXPECT_TRUE(GameFiles(inst.gameDir) == stock);
    ASSERT_EQ(Psnedit({"season", "switch", inst.gameDir, "Before switching to sample"}).code,
              cli::kSuccess);
    EXPECT_TRUE(GameFiles(inst.gameDir) == nightfall);
}

// A pack of loose files: what it holds replaces the game's, a settings file is written into the
// files as "Export all data" would, the rest comes from the game, and unknown entries are left
// out.
TEST(SeasonImport, APackTakesWhatItLacksFromTheGameAndAppliesItsSettingsFile) {
    test::TempDir dir;
    const auto inst = Install(dir);
    seasons::Store store(dir.str() + "/store");
    const std::string gia = dir.str() + "/pack.GIA";
    ASSERT_EQ(Psnedit({"save", inst.gameDir, gia}).code, cli::kSuccess);
    auto settings = ReadFileBytes(gia);
    settings[rec::EnginePowerQual(2)] = 0x40;
    auto track = ReadFileBytes(inst.TrackPath(5));
    const auto zip = test::MakeZip({{"My Pack/", {}, S_IFDIR | 0755},
                                    {"My Pack/settings/Season.gia", settings},
                                    {"My Pack/tracks/f1ct05.dat", track},
                                    {"My Pack/readme.txt", {'h', 'i'}}});
    const auto gameBefore = Tree(inst.gameDir);
    seasons::ImportOptions how;
    how.source = "pack.zip";
    how.game = [&] { return inst.gameDir; };
    std::size_t applied = 0;
    how.applySettings = [&](const seasons::Files& files, std::span<const std::uint8_t> bytes) {
        ++applied;
        EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), settings);
        auto changed = files;
        changed["PSN.EXE"][7] ^= 1;
        return changed;
    };
    const auto result = seasons::ImportSeason(store, zip, how);
    EXPECT_EQ(applied, 1u);
    EXPECT_EQ(result.season.name, "pack");
    EXPECT_EQ(result.fromPack, std::vector<std::string>{"CIRCUITS/F1CT05.DAT"});
    ASSERT_EQ(result.leftOut.size(), 1u);
    EXPECT_NE(result.leftOut[0].find("readme.txt"), std::string::npos);
    EXPECT_TRUE(Tree(inst.gameDir) == gameBefore);
    const auto changes = seasons::DiffFiles(result.season, seasons::ReadGame(inst.gameDir));
    ASSERT_EQ(changes.size(), 1u) << "the track file is the game's own, the exe changed";
    EXPECT_EQ(changes[0].name, "PSN.EXE");
}

TEST(SeasonImport, HostileArchivesAreRefusedNamingTheEntryWithNothingStored) {
    test::TempDir dir;
    const auto inst = Install(dir);
    seasons::Store store(dir.str() + "/store");
    seasons::KeepSnapshot(store, seasons::ReadGame(inst.gameDir), "good", "");
    const std::vector<std::uint8_t> good = seasons::WriteSeasonFile(store, store.Get("good"));
    const auto track = ReadFileBytes(inst.TrackPath(1));
    const auto manifest = [&](const std::string& edition, const std::string& hash) {
        const std::string text = "psniaed season 1\nname bad\nedition " + edition +
                                 "\nkept x\ndescription \nfile " + hash + " " +
                                 std::to_string(track.size()) + " PSN.EXE\nend\n";
        return std::vector<std::uint8_t>(text.begin(), text.end());
    };
    const std::string trackHash = Sha256Hex(track);
    std::vector<test::ZipEntry> many;
    for (std::size_t i = 0; i <= seasons::kMaxEntries; ++i)
        many.push_back({"e" + std::to_string(i), {}});
    struct Case {
        const char* what;
        std::vector<std::uint8_t> archive;
        std::string named; // what the message must name
    };
    const std::vector<Case> cases = {
        {"dot dot", test::MakeZip({{"a/../../F1CT01.DAT", track}}), "a/../../F1CT01.DAT"},
        {"absolute", test::MakeZip({{"/tmp/F1CT01.DAT", track}}), "/tmp/F1CT01.DAT"},
        {"drive", test::MakeZip({{"C:F1CT01.DAT", track}}), "C:F1CT01.DAT"},
        {"backslash", test::MakeZip({{"..\\F1CT01.DAT", track}}), "F1CT01.DAT"},
        {"link", test::MakeZip({{"F1CT01.DAT", {'/', 'e', 't', 'c'}, S_IFLNK | 0777}}),
         "F1CT01.DAT"},
        {"device", test::MakeZip({{"F1CT02.DAT", {}, S_IFCHR | 0644}}), "F1CT02.DAT"},
        {"twice", test::MakeZip({{"F1CT01.DAT", track}, {"f1ct01.dat", track}}), "f1ct01.dat"},
        {"twice in two folders", test::MakeZip({{"a/F1CT01.DAT", track}, {"b/F1CT01.DAT", track}}),
         "b/F1CT01.DAT"},
        {"too large", test::MakeZip({{"LOTUS.JAM", std::vector<std::uint8_t>((16u << 20) + 1)}}),
         "LOTUS.JAM"},
        {"not a track file", test::MakeZip({{"F1CT03.DAT", {1, 2, 3}}}), "F1CT03.DAT"},
        {"hash mismatch",
         test::MakeZip({{seasons::kManifestEntry, manifest("0", std::string(64, 'a'))},
                        {"game/PSN.EXE", track}}),
         "game/PSN.EXE"},
        {"unknown edition",
         test::MakeZip(
             {{seasons::kManifestEntry, manifest("9", trackHash)}, {"game/PSN.EXE", track}}),
         "edition"},
        {"truncated", std::vector<std::uint8_t>(good.begin(), good.begin() + good.size() / 2),
         "season.zip"},
        {"no archive", {'n', 'o', 'p', 'e'}, "season.zip"},
        {"too many entries", test::MakeZip(many), "e4096"},
    };
    const auto storeBefore = Tree(store.Dir());
    const auto gameBefore = Tree(inst.gameDir);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        seasons::ImportOptions how;
        how.source = "season.zip";
        how.game = [&] { return inst.gameDir; };
        try {
            seasons::ImportSeason(store, c.archive, how);
            ADD_FAILURE() << "imported";
        } catch (const seasons::SeasonError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
        EXPECT_TRUE(Tree(store.Dir()) == storeBefore);
    }
    EXPECT_TRUE(Tree(inst.gameDir) == gameBefore);
    // The good one goes in under a free name.
    seasons::ImportOptions how;
    how.source = "good.psnseason";
    EXPECT_EQ(seasons::ImportSeason(store, good, how).season.name, "good (2)");
}

#else
// Without the archive library, export and import are refused with a message, nothing stored, and
// the rest of the seasons works.
TEST(PsneditSeason, WithoutTheArchiveLibraryExportAndImportAreRefusedSayingWhy) {
    test::TempDir dir;
    const test::UserFolderAt data(dir.str() + "/home", dir.str() + "/user");
    const auto inst = Install(dir);
    ASSERT_EQ(Psnedit({"season", "keep", inst.gameDir, "stock"}).code, cli::kSuccess);
    const std::string file = dir.str() + "/stock.psnseason";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"season", "export", "stock", file},
          std::vector<std::string>{"season", "import", file}}) {
        const auto run = Psnedit(command);
        EXPECT_EQ(run.code, cli::kBadInput);
        EXPECT_NE(run.err.find("libarchive"), std::string::npos) << run.err;
    }
    EXPECT_FALSE(sfs::exists(file));
    EXPECT_EQ(Psnedit({"season", "switch", inst.gameDir, "stock"}).code, cli::kSuccess);
}
#endif

} // namespace
} // namespace psn
