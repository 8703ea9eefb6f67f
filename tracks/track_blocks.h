// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Block operations. The track block: tyre table in the executable, set-up and fuel in the 16 track
// files. They need the game files open and leave them open; a failed transfer raises
// FileAccessError with the text of the numbered check that found it.
#pragma once

#include "core/app_state.h"
#include "core/game_layout.h"
#include "core/messages.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn {

constexpr int kTrackCount = 16;
constexpr int kCompoundCount = 4; // tyre compounds A..D, the rows of the window's list

// Fields of one 13-byte track entry of the record.
namespace trackentry {
constexpr std::size_t kFrontWing = 0;
constexpr std::size_t kRearWing = 1;
constexpr std::size_t kFirstGear = 2; // six gears
constexpr std::size_t kCompound = 8;
constexpr std::size_t kFuel = 9;
constexpr std::size_t kTyres = 11;
} // namespace trackentry

// "CIRCUITS\F1CT01.DAT" .. "CIRCUITS\F1CT16.DAT", relative to the game directory.
const std::array<std::string, kTrackCount>& TrackFileNames();

// Record offset of a field of track t (0..15).
constexpr std::size_t TrackEntryOffset(int track, std::size_t field) {
    return rec::kTrackEntries + rec::kTrackEntryStride * static_cast<std::size_t>(track) + field;
}

// Whether all 16 track files exist in the game directory, in any letter case.
bool TrackFilesInstalled(const AppState& state);

// The 16 names of the track names block, each ended by a zero byte. Needs the executable open.
std::array<std::string, kTrackCount> ReadTrackNames(AppState& state);

// Reads the tyre table and all 16 track files; every entry becomes known. After a successful read,
// a pending ORIGIN.SET snapshot gets its track entries.
void ReadTrackData(AppState& state);
// Whether some track entry holds neither data read in this run nor data loaded from a settings
// file, so that it must be read before the track block is written.
bool TrackDataPending(const AppState& state);
// Reads, with the numbered fatal checks, only the entries that are not known yet.
void ReadPendingTrackData(AppState& state);

// A track file the start-up could not read, and what is wrong with it.
struct TrackReadProblem {
    int track = 0; // 0..15
    std::string path;
    Message reason;
};
// The start-up's read of the track block, when all 16 track files are installed (otherwise it
// reads nothing). A track file that cannot be read is not fatal (the start-up read is the editor's
// own addition): its entry stays unknown and is reported. A failure in the executable's tyre table
// still is. Track files are opened for reading only here, and read with one call per block.
std::vector<TrackReadProblem> ReadTrackDataAtStartup(AppState& state);
// One warning text naming each problem's file and what is wrong.
Message DescribeTrackReadProblems(const std::vector<TrackReadProblem>& problems);

// Whether track t's entry is written by WriteTrackData: it must be known and not entirely zero
// (a settings file saved before its track data was read holds zeros there).
bool TrackEntryWritable(const AppState& state, int track);
// The tracks (0..15) that WriteTrackData leaves as they are, and the sentence that says so for a
// closing message ("" when every track is written).
std::vector<int> TracksLeftAsTheyWere(const AppState& state);
Message TracksLeftNote(const AppState& state);

// Writes the tyre words and track files of the writable entries; the others keep their bytes and
// trailer. Every written track file is located before anything is written, so a missing or
// read-only track file fails before the executable or any other track file has been changed.
void WriteTrackData(AppState& state);

} // namespace psn
