// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Pictures of the sample game: 8-bit images drawn by code, and the two file formats the game
// keeps them in (BMP inside our archives, PCX for the cockpit).
#pragma once

#include "tools/assets/game_palette.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace psn::sample {

using Rgb = psn::assets::Rgb;
using Palette = psn::assets::Palette;

// The game palette the editor ships as ".\DATA\PSN.PAL".
inline const Palette& SamplePalette() {
    return psn::assets::GamePalette();
}
// Shade s (0..15, dark to light) of hue run `run` (0 red .. 11 pink, 12 brown with 12 shades).
constexpr std::uint8_t Shade(int run, int s) {
    return static_cast<std::uint8_t>(psn::assets::HueRun(run) + s);
}
// Grey i of 32, black to white.
constexpr std::uint8_t Grey(int i) {
    return static_cast<std::uint8_t>(psn::assets::kGreyFirst + i);
}
namespace colour {
constexpr std::uint8_t kBlack = 0, kSky = 9, kRed = 249, kGreen = 250, kYellow = 251, kWhite = 255;
constexpr int kRedRun = 0, kOrangeRun = 1, kYellowRun = 2, kGreenRun = 4, kCyanRun = 6,
              kBlueRun = 7, kBrownRun = 12;
} // namespace colour

struct Image8 {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels; // top-down rows, width bytes each
    Image8() = default;
    Image8(int w, int h, std::uint8_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void set(int x, int y, std::uint8_t v) {
        if (x >= 0 && y >= 0 && x < width && y < height)
            pixels[static_cast<std::size_t>(y) * width + x] = v;
    }
    void fillRect(int x0, int y0, int x1, int y1, std::uint8_t v); // inclusive-exclusive
};

std::vector<std::uint8_t> EncodeBmp8(const Image8& image, const Palette& palette);
std::vector<std::uint8_t> EncodePcx8(const Image8& image, const Palette& palette);
// Decoders for checking what the encoders wrote; they throw std::runtime_error on bad data.
Image8 DecodeBmp8(const std::vector<std::uint8_t>& file, Palette* palette = nullptr);
Image8 DecodePcx8(const std::vector<std::uint8_t>& file, Palette* palette = nullptr);

constexpr int kHelmetCells = 29;
constexpr int kHelmetWidth = 74, kHelmetHeight = 15;
constexpr int kHelmetSheetWidth = 256, kHelmetSheetHeight = 180;
constexpr int kLiveryWidth = 256, kLiveryHeight = 164;

// Top-left corner of helmet cell i (0..28).
inline void HelmetCellOrigin(int cell, int& x, int& y) {
    const int column = cell < 12 ? 0 : cell < 24 ? 1 : 2;
    x = 74 * column;
    y = 15 * (cell - 12 * column);
}

// Variant 0 is the sample game's own; variant 1 that of its second, fictional season pack.
Image8 HelmetSheet(int variant = 0);
Image8 Livery(int team, int variant = 0); // team 1..14
Image8 CockpitPicture(int width, int height, int variant = 0);

// "PSNJAM01" followed by the BMP.
std::vector<std::uint8_t> JamArchive(const Image8& image);

} // namespace psn::sample
