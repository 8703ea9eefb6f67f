// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The track manager's data: the bonus track file and the three stretches of the executable, in a
// bonus and an original version. The original stretches are the sample game's own bytes, so
// "Install original tracks" puts a sample game back exactly.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace psn::trackdata {

using Bytes = std::vector<std::uint8_t>;
// The files a pack wrote, by name within DATA, for the manifest of the sample packs.
using PackFiles = std::vector<std::pair<std::string, Bytes>>;

// Writes one pack file into DATA and notes it; false on a failed write.
bool WritePackFile(const std::string& dataDir, const std::string& name, const Bytes& bytes,
                   PackFiles& written);

// Stretch 0 holds the track names, stretches 1 and 2 data of the game; the same bytes serve
// every edition.
Bytes SampleStretch(int stretch);
Bytes BonusStretch(int stretch);

// A track file: set-up pointer at 1014h, the set-up block, fuel word, checksum trailer.
Bytes TrackFile(std::uint16_t pointer, std::size_t size, std::uint8_t seed);
// Of the same size and set-up position as the sample game's track 7, with values of its own.
Bytes BonusTrackFile();

// Writes F1CT07.DAT and the six stretch files into the folder; false on a failed write.
bool WriteTrackPack(const std::string& dataDir, PackFiles& written);

} // namespace psn::trackdata
