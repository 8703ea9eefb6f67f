// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the cockpit manager offers, without widgets: the eleven cockpits and the files each one's
// pack brings for an edition of the game.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace psn {

struct CockpitChoice {
    const char* caption;
    const char* stem;
};
const std::array<CockpitChoice, 11>& CockpitChoices();

struct CockpitPack {
    // In the editor's folder, as its start path takes them.
    std::string hiPicture;
    std::string loPicture;
    std::string data; // read under the edition's own name
    // The pack's files by name within DATA, for the check that they fit the game.
    std::vector<std::string> names;
};
CockpitPack CockpitPackOf(const CockpitChoice& choice, int edition);

} // namespace psn
