// The track manager's data: the bonus track file and the three stretches of the executable, in a
// bonus and an original version. The original stretches are the sample game's own bytes, so
// "Install original tracks" puts a sample game back exactly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn::trackdata {

using Bytes = std::vector<std::uint8_t>;

// Stretch 0 holds the track names, stretches 1 and 2 data of the game; the same bytes serve
// every edition.
Bytes SampleStretch(int stretch);
Bytes BonusStretch(int stretch);

// A track file: set-up pointer at 1014h, the set-up block, fuel word, checksum trailer.
Bytes TrackFile(std::uint16_t pointer, std::size_t size, std::uint8_t seed);
// Of the same size and set-up position as the sample game's track 7, with values of its own.
Bytes BonusTrackFile();

// Writes F1CT07.DAT and the six stretch files into the folder; false on a failed write.
bool WriteTrackPack(const std::string& dataDir);

} // namespace psn::trackdata
