// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/converter.h"
#include "core/int_conv.h"
#include "core/palette.h"
#include "core/settings_files.h"
#include "support/scratch_game.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace psn {
namespace {

using test::ReadFileBytes;
using test::ScratchGame;
using test::TempDir;
using test::WriteFileBytes;

std::vector<std::uint8_t> Pattern(std::size_t size, int seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + static_cast<std::size_t>(seed)) ^ (i >> 5));
    return bytes;
}

TEST(SettingsFile, RoundTripIsByteForByte) {
    ScratchGame game;
    auto& bytes = game.state.record.bytes();
    const auto pattern = Pattern(bytes.size(), 3);
    std::copy(pattern.begin(), pattern.end(), bytes.begin());
    EXPECT_EQ(WriteSettingsFile(game.state).status, FileResult::Status::NoFileName);
    SetCurrentSettingsFile(game.state, "race.GIA");
    ASSERT_TRUE(WriteSettingsFile(game.state).Ok());
    EXPECT_EQ(ReadFileBytes(game.editorDir + "/race.GIA"), pattern);
    game.state.record = SettingsRecord{};
    ASSERT_TRUE(ReadSettingsFile(game.state).Ok());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), pattern);
}

TEST(SettingsFile, ShortOrLongFileLeavesTheRecordAsItWas) {
    ScratchGame game;
    game.state.record.setU8(100, 42);
    const auto before = game.state.record;
    for (const std::size_t size : {std::size_t{2845}, std::size_t{2847}, std::size_t{3000}}) {
        const std::string name = "size" + std::to_string(size) + ".GIA";
        WriteFileBytes(game.editorDir + "/" + name, Pattern(size, 1));
        SetCurrentSettingsFile(game.state, name);
        const FileResult result = ReadSettingsFile(game.state);
        EXPECT_EQ(result.status, FileResult::Status::Failed) << size;
        EXPECT_NE(result.message.find(name), std::string::npos) << result.message;
        EXPECT_EQ(game.state.record, before) << size;
    }
}

// Loading needs no write access; saving over a read-only file is refused and leaves it whole.
TEST(SettingsFile, MissingFileIsNotOpenedAndReadOnlyFileLoadsButIsNotOverwritten) {
    ScratchGame game;
    SetCurrentSettingsFile(game.state, "missing.GIA");
    const FileResult missing = ReadSettingsFile(game.state);
    EXPECT_EQ(missing.status, FileResult::Status::NotOpened);
    EXPECT_NE(missing.message.find("missing.GIA"), std::string::npos) << missing.message;
    const std::string locked = game.editorDir + "/locked.GIA";
    WriteFileBytes(locked, Pattern(2846, 5));
    ::chmod(locked.c_str(), 0444);
    SetCurrentSettingsFile(game.state, "locked.GIA");
    ASSERT_TRUE(ReadSettingsFile(game.state).Ok());
    EXPECT_EQ(game.state.record.u8(7), Pattern(2846, 5)[7]);
    EXPECT_TRUE(game.state.trackEntryKnown[15]) << "loaded track entries count as known";
    game.state.record.setU8(5, 1);
    EXPECT_EQ(WriteSettingsFile(game.state).status, FileResult::Status::NotOpened);
    EXPECT_EQ(ReadFileBytes(locked), Pattern(2846, 5));
}

TEST(SettingsFile, RestoreOriginalMakesOriginSetCurrent) {
    ScratchGame game;
    WriteFileBytes(game.editorDir + "/DATA/ORIGIN.SET", Pattern(2846, 9));
    ASSERT_TRUE(RestoreOriginal(game.state).Ok());
    EXPECT_EQ(game.state.currentSettingsFile, "./DATA/ORIGIN.SET");
    EXPECT_TRUE(IsOriginalSettingsFile(game.state, game.state.currentSettingsFile));
    EXPECT_TRUE(IsOriginalSettingsFile(game.state, game.editorDir + "/DATA/ORIGIN.SET"));
    EXPECT_FALSE(IsOriginalSettingsFile(game.state, "DATA/OTHER.GIA"));
    EXPECT_EQ(game.state.record.u8(7), Pattern(2846, 9)[7]);
}

TEST(SettingsFile, SnapshotWithoutTrackEntriesIsCompletedOnceByTheFirstTrackRead) {
    ScratchGame game;
    game.state.record.setU8(rec::kTrackEntries, 11);
    game.state.record.setU8(10, 1);
    ASSERT_TRUE(WriteOriginalSnapshot(game.state, false).Ok());
    EXPECT_TRUE(OriginalTracksPending(game.state));

    // Later in the run the user changes other values, then the track block is read, in two reads;
    // the record's track entries are the user's edits by then.
    game.state.record.setU8(10, 2);
    game.state.record.setU8(rec::kTrackEntries, 55);
    auto& read = game.state.trackEntryFirstRead;
    for (std::size_t t = 0; t + 1 < read.size(); ++t)
        read[t].emplace().fill(t == 0 ? 77 : 5);
    ASSERT_TRUE(CompleteOriginalTracks(game.state).Ok());
    EXPECT_TRUE(OriginalTracksPending(game.state)) << "one track entry is still to be read";
    read.back().emplace().fill(78);
    ASSERT_TRUE(CompleteOriginalTracks(game.state).Ok());
    EXPECT_FALSE(OriginalTracksPending(game.state));
    auto snapshot = ReadFileBytes(game.editorDir + "/DATA/ORIGIN.SET");
    EXPECT_EQ(snapshot[10], 1) << "only the track entries are taken from the later read";
    EXPECT_EQ(snapshot[rec::kTrackEntries], 77);
    EXPECT_EQ(snapshot[rec::kTrackEntriesEnd - 1], 78);

    read.front()->fill(99);
    ASSERT_TRUE(CompleteOriginalTracks(game.state).Ok());
    snapshot = ReadFileBytes(game.editorDir + "/DATA/ORIGIN.SET");
    EXPECT_EQ(snapshot[rec::kTrackEntries], 77) << "completed once";
}

TEST(Config, RecordIsWrittenByteForByteAndGameLocationCutsAfterTheLastSeparator) {
    ScratchGame game;
    game.state.config = ConfigRecord{};
    SetGameLocation(game.state.config, "/games/psn/PSN.EXE");
    game.state.config.SetExePath("/games/psn/PSN.EXE");
    game.state.config.SetEdition(6);
    ASSERT_TRUE(WriteConfig(game.state).Ok());
    const auto bytes = ReadFileBytes(game.editorDir + "/psniaed.set");
    ASSERT_EQ(bytes.size(), 515u);
    EXPECT_EQ(bytes[0], 11);
    EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 12), "/games/psn/");
    EXPECT_EQ(bytes[256], 18);
    EXPECT_EQ(bytes[512], 6);
    EXPECT_EQ(bytes[513], 1);
    EXPECT_EQ(bytes[514], 1);

    AppState other;
    other.startDir = game.editorDir;
    ASSERT_TRUE(ReadConfig(other));
    EXPECT_EQ(other.config.Bytes(), game.state.config.Bytes());

    struct Case {
        const char* path;
        const char* dir;
    };
    for (const Case c : {Case{"C:\\PSN\\PSN.EXE", "C:\\PSN\\"}, Case{"D:PSN.EXE", "D:"},
                         Case{"/a\\b/PSN.EXE", "/a\\b/"}, Case{"PSN.EXE", ""}}) {
        ConfigRecord config;
        config.SetNamesSource(0);
        SetGameLocation(config, c.path);
        EXPECT_EQ(config.GameDir(), c.dir) << c.path;
        EXPECT_EQ(config.NamesSource(), 1);
        EXPECT_EQ(config.CockpitSource(), 1);
    }
    ConfigRecord config;
    SetGameLocation(config, "/" + std::string(300, 'x') + "/PSN.EXE");
    EXPECT_EQ(config.GameDir().size(), 255u);
}

TEST(Checksum, WorkedExampleAndBounds) {
    TempDir dir;
    const std::string path = dir.str() + "/F1GSTATE.SAV";
    WriteFileBytes(path, {1, 2, 3, 0xAA, 0xBB, 0xCC, 0xDD});
    ASSERT_TRUE(UpdateFileChecksum(path));
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{1, 2, 3, 6, 0, 0x53, 0}));

    WriteFileBytes(path, {9, 9, 9, 9});
    ASSERT_TRUE(UpdateFileChecksum(path));
    EXPECT_EQ(ReadFileBytes(path), (std::vector<std::uint8_t>{0, 0, 0, 0}));

    // High bytes add as unsigned values; the rotation wraps within 16 bits.
    const auto sums = ComputeChecksum(std::vector<std::uint8_t>{0xFF, 0x80, 0, 0, 0, 0});
    EXPECT_EQ(sums.byteSum, 0x17F);
    EXPECT_EQ(sums.rotatingSum, 0xFF * 8 + 0x80);

    // Only the first 80001 bytes are read: the sums cover the first 79997.
    auto big = Pattern(100000, 4);
    WriteFileBytes(path, big);
    ASSERT_TRUE(UpdateFileChecksum(path));
    const auto expected = ComputeChecksum(std::span(big.data(), kChecksumReadLimit));
    const auto after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), big.size());
    EXPECT_TRUE(std::equal(after.begin(), after.end() - 4, big.begin()));
    EXPECT_EQ(after[99996] | (after[99997] << 8), expected.byteSum);
    EXPECT_EQ(after[99998] | (after[99999] << 8), expected.rotatingSum);
    EXPECT_FALSE(UpdateFileChecksum(dir.str() + "/missing"));
}

TEST(Palette, FillsTheEntriesTheFileHoldsInColourTableOrder) {
    std::vector<std::uint8_t> file(kPaletteHeaderSize, 0xEE);
    for (int i = 0; i < 300; ++i)
        file.insert(file.end(), {static_cast<std::uint8_t>(i), 2, 3, 0x77});
    auto palette = ParsePalette(file);
    EXPECT_EQ(palette[0], (PaletteEntry{3, 2, 0, 0}));
    EXPECT_EQ(palette[255], (PaletteEntry{3, 2, 255, 0}));
    file.resize(kPaletteHeaderSize + 4 * 10 + 2);
    palette = ParsePalette(file);
    EXPECT_EQ(palette[9].red, 9);
    EXPECT_EQ(palette[10], PaletteEntry{});
    EXPECT_EQ(LoadGamePalette("/nonexistent/PSN.PAL")[0], PaletteEntry{});
}

TEST(IntegerConversion, FollowsTheRuntimeRules) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> value;
    };
    for (const Case c :
         {Case{"42", 42}, Case{"  -17", -17}, Case{"+5", 5}, Case{"$1F", 31}, Case{"-$10", -16},
          Case{"2147483647", 2147483647}, Case{"-2147483648", INT32_MIN}, Case{"$FFFFFFFF", -1},
          Case{"2147483648", std::nullopt}, Case{"12 ", std::nullopt}, Case{"", std::nullopt},
          Case{"-", std::nullopt}, Case{"1.5", std::nullopt}, Case{"abc", std::nullopt},
          Case{"$", std::nullopt}}) {
        EXPECT_EQ(StrToInt(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(Converter, CommandLinesKeepAFolderWithBlanksInOneArgument) {
    const std::string dir = "/home/me/My Games/PSN/";
    const auto extract = ExtractHelmetsCommand(dir);
    EXPECT_EQ(extract.program, "PSNJAM.EXE");
    EXPECT_EQ(extract.arguments,
              (std::vector<std::string>{"-j/home/me/My Games/PSN/GAMEJAMS/HELMETS1.JAM",
                                        "-b./TEMP/HELMETS.BMP", "-y"}));
    EXPECT_EQ(WriteHelmetsCommand(dir).arguments.front(), "-b./TEMP/HELMETS.BMP");
    EXPECT_EQ(ExtractCarCommand(dir, "TEAM1.JAM").arguments,
              (std::vector<std::string>{"-j/home/me/My Games/PSN/GAMEJAMS/TEAM1.JAM",
                                        "-b./TEMP/TEMPTEAM.BMP", "-y"}));
    EXPECT_EQ(WriteCarCommand(dir, "TEAM1.JAM").Display(),
              "PSNJAM.EXE -b./TEMP/TEMPTEAM.BMP -j/home/me/My Games/PSN/GAMEJAMS/TEAM1.JAM -y");
}

} // namespace
} // namespace psn
