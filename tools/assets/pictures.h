// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three pictures of the colour and camera windows, as palette indices (top row first).
#pragma once

#include <cstdint>
#include <vector>

namespace psn::assets {

struct IndexedPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> pixels;
};

constexpr int kColourPictureWidth = 500;
constexpr int kColourPictureHeight = 375;
constexpr int kPictureRows = 198; // the rest is the window's swatch grid
constexpr int kGridBackground = 7;

IndexedPicture DrawCockpit();
IndexedPicture DrawPitCrew();
IndexedPicture DrawCameraViews();

} // namespace psn::assets
