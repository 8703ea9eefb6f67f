// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/settings_files.h"
#include "track_fixture.h"

#include <gtest/gtest.h>

namespace psn::test {
namespace {

constexpr std::uint32_t kTyreTable = 0x138A48;

struct TrackGame : ScratchGame {
    explicit TrackGame(int edition = 0) : ScratchGame(edition) { InstallTrackFiles(gameDir); }

    std::string Track(int t) const { return TrackPath(gameDir, t); }

    // Runs a block operation between opening and closing the executable; the error text or "".
    std::string Run(void (*operation)(AppState&)) {
        std::string error;
        try {
            state.OpenGameExe();
            operation(state);
        } catch (const FileAccessError& e) {
            error = e.what();
        }
        state.CloseGameFiles();
        return error;
    }
};

TEST(TrackBlocks, ReadConvertsEveryFieldOfEveryTrack) {
    TrackGame game;
    std::vector<std::uint8_t> table;
    for (int t = 0; t < kTrackCount; ++t) {
        table.push_back(static_cast<std::uint8_t>(t));
        table.push_back(static_cast<std::uint8_t>(0x80 + t));
    }
    game.PokeExe(kTyreTable, table);
    TrackFileLayout layout = DistinctTrack(3);
    layout.setup = {151, 150, 0, 255, 152, 1, 100, 200};
    layout.compound = 55;
    layout.fuel = 0xBEEF;
    WriteFileBytes(game.Track(3), MakeTrackFile(layout));

    ASSERT_EQ(game.Run(ReadTrackData), "");

    const auto& r = game.state.record;
    const std::vector<int> expected = {0, 255, 105, 104, 1, 106, 205, 49};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(r.u8(TrackEntryOffset(3, i)), expected[i]) << "field " << i;
    EXPECT_EQ(r.u8(TrackEntryOffset(3, trackentry::kCompound)), 3);
    EXPECT_EQ(r.u16(TrackEntryOffset(3, trackentry::kFuel)), 0xBEEF);
    for (int t = 0; t < kTrackCount; ++t) {
        EXPECT_EQ(r.u16(TrackEntryOffset(t, trackentry::kTyres)), 0x8000 + 0x101 * t)
            << "track " << t;
        if (t != 3) {
            EXPECT_EQ(r.u16(TrackEntryOffset(t, trackentry::kFuel)), 1000 + 17 * t);
            EXPECT_EQ(r.u8(TrackEntryOffset(t, trackentry::kRearWing)), t + 10);
        }
    }
}

TEST(TrackBlocks, UnusualCompoundBytesSurviveAReadAndWrite) {
    for (std::uint8_t compound : {0, 51, 56, 255}) {
        TrackGame game;
        TrackFileLayout layout = DistinctTrack(0);
        layout.compound = compound;
        WriteFileBytes(game.Track(0), MakeTrackFile(layout));
        ASSERT_EQ(game.Run(ReadTrackData), "");
        EXPECT_GT(game.state.record.u8(TrackEntryOffset(0, trackentry::kCompound)), 3);
        ASSERT_EQ(game.Run(WriteTrackData), "");
        EXPECT_EQ(ReadFileBytes(game.Track(0)), MakeTrackFile(layout)) << int{compound};
    }
}

TEST(TrackBlocks, ReadThenWriteLeavesTrackFilesAsTheyWere) {
    TrackGame game;
    ASSERT_EQ(game.Run(ReadTrackData), "");
    ASSERT_EQ(game.Run(WriteTrackData), "");
    for (int t = 0; t < kTrackCount; ++t)
        EXPECT_EQ(ReadFileBytes(game.Track(t)), MakeTrackFile(DistinctTrack(t))) << t;
}

TEST(TrackBlocks, WriteEncodesValuesAndRenewsEachChecksum) {
    TrackGame game(4);
    auto& r = game.state.record;
    for (int t = 0; t < kTrackCount; ++t) {
        for (std::size_t i = 0; i < 8; ++i)
            r.setU8(TrackEntryOffset(t, i), static_cast<std::uint8_t>(100 + t + i));
        r.setU8(TrackEntryOffset(t, trackentry::kCompound), static_cast<std::uint8_t>(t % 4));
        r.setU16(TrackEntryOffset(t, trackentry::kFuel), static_cast<std::uint16_t>(40000 + t));
        r.setU16(TrackEntryOffset(t, trackentry::kTyres), static_cast<std::uint16_t>(500 + t));
    }
    game.state.trackEntryKnown.fill(true); // as a loaded settings file leaves them
    ASSERT_EQ(game.Run(WriteTrackData), "");

    const auto exe = game.Exe();
    for (int t = 0; t < kTrackCount; ++t) {
        EXPECT_EQ(exe[kTyreTable + 2 * t], (500 + t) & 0xFF);
        EXPECT_EQ(exe[kTyreTable + 2 * t + 1], (500 + t) >> 8);
        const auto bytes = ReadFileBytes(game.Track(t));
        const std::size_t start = DistinctTrack(t).pointer + trackfile::kSetupBase;
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(bytes[start + i], static_cast<std::uint8_t>(100 + t + i + 151));
        EXPECT_EQ(bytes[start + 8], 52 + t % 4);
        EXPECT_EQ(bytes[start + 26] | bytes[start + 27] << 8, 40000 + t);
        EXPECT_TRUE(TrailerValid(bytes)) << "track " << t;
        // Bytes between the compound and the fuel word are not the block's.
        EXPECT_EQ(bytes[start + 9], MakeTrackFile(DistinctTrack(t))[start + 9]);
    }
}

// The n-th transfer fails; the message names where. Transfers of a read: the table seek (1), the
// 32 table bytes (2-33), then per track the open, pointer seek, two pointer bytes, block seek,
// nine set-up bytes, fuel seek and two fuel bytes (17 in all).
TEST(TrackBlocks, FailuresAreFoundAtTheirNumberedCheck) {
    const std::vector<std::pair<long, std::string>> cases = {
        {1, "0) File access error! "},  {2, "1) File access error! "},
        {33, "1) File access error! "}, {34, "2) File access error! "},
        {38, "2) File access error! "}, {39, "3) File access error! "},
        {50, "3) File access error! "}, {51, "2) File access error! "},
    };
    for (const auto& [failAt, message] : cases) {
        TrackGame game;
        game.state.OpenGameExe();
        game.state.faults->count = 0;
        game.state.faults->failAt = failAt;
        std::string error;
        try {
            ReadTrackData(game.state);
        } catch (const FileAccessError& e) {
            error = e.what();
        }
        game.state.CloseGameFiles();
        EXPECT_EQ(error, message) << "failing transfer " << failAt;
    }
}

TEST(TrackBlocks, MissingTrackFileFailsAtCheckTwoAndWritesNothing) {
    TrackGame game;
    std::filesystem::remove(game.Track(15));
    game.state.record.setU16(TrackEntryOffset(0, trackentry::kTyres), 0x4242);
    game.state.record.setU16(TrackEntryOffset(0, trackentry::kFuel), 0x4242);
    const auto exeBefore = game.Exe();

    EXPECT_EQ(game.Run(ReadTrackData), "2) File access error! ");
    EXPECT_FALSE(game.state.trackEntryKnown[15]);
    game.state.trackEntryKnown.fill(true); // a loaded settings file has data for every track
    game.state.record.setU16(TrackEntryOffset(15, trackentry::kFuel), 0x4242);
    EXPECT_EQ(game.Run(WriteTrackData), "2) File access error! ");
    EXPECT_EQ(game.Exe(), exeBefore);
    EXPECT_EQ(ReadFileBytes(game.Track(0)), MakeTrackFile(DistinctTrack(0)));
}

TEST(TrackBlocks, SetupBlockMustLieBeforeTheTrailer) {
    struct Case {
        std::uint16_t pointer;
        std::size_t size;
        bool ok;
    };
    // The pointer is added without a 16-bit wrap, so a high pointer reaches past 64 KiB.
    const std::vector<Case> cases = {
        {0x0000, 0x1020 + 32, true}, {0x0000, 0x1020 + 31, false}, {0xF000, 0x10020 + 32, true},
        {0xF000, 0x2000, false},     {0xFFFF, 0x1101F + 32, true},
    };
    for (const Case& c : cases) {
        TrackGame game;
        TrackFileLayout layout;
        layout.pointer = c.pointer;
        layout.size = c.size;
        layout.fuel = 0x5150;
        const auto original = MakeTrackFile(layout);
        WriteFileBytes(game.Track(0), original);
        EXPECT_EQ(game.Run(ReadTrackData), c.ok ? "" : "2) File access error! ") << c.pointer;
        if (c.ok) {
            EXPECT_EQ(game.state.record.u16(TrackEntryOffset(0, trackentry::kFuel)), 0x5150);
            EXPECT_EQ(game.state.record.u8(TrackEntryOffset(0, trackentry::kFrontWing)), 0);
        }
        // Written as a loaded settings file gives it, so that the write needs the file too.
        game.state.trackEntryKnown[0] = true;
        game.state.record.setU16(TrackEntryOffset(0, trackentry::kFuel), 0x5150);
        EXPECT_EQ(game.Run(WriteTrackData), c.ok ? "" : "2) File access error! ");
        EXPECT_EQ(ReadFileBytes(game.Track(0)), original);
    }
}

TEST(TrackBlocks, ReadCompletesAPendingOriginalSnapshotOnce) {
    TrackGame game;
    ASSERT_TRUE(WriteOriginalSnapshot(game.state, false).Ok());
    ASSERT_TRUE(OriginalTracksPending(game.state));
    ASSERT_EQ(game.Run(ReadTrackData), "");
    EXPECT_FALSE(OriginalTracksPending(game.state));

    const auto snapshot = ReadFileBytes(game.state.StartPath(kOriginalSettings));
    ASSERT_EQ(snapshot.size(), rec::kSize);
    const auto& bytes = game.state.record.bytes();
    EXPECT_TRUE(std::equal(bytes.begin() + rec::kTrackEntries,
                           bytes.begin() + rec::kTrackEntriesEnd,
                           snapshot.begin() + rec::kTrackEntries));

    // A later read of changed files leaves the snapshot alone.
    WriteFileBytes(game.Track(0), MakeTrackFile(DistinctTrack(9)));
    ASSERT_EQ(game.Run(ReadTrackData), "");
    EXPECT_EQ(ReadFileBytes(game.state.StartPath(kOriginalSettings)), snapshot);
}

} // namespace
} // namespace psn::test
