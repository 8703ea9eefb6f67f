// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cockpit and car set packs: for each of the eleven replacement cockpits a HI and a LO PCX
// picture and a data file per edition letter, and the fourteen team archives of the car set.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace psn::trackdata {

using Bytes = std::vector<std::uint8_t>;
using PackFiles = std::vector<std::pair<std::string, Bytes>>;

// An 8-bit run-length encoded PCX image with its 256-colour palette, of pixels given top row
// first.
Bytes PcxFileBytes(int width, int height, const Bytes& pixels);
// A cockpit seen from the driver's seat in the colours of cockpit `choice` (0..10).
Bytes CockpitPicture(int choice, int width, int height);
// The 190 lines of a cockpit data file.
std::string CockpitDataText(int choice);
// "PSNJAM01" followed by a livery bitmap of team `team` (0..13).
Bytes CarSetArchive(int team);

bool WriteCockpitPack(const std::string& dataDir, PackFiles& written);
bool WriteCarSetPack(const std::string& dataDir, PackFiles& written);

} // namespace psn::trackdata
