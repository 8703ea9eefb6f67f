// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Track files crafted for tests: the set-up pointer, the set-up block, the compound and the fuel
// word at their places, everything else a byte pattern, with a valid checksum trailer.
#pragma once

#include "core/checksum.h"
#include "support/scratch_game.h"
#include "tracks/track_blocks.h"

#include <filesystem>

namespace psn::test {

struct TrackFileLayout {
    std::uint16_t pointer = 0x0100;
    std::size_t size = 0x2000;
    std::array<std::uint8_t, 8> setup{151, 152, 160, 170, 180, 190, 200, 210};
    std::uint8_t compound = 53;
    std::uint16_t fuel = 0x1234;
};

inline std::vector<std::uint8_t> MakeTrackFile(const TrackFileLayout& layout) {
    std::vector<std::uint8_t> bytes(layout.size);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 3);
    bytes[trackfile::kSetupPointer] = static_cast<std::uint8_t>(layout.pointer & 0xFF);
    bytes[trackfile::kSetupPointer + 1] = static_cast<std::uint8_t>(layout.pointer >> 8);
    const std::size_t start = std::size_t{layout.pointer} + trackfile::kSetupBase;
    if (start + trackfile::kBlockEnd <= bytes.size()) {
        std::copy(layout.setup.begin(), layout.setup.end(),
                  bytes.begin() + static_cast<long>(start));
        bytes[start + 8] = layout.compound;
        bytes[start + 26] = static_cast<std::uint8_t>(layout.fuel & 0xFF);
        bytes[start + 27] = static_cast<std::uint8_t>(layout.fuel >> 8);
    }
    const ChecksumTrailer sums = ComputeChecksum(bytes);
    const std::size_t end = bytes.size();
    bytes[end - 4] = static_cast<std::uint8_t>(sums.byteSum & 0xFF);
    bytes[end - 3] = static_cast<std::uint8_t>(sums.byteSum >> 8);
    bytes[end - 2] = static_cast<std::uint8_t>(sums.rotatingSum & 0xFF);
    bytes[end - 1] = static_cast<std::uint8_t>(sums.rotatingSum >> 8);
    return bytes;
}

// Track t (0..15) gets a different pointer, fuel and set-up so that a mixed-up order shows.
inline TrackFileLayout DistinctTrack(int t) {
    TrackFileLayout layout;
    layout.pointer = static_cast<std::uint16_t>(0x0100 + 0x40 * t);
    layout.fuel = static_cast<std::uint16_t>(1000 + 17 * t);
    for (std::size_t i = 0; i < layout.setup.size(); ++i)
        layout.setup[i] = static_cast<std::uint8_t>(151 + t + 10 * i);
    layout.compound = static_cast<std::uint8_t>(52 + t % 4);
    return layout;
}

inline std::string TrackPath(const std::string& gameDir, int t) {
    return fs::Join(gameDir, TrackFileNames()[static_cast<std::size_t>(t)]);
}

inline void InstallTrackFiles(const std::string& gameDir) {
    std::filesystem::create_directories(gameDir + "CIRCUITS");
    for (int t = 0; t < kTrackCount; ++t)
        WriteFileBytes(TrackPath(gameDir, t), MakeTrackFile(DistinctTrack(t)));
}

inline bool TrailerValid(const std::vector<std::uint8_t>& bytes) {
    const ChecksumTrailer sums = ComputeChecksum(bytes);
    const std::size_t end = bytes.size();
    return bytes[end - 4] == (sums.byteSum & 0xFF) && bytes[end - 3] == (sums.byteSum >> 8) &&
           bytes[end - 2] == (sums.rotatingSum & 0xFF) && bytes[end - 1] == (sums.rotatingSum >> 8);
}

} // namespace psn::test
