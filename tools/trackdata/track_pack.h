// The track manager's data: the bonus track file and the three stretches of the executable, in a
// bonus and an original version. The original stretches are the sample game's own bytes, so a
// sample game built from SampleStretch() is put back exactly by "Install original tracks".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn::trackdata {

using Bytes = std::vector<std::uint8_t>;

// The sample game's 16 track names, in track order.
const std::array<std::string, 16>& SampleTrackNames();
constexpr const char* kBonusTrackName = "Valmont";

// Stretch 0 starts one byte before the track names block (the byte is kept), stretch 1 and 2
// are opaque data of the game. The same bytes serve every edition.
Bytes SampleStretch(int stretch);
Bytes BonusStretch(int stretch);

// A track file: set-up pointer at 1014h, the set-up block, fuel word, checksum trailer.
Bytes TrackFile(std::uint16_t pointer, std::size_t size, std::uint8_t seed);
Bytes BonusTrackFile();

// Writes F1CT07.DAT and the six stretch files into the folder; false on a failed write.
bool WriteTrackPack(const std::string& dataDir);

} // namespace psn::trackdata
