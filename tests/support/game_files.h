// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Game files that pass the commit's checks of what a file is: a track file with its set-up block
// inside it and a fitting checksum trailer.
#pragma once

#include "core/checksum.h"

#include <cstdint>
#include <vector>

namespace psn::test {

inline void SealTrailer(std::vector<std::uint8_t>& bytes) {
    const std::size_t read = std::min(bytes.size(), kChecksumReadLimit);
    const ChecksumTrailer sums = ComputeChecksum(std::span(bytes.data(), read));
    const std::size_t t = bytes.size() - 4;
    bytes[t] = static_cast<std::uint8_t>(sums.byteSum & 0xFF);
    bytes[t + 1] = static_cast<std::uint8_t>(sums.byteSum >> 8);
    bytes[t + 2] = static_cast<std::uint8_t>(sums.rotatingSum & 0xFF);
    bytes[t + 3] = static_cast<std::uint8_t>(sums.rotatingSum >> 8);
}

// A track file of `size` bytes whose set-up block starts right after the pointer (pointer 0).
inline std::vector<std::uint8_t> TrackFileBytes(std::size_t size = 30000, std::uint8_t fill = 7) {
    std::vector<std::uint8_t> bytes(size, fill);
    bytes[0x1014] = 0;
    bytes[0x1015] = 0;
    SealTrailer(bytes);
    return bytes;
}

} // namespace psn::test
