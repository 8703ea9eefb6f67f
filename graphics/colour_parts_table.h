// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The recolourable parts of the cockpit and pit crew pictures, and the drawing both colour windows
// share: recolouring the picture rows from a reference copy, the swatch grid below them and the
// markers over a part's shade run. Plain functions on a 500-pixel-wide surface, without Qt.
#pragma once

#include "core/palette.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace psn::colours {

constexpr int kSurfaceWidth = 500; // the surfaces' stride too
constexpr int kPictureRows = 198;  // rows 0-197 hold the picture
constexpr int kGridTop = 198;      // rows 198-374 hold the swatch grid
constexpr int kGridBottom = 374;
constexpr int kSurfaceHeight = kGridBottom + 1;
constexpr std::size_t kPicturePixels = std::size_t{kSurfaceWidth} * kPictureRows;
constexpr int kCellWidth = 20;
constexpr int kCellHeight = 15;
constexpr int kGridColumns = 25;
constexpr int kFirstSwatch = 11;
constexpr int kLastSwatch = 245;
constexpr std::uint8_t kGridBackground = 7;
constexpr std::uint8_t kMarkerOnDark = 41;
constexpr std::uint8_t kMarkerOnLight = 11;

// Part of a picture: the pixel values start .. start+count-1 (counted past 255 for the pit crew's
// team logo, whose values stop at 255).
struct PartRange {
    const char* caption;
    int start;
    int count;
    bool Holds(int value) const { return value >= start && value < start + count; }
};

inline constexpr std::array<PartRange, 3> kCockpitParts = {{
    {"Cockpit", 42, 15},
    {"Mirrors", 58, 16},
    {"Front wing", 154, 14},
}};

// Parts 2..15 of a team's pit crew row; parts 0 and 1 are never shown.
constexpr int kFirstCrewPart = 2;
constexpr int kCrewPartCount = 16;
inline constexpr std::array<PartRange, 14> kCrewParts = {{
    {"Feet", 42, 16},
    {"Legs/ Pit Monitor", 58, 16},
    {"Waist", 74, 16},
    {"Thin stripe", 90, 16},
    {"Left chest/Sign", 106, 16},
    {"Right chest", 122, 16},
    {"Epaulettes/Jack", 138, 16},
    {"Left upper arm", 154, 16},
    {"Left forearm", 170, 16},
    {"Right upper arm", 186, 16},
    {"Right forearm", 202, 16},
    {"Hands", 218, 16},
    {"Head", 234, 16},
    {"Team logo", 250, 16},
}};

// The highest base colour a part can take: its whole shade run must end at the last swatch.
constexpr int LastBaseColour(const PartRange& part) {
    return kLastSwatch - part.count + 1;
}

// The first part holding the value, if any.
std::optional<int> PartOf(std::span<const PartRange> parts, int value);

// A part's base colour for the current team.
struct PartColour {
    PartRange range;
    std::uint8_t base;
};

// For every picture pixel whose reference value v lies in a part's range: surface := v - start +
// base, in 8 bits. Other pixels are not touched.
void Recolour(std::span<const std::uint8_t> reference, std::span<std::uint8_t> surface,
              std::span<const PartColour> parts);

// The colour of the swatch grid cell under a point of the grid, before any range check.
int SwatchAt(int x, int y);

// Rows 198-374: background value 7 and the 235 swatches of colours 11-245.
void DrawSwatchGrid(std::span<std::uint8_t> surface);

// A marker colour that stands out against colour c of the game palette.
std::uint8_t NegColor(const GamePalette& palette, int c);

// Marks (or unmarks, drawing the swatch's own colour) the swatches of colours b .. b+n-1. Colours
// without a swatch (a run passing 245 after a wrapped base colour) are skipped.
void DoRect(std::span<std::uint8_t> surface, const GamePalette& palette, int b, int n,
            bool highlight);

} // namespace psn::colours
