// Block operations. The track block: tyre table in the executable, set-up and fuel in the 16 track
// files. They need the game files open and leave them open; a failed transfer raises
// FileAccessError with the text of the numbered check that found it.
#pragma once

#include "core/app_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace psn {

constexpr int kTrackCount = 16;

// Positions inside a track file.
namespace trackfile {
constexpr std::uint32_t kSetupPointer = 0x1014;
constexpr std::uint32_t kSetupBase = 0x1020;
constexpr std::uint32_t kFuelOffset = 26; // from the start of the set-up block
constexpr std::uint32_t kBlockEnd = 28;   // one past the fuel word
constexpr std::uint8_t kSetupBias = 151;
constexpr std::uint8_t kCompoundBias = 52;
} // namespace trackfile

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

// The 16 names of the track names block, each ended by a zero byte. Needs the executable open.
std::array<std::string, kTrackCount> ReadTrackNames(AppState& state);

// After a successful read, a pending ORIGIN.SET snapshot gets its track entries.
void ReadTrackData(AppState& state);
// Every track file is located before anything is written, so a missing or read-only track file
// fails before the executable or any other track file has been changed.
void WriteTrackData(AppState& state);

} // namespace psn
