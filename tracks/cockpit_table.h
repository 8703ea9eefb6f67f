// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where each line of a cockpit data file's XY section goes in the game executable, per edition.
#pragma once

#include "core/editions.h"

#include <array>
#include <cstdint>

namespace psn {

constexpr std::size_t kCockpitRows = 121;
// Offsets below this are the same in every edition.
constexpr std::uint32_t kSharedOffsetLimit = 1000000;

// Field k of a line is written as one byte at primary[k], then at secondary[k] when that is set
// (0: none).
struct CockpitRow {
    std::array<std::uint32_t, 4> primary{};
    std::array<std::uint32_t, 4> secondary{};
};

const std::array<CockpitRow, kCockpitRows>& CockpitTable(int edition);

} // namespace psn
