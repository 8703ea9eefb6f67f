// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Data packs made for the editor's sample game (the bonus track, the cockpits, the car set) say
// so: a manifest in DATA names the sample installation they belong to and each of their files by
// size and hash, and the sample generator marks its installations with a file naming the same
// installation. An installer then refuses a sample pack for any other game. A file that is
// missing from the manifest or no longer matches it, as a user's real pack put in its place, is
// no sample, and real packs install as before.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace psn {

// In the editor's DATA folder.
inline constexpr const char* kSamplePackManifest = "SAMPLES.MAN";
// In the game folder of a sample installation: "installation: <name>".
inline constexpr const char* kSampleGameMarker = "SAMPLE.ID";

// 64-bit FNV-1a: enough to tell a sample file from any other one of the same name and size.
std::uint64_t PackFileHash(std::span<const std::uint8_t> bytes);

// The manifest text for the sample installation `installation` and its pack files, each a name
// within DATA with its bytes.
std::string
SamplePackManifest(const std::string& installation,
                   const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& files);

struct SamplePackCheck {
    bool refused = false;
    std::vector<std::string> sampleFiles; // names within DATA that are samples
    std::string installation;             // the sample installation they belong to
};

// Whether the pack files (names within `dataDir`, found in any letter case) may be written into
// the game in `gameDir`: refused when one of them is a sample and the game is not the sample
// installation it was made for.
SamplePackCheck CheckSamplePack(const std::string& dataDir, const std::string& gameDir,
                                const std::vector<std::string>& packFiles);

} // namespace psn
