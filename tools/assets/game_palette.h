// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The colours of ".\DATA\PSN.PAL" and of the shipped pictures' colour tables, and a writer for
// 256-colour bitmap files. Plain C++, so sample-game generators and tests can use them without Qt.
//
// Layout: entries 0-9 and 246-255 are the twenty static colours of a 256-colour display; entries
// 10-41 are 32 greys from black to white; from 42 on, each run of 16 entries (42, 58, 74, ...)
// is one hue from dark to light. The runs line up with the part ranges of the cockpit and pit
// crew pictures, so a part painted with one run shows as a shaded solid colour, and any base
// colour chosen from the swatch grid gives a smooth shade run.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn::assets {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

using Palette = std::array<Rgb, 256>;

constexpr int kGreyFirst = 10;
constexpr int kGreyCount = 32;
constexpr int kHueFirst = 42;
constexpr int kHueRunLength = 16;
constexpr int kHueRunCount = 13; // the last run is cut at 245 by the system colours

// The first entry of hue run `run` (0 = red, 1 = orange, ... see game_palette.cpp).
constexpr int HueRun(int run) {
    return kHueFirst + kHueRunLength * run;
}

const Palette& GamePalette();

// The bytes of a palette file: a 12-byte header, then red, green, blue, 0 per colour.
std::vector<std::uint8_t> PaletteFileBytes(const Palette& palette);

// An uncompressed 8-bit bitmap file (rows stored bottom first) of `pixels`, given top row first
// with a row length of `width`.
std::vector<std::uint8_t> BitmapFileBytes(int width, int height,
                                          const std::vector<std::uint8_t>& pixels,
                                          const Palette& palette);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace psn::assets
