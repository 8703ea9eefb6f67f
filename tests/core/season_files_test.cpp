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
    // A folder named beyond ASCII, read whatever the locale (psnedit's is "C").
    const auto zip = test::MakeZip({{"Saison Müller/", {}, S_IFDIR | 0755},
                                    {"Saison Müller/settings/Season.gia", settings},
                                    {"Saison Müller/tracks/f1ct05.dat", track},
                                    {"Saison Müller/liesmich.txt", {'h', 'i'}}});
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
    EXPECT_NE(result.leftOut[0].find("Saison Müller/liesmich.txt"), std::string::npos)
        << result.leftOut[0];
    EXPECT_TRUE(Tree(inst.gameDir) == gameBefore);
    const auto changes = seasons::DiffFiles(result.season, seasons::ReadGame(inst.gameDir));
    ASSERT_EQ(changes.size(), 1u) << "the track file is the game's own, the exe changed";
    EXPECT_EQ(changes[0].name, "PSN.EXE");
}

// Players' 7z packs are mostly LZMA or LZMA2 (7-Zip's defaults): each of these holds
// Pack/Season.gia, 2846 bytes of zeros but 1 first and 2 last, and Pack/readme.txt.
TEST(SeasonImport, SevenZipPacksCompressedWithLzmaAreRead) {
    const std::vector<std::vector<std::uint8_t>> packs = {
        {
            0x37, 0x7a, 0xbc, 0xaf, 0x27, 0x1c, 0x00, 0x03, 0xfd, 0x04, 0x18, 0x7f, 0x90, 0x00,
            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x21, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
            0x74, 0x9b, 0xad, 0x40, 0x00, 0x00, 0x80, 0x41, 0x48, 0x01, 0x8c, 0x2e, 0xbc, 0x50,
            0xa1, 0x33, 0x87, 0x4b, 0xd4, 0x02, 0x14, 0xb5, 0xef, 0xa2, 0xd1, 0x13, 0xf0, 0x1e,
            0xd6, 0x97, 0xff, 0xff, 0xf2, 0x56, 0x00, 0x00, 0x00, 0x00, 0x81, 0x33, 0x07, 0xae,
            0x0f, 0xd0, 0x0e, 0xb0, 0x3c, 0x9f, 0x3f, 0x47, 0x41, 0x67, 0x37, 0xd6, 0x76, 0xe6,
            0x5e, 0xee, 0xea, 0x04, 0xe9, 0xfb, 0x51, 0x71, 0x81, 0x2a, 0xcd, 0x4f, 0xd3, 0xe4,
            0x78, 0x56, 0x9b, 0x66, 0xd9, 0x93, 0xb3, 0x51, 0x90, 0x8b, 0x19, 0xdd, 0xd3, 0x63,
            0x0f, 0xb4, 0x2a, 0x72, 0xf5, 0x28, 0xb7, 0x40, 0x8e, 0xf8, 0x7e, 0x2e, 0x4e, 0x6e,
            0x74, 0x87, 0xbe, 0x42, 0xf8, 0xb0, 0x1c, 0xff, 0x22, 0x1c, 0x63, 0x70, 0xb5, 0x66,
            0x04, 0x81, 0x89, 0x2e, 0x52, 0x29, 0x1a, 0x4d, 0x66, 0x48, 0xe2, 0xc7, 0xc0, 0x8b,
            0x05, 0xa1, 0x03, 0xba, 0x20, 0x22, 0x2b, 0x6d, 0xe9, 0x77, 0x4c, 0x71, 0x19, 0xfd,
            0xb3, 0x7e, 0xff, 0xff, 0xfd, 0x82, 0x60, 0x00, 0x17, 0x06, 0x20, 0x01, 0x09, 0x70,
            0x00, 0x07, 0x0b, 0x01, 0x00, 0x01, 0x23, 0x03, 0x01, 0x01, 0x05, 0x5d, 0x00, 0x00,
            0x80, 0x00, 0x0c, 0x80, 0x80, 0x0a, 0x01, 0xe4, 0x0b, 0x0c, 0x3b, 0x00, 0x00,
        },
        {
            0x37, 0x7a, 0xbc, 0xaf, 0x27, 0x1c, 0x00, 0x03, 0x47, 0x3a, 0x20, 0xbb, 0x8c, 0x00,
            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x1a, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
            0x4e, 0x71, 0x13, 0x27, 0xe0, 0x0b, 0x1f, 0x00, 0x1a, 0x5d, 0x00, 0x00, 0x80, 0x41,
            0x48, 0x01, 0x8c, 0x2e, 0xbc, 0x50, 0xa1, 0x33, 0x87, 0x4b, 0xd4, 0x02, 0x14, 0xb5,
            0xef, 0xa2, 0xd1, 0x13, 0xef, 0xff, 0xf4, 0x00, 0x00, 0x00, 0xe0, 0x00, 0x79, 0x00,
            0x62, 0x5d, 0x00, 0x00, 0x81, 0x33, 0x07, 0xae, 0x0f, 0xd0, 0x2c, 0xf4, 0xbc, 0x9f,
            0x3f, 0x47, 0x41, 0x06, 0xfe, 0xc9, 0x43, 0x49, 0xd9, 0x60, 0x42, 0x1c, 0x6d, 0x38,
            0x06, 0xf5, 0x93, 0x57, 0x1a, 0x56, 0x1b, 0x9f, 0x48, 0x6c, 0x65, 0x28, 0x07, 0xe9,
            0x26, 0x11, 0xa1, 0x2c, 0xdb, 0xa6, 0xa8, 0x25, 0xd5, 0x7c, 0x5b, 0x61, 0xfb, 0xf7,
            0x71, 0x67, 0x65, 0x61, 0x45, 0x0e, 0x99, 0xe6, 0xaa, 0x43, 0x99, 0x42, 0xa8, 0xc7,
            0xff, 0xd0, 0x3e, 0x6f, 0xdf, 0x5e, 0x6e, 0xb8, 0x97, 0x19, 0xf0, 0x75, 0x44, 0xf3,
            0x52, 0xc9, 0x1a, 0xfd, 0x6f, 0x9b, 0xc1, 0xe8, 0xa7, 0xcf, 0x92, 0xf9, 0xf6, 0x2c,
            0x0a, 0x68, 0x00, 0x00, 0x17, 0x06, 0x22, 0x01, 0x09, 0x6a, 0x00, 0x07, 0x0b, 0x01,
            0x00, 0x01, 0x21, 0x21, 0x01, 0x16, 0x0c, 0x7a, 0x0a, 0x01, 0x42, 0x41, 0x1a, 0x14,
            0x00, 0x00,
        }};
    test::TempDir dir;
    const auto inst = Install(dir);
    seasons::Store store(dir.str() + "/store");
    std::vector<std::uint8_t> settings(seasons::kSettingsFileSize);
    settings.front() = 1;
    settings.back() = 2;
    for (const auto& pack : packs) {
        seasons::ImportOptions how;
        how.source = "pack.7z";
        how.game = [&] { return inst.gameDir; };
        std::size_t applied = 0;
        how.applySettings = [&](const seasons::Files& files, std::span<const std::uint8_t> bytes) {
            ++applied;
            EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), settings);
            return files;
        };
        const auto result = seasons::ImportSeason(store, pack, how);
        EXPECT_EQ(applied, 1u);
        ASSERT_EQ(result.leftOut.size(), 1u);
        EXPECT_NE(result.leftOut[0].find("Pack/readme.txt"), std::string::npos);
    }
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
    // append: GCC 12 at -O3 warns falsely (-Wrestrict) about "e" + a string.
    for (std::size_t i = 0; i <= seasons::kMaxEntries; ++i)
        many.push_back({std::string("e").append(std::to_string(i)), {}});
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
