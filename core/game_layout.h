// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the game keeps what both its readers and the commit's checks must know: the positions
// inside a track file, and the car set archives an installer replaces.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace psn {

constexpr int kTrackFiles = 16;

// "CIRCUITS\F1CT01.DAT" .. "CIRCUITS\F1CT16.DAT" for track 0..15, relative to the game folder.
inline std::string TrackFileName(int track) {
    const int n = track + 1;
    return std::string("CIRCUITS\\F1CT") + static_cast<char>('0' + n / 10) +
           static_cast<char>('0' + n % 10) + ".DAT";
}

// Positions inside a track file.
namespace trackfile {
constexpr std::uint32_t kSetupPointer = 0x1014;
constexpr std::uint32_t kSetupBase = 0x1020;
constexpr std::uint32_t kFuelOffset = 26; // from the start of the set-up block
constexpr std::uint32_t kBlockEnd = 28;   // one past the fuel word
constexpr std::uint8_t kSetupBias = 151;
constexpr std::uint8_t kCompoundBias = 52;
} // namespace trackfile

// The car set archives in the game's GAMEJAMS folder, in the installer's order.
inline constexpr std::array<const char*, 14> kCarSetArchives = {
    "BENETTON.JAM", "FERRARI.JAM", "FOOTWORK.JAM", "JORDAN.JAM",  "LARROUS.JAM",
    "LIGIER.JAM",   "LOTUS.JAM",   "MCLAREN.JAM",  "MINARDI.JAM", "PACIFIC.JAM",
    "SAUBER.JAM",   "SIMTEK.JAM",  "TYRRELL.JAM",  "WILLIAMS.JAM"};

} // namespace psn
