// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "track_pack.h"

#include "core/checksum.h"
#include "game_palette.h"
#include "tools/samplegame/sample_game.h"

namespace psn::trackdata {

Bytes SampleStretch(int stretch) {
    return sample::OriginalStretch(stretch);
}

Bytes BonusStretch(int stretch) {
    return sample::BonusStretch(stretch);
}

Bytes TrackFile(std::uint16_t pointer, std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + seed) ^ (i >> 8));
    bytes[0x1014] = static_cast<std::uint8_t>(pointer & 0xFF);
    bytes[0x1015] = static_cast<std::uint8_t>(pointer >> 8);
    const std::size_t setup = std::size_t{pointer} + 0x1020;
    // Wings 8 and 10 degrees, six gears, compound B, a fuel value; stored with their biases.
    const std::uint8_t values[] = {8, 10, 40, 55, 68, 80, 90, 99};
    for (std::size_t i = 0; i < 8; ++i)
        bytes[setup + i] = static_cast<std::uint8_t>(values[i] + 151 + (seed & 3));
    bytes[setup + 8] = static_cast<std::uint8_t>(52 + seed % 4);
    const std::uint16_t fuel = static_cast<std::uint16_t>(2000 + 37 * seed);
    bytes[setup + 26] = static_cast<std::uint8_t>(fuel & 0xFF);
    bytes[setup + 27] = static_cast<std::uint8_t>(fuel >> 8);
    const ChecksumTrailer sums = ComputeChecksum(bytes);
    bytes[size - 4] = static_cast<std::uint8_t>(sums.byteSum & 0xFF);
    bytes[size - 3] = static_cast<std::uint8_t>(sums.byteSum >> 8);
    bytes[size - 2] = static_cast<std::uint8_t>(sums.rotatingSum & 0xFF);
    bytes[size - 1] = static_cast<std::uint8_t>(sums.rotatingSum >> 8);
    return bytes;
}

Bytes BonusTrackFile() {
    const sample::TrackSetup& track7 = sample::Values(0).tracks[6];
    return TrackFile(static_cast<std::uint16_t>(track7.setupOffset - 0x1020), track7.fileSize,
                     0xA7);
}

bool WritePackFile(const std::string& dataDir, const std::string& name, const Bytes& bytes,
                   PackFiles& written) {
    written.emplace_back(name, bytes);
    return assets::WriteFile(dataDir + "/" + name, bytes);
}

bool WriteTrackPack(const std::string& dataDir, PackFiles& written) {
    const char* bonus[] = {"ENGTN.DAT", "TRK_N.DAT", "TRKL.DAT"};
    const char* original[] = {"ENGTN_O.DAT", "TRK_O.DAT", "TRKLO.DAT"};
    bool ok = WritePackFile(dataDir, "F1CT07.DAT", BonusTrackFile(), written);
    for (int s = 0; s < 3; ++s) {
        ok = WritePackFile(dataDir, bonus[s], BonusStretch(s), written) && ok;
        ok = WritePackFile(dataDir, original[s], SampleStretch(s), written) && ok;
    }
    return ok;
}

} // namespace psn::trackdata
