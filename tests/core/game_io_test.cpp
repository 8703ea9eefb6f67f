// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole-game read and write with each caller's rule for the track files: what a missing or
// damaged track file does at start-up, in "Import all data", in the comparison and psnedit, and
// to "Export all data" and psnedit apply.
#include "core/commit.h"
#include "core/record_map.h"
#include "shell/all_data_blocks.h"
#include "shell/game_read_blocks.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/track_blocks.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

constexpr int kBadTrack = 9; // 1-based, as the file is named

enum class TrackFile { Missing, Damaged };

struct Game {
    test::TempDir dir;
    sample::Installation inst;
    AppState state;
    std::vector<std::uint8_t> badTrack; // the file as it was made

    explicit Game(TrackFile trackFile) {
        sample::Options options;
        options.edition = 1;
        options.gameDir = dir.str() + "/game/";
        options.withPictures = false;
        inst = sample::MakeInstallation(options);
        badTrack = test::ReadFileBytes(inst.TrackPath(kBadTrack));
        if (trackFile == TrackFile::Missing)
            std::filesystem::remove(inst.TrackPath(kBadTrack));
        else
            test::WriteFileBytes(inst.TrackPath(kBadTrack), std::vector<std::uint8_t>(64, 0));
        std::filesystem::create_directories(dir.str() + "/editor/DATA");
        state.startDir = dir.str() + "/editor";
        state.config.SetGameDir(inst.gameDir);
        state.config.SetExePath(inst.exePath);
        state.config.SetNamesSource(1);
        state.config.SetCockpitSource(1);
    }
    std::string BadTrackName() const {
        return std::filesystem::path(inst.TrackPath(kBadTrack)).filename().string();
    }
};

TEST(WholeGameRead, EachCallersRuleForTrackFilesGivesWhatItsUsersSee) {
    enum class Seen { BlockUnread, DamagedOneReported, EndsWithNumberedText };
    const struct {
        const char* caller;
        WholeGameRead read;
        TrackFile trackFile;
        Seen seen;
    } cases[] = {
        // The editor starts without the track block, and reads it before anything writes it.
        {"start-up", kStartupRead, TrackFile::Missing, Seen::BlockUnread},
        // The editor starts, warning about the one file; every other entry is read.
        {"start-up", kStartupRead, TrackFile::Damaged, Seen::DamagedOneReported},
        // The window then offers to install the track files.
        {"Import all data", kImportAllRead, TrackFile::Missing, Seen::BlockUnread},
        // The program ends with the numbered text.
        {"Import all data", kImportAllRead, TrackFile::Damaged, Seen::EndsWithNumberedText},
        // The set-ups are unknown, and a comparison says it left them out.
        {"psnedit, compare", kCheckRead, TrackFile::Missing, Seen::BlockUnread},
        // psnedit exits with status 3; the comparison window warns and compares nothing.
        {"psnedit, compare", kCheckRead, TrackFile::Damaged, Seen::EndsWithNumberedText},
    };
    for (const auto& c : cases) {
        const std::string name =
            std::string(c.caller) + (c.trackFile == TrackFile::Missing ? ", missing" : ", damaged");
        Game game(c.trackFile);
        AppState& state = game.state;
        const SettingsRecord before = state.record;
        GameReadResult read;
        try {
            read = ReadWholeGame(state, c.read);
        } catch (const FileAccessError& error) {
            EXPECT_EQ(c.seen, Seen::EndsWithNumberedText) << name << ": " << error.Text();
            EXPECT_EQ(std::string(error.what()), "2) File access error! ") << name;
            EXPECT_NE(error.Path().find(game.BadTrackName()), std::string::npos) << name;
            EXPECT_FALSE(state.exe.IsOpen() || state.stateFile.IsOpen()) << name;
            EXPECT_FALSE(state.command) << name << ": the read's command is left open";
            continue;
        }
        ASSERT_NE(c.seen, Seen::EndsWithNumberedText) << name << ": the read went on";
        EXPECT_FALSE(state.exe.IsOpen() || state.stateFile.IsOpen()) << name;
        EXPECT_FALSE(state.command) << name;
        EXPECT_TRUE(read.isGameExe) << name;
        EXPECT_EQ(read.trackNames[0], game.inst.values->trackNames[0]) << name;
        // Every other block is the game's, whatever became of the track block.
        SettingsRecord expected = game.inst.Expected(1, 1);
        SettingsRecord got = state.record;
        const auto tracks = sample::ExpectedTrackEntries(1);
        for (SettingsRecord* record : {&expected, &got})
            std::fill_n(record->bytes().begin() + rec::kTrackEntries, tracks.size(), 0);
        // This start folder has no patch list.
        got.setU8(rec::kPatchListSwitch, expected.u8(rec::kPatchListSwitch));
        EXPECT_EQ(got, expected) << name;
        if (c.seen == Seen::BlockUnread) {
            EXPECT_FALSE(read.tracksRead) << name;
            EXPECT_TRUE(read.trackProblems.empty()) << name;
            EXPECT_TRUE(std::none_of(state.trackEntryKnown.begin(), state.trackEntryKnown.end(),
                                     [](bool known) { return known; }))
                << name;
            EXPECT_TRUE(std::equal(before.bytes().begin() + rec::kTrackEntries,
                                   before.bytes().begin() + rec::kTrackEntries + tracks.size(),
                                   state.record.bytes().begin() + rec::kTrackEntries))
                << name << ": an unread track block changed";
            continue;
        }
        EXPECT_TRUE(read.tracksRead) << name;
        ASSERT_EQ(read.trackProblems.size(), 1u) << name;
        EXPECT_EQ(read.trackProblems[0].track, kBadTrack - 1) << name;
        EXPECT_NE(English(DescribeTrackReadProblems(read.trackProblems))
                      .find(game.BadTrackName() + ": the file is cut short"),
                  std::string::npos)
            << name;
        for (int t = 0; t < kTrackCount; ++t)
            EXPECT_EQ(state.trackEntryKnown[static_cast<std::size_t>(t)], t != kBadTrack - 1)
                << name << ", track " << t + 1;
    }
}

// Without the track files "Export all data" writes the other blocks (its window has offered to
// install them), while psnedit apply writes nothing; once installed, the track block goes in too.
TEST(WholeGameWrite, MissingTrackFilesAreWrittenAroundOrRefusedAsEachCallerNeeds) {
    enum class Offer { None, Declined, Installs };
    const struct {
        const char* caller;
        MissingTrackFiles rule;
        Offer offer;
        bool written, tracks;
    } cases[] = {
        {"psnedit apply", kApplyWrite, Offer::None, false, false},
        {"Export all data, declined", kExportAllWrite, Offer::Declined, true, false},
        {"Export all data, installed", kExportAllWrite, Offer::Installs, true, true},
    };
    for (const auto& c : cases) {
        Game game(TrackFile::Missing);
        AppState& state = game.state;
        (void)ReadWholeGame(state, kImportAllRead);
        // As after loading a settings file made before the track file went missing: every entry
        // but the missing file's is known.
        state.trackEntryKnown.fill(true);
        state.trackEntryKnown[kBadTrack - 1] = false;
        const auto tracks = sample::ExpectedTrackEntries(1);
        std::copy(tracks.begin(), tracks.end(), state.record.bytes().begin() + rec::kTrackEntries);
        state.record.setU16(rec::kHumanWeight, 1234);
        state.record.setU16(TrackEntryOffset(kBadTrack, trackentry::kFuel), 4321);
        const std::size_t fuel = TrackEntryOffset(kBadTrack - 1, trackentry::kFuel);
        state.record.setU16(fuel, 0);
        state.BeginCommand();
        int offers = 0;
        std::function<bool()> offer;
        if (c.offer != Offer::None)
            offer = [&] {
                ++offers;
                EXPECT_FALSE(state.exe.IsOpen()) << c.caller << ": a file is held across";
                if (c.offer == Offer::Declined)
                    return false;
                test::WriteFileBytes(game.inst.TrackPath(kBadTrack), game.badTrack);
                return true;
            };
        const GameWriteResult result = WriteWholeGame(state, c.rule, offer);
        EXPECT_EQ(result.written, c.written) << c.caller;
        EXPECT_EQ(result.tracks, c.tracks) << c.caller;
        EXPECT_EQ(offers, c.offer == Offer::None ? 0 : 1) << c.caller;
        EXPECT_FALSE(state.exe.IsOpen() || state.stateFile.IsOpen()) << c.caller;
        const auto changed = state.command->Changed();
        const auto staged = [&](const std::string& path) {
            return std::find(changed.begin(), changed.end(), Staging::Key(path)) != changed.end();
        };
        EXPECT_EQ(staged(game.inst.exePath), c.written) << c.caller;
        EXPECT_EQ(staged(game.inst.TrackPath(kBadTrack + 1)), c.tracks) << c.caller;
        // The entry of the file installed late was read before the block was written.
        EXPECT_EQ(state.record.u16(fuel),
                  c.tracks ? game.inst.values->tracks[kBadTrack - 1].fuel : 0)
            << c.caller;
        state.DiscardCommand();
    }
}

} // namespace
} // namespace psn
