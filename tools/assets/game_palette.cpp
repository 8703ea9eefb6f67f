// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_palette.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace psn::assets {

namespace {

// The display's static colours, as a 256-colour display reserves them.
constexpr std::array<Rgb, 20> kSystemColours = {{
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
}};

// Full-strength colour of each hue run.
constexpr std::array<Rgb, kHueRunCount> kHues = {{
    {200, 16, 16},   // red
    {235, 110, 10},  // orange
    {240, 210, 20},  // yellow
    {130, 200, 20},  // lime
    {20, 150, 40},   // green
    {10, 140, 130},  // teal
    {20, 190, 230},  // cyan
    {60, 110, 220},  // blue
    {20, 30, 150},   // navy
    {120, 50, 190},  // violet
    {200, 30, 150},  // magenta
    {240, 120, 160}, // pink
    {140, 85, 40},   // brown
}};

std::uint8_t Mix(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

// Shade j of 16: from a dark tone through the full colour (at 10) to a light tint, so that shaded
// surfaces keep their hue at both ends.
Rgb Shade(Rgb hue, int j) {
    constexpr int kFull = 10;
    if (j <= kFull) {
        const double t = 0.18 + 0.82 * j / kFull;
        return {Mix(0, hue.r, t), Mix(0, hue.g, t), Mix(0, hue.b, t)};
    }
    const double t = 0.62 * (j - kFull) / (kHueRunLength - 1 - kFull);
    return {Mix(hue.r, 255, t), Mix(hue.g, 255, t), Mix(hue.b, 255, t)};
}

Palette Build() {
    Palette p{};
    for (int i = 0; i < 10; ++i) {
        p[i] = kSystemColours[i];
        p[246 + i] = kSystemColours[10 + i];
    }
    for (int i = 0; i < kGreyCount; ++i) {
        const auto v = static_cast<std::uint8_t>(std::lround(255.0 * i / (kGreyCount - 1)));
        p[kGreyFirst + i] = {v, v, v};
    }
    for (int run = 0; run < kHueRunCount; ++run)
        for (int j = 0; j < kHueRunLength && HueRun(run) + j <= 245; ++j)
            p[HueRun(run) + j] = Shade(kHues[run], j);
    return p;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

const Palette& GamePalette() {
    static const Palette palette = Build();
    return palette;
}

std::vector<std::uint8_t> PaletteFileBytes(const Palette& palette) {
    // A RIFF palette header: the game's loader skips these 12 bytes without reading them.
    std::vector<std::uint8_t> out = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'P', 'A', 'L', ' '};
    const std::uint32_t riffSize = 4 + 256 * 4;
    for (int i = 0; i < 4; ++i)
        out[4 + i] = static_cast<std::uint8_t>(riffSize >> (8 * i));
    for (const Rgb& c : palette) {
        out.push_back(c.r);
        out.push_back(c.g);
        out.push_back(c.b);
        out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> BitmapFileBytes(int width, int height,
                                          const std::vector<std::uint8_t>& pixels,
                                          const Palette& palette) {
    const int stride = (width + 3) & ~3;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * height);
    const std::uint32_t dataOffset = 14 + 40 + 1024;
    std::vector<std::uint8_t> out;
    out.reserve(dataOffset + imageSize);
    Put16(out, 0x4D42);
    Put32(out, dataOffset + imageSize);
    Put32(out, 0);
    Put32(out, dataOffset);
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 256);
    Put32(out, 0);
    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
        out.insert(out.end(), row, row + width);
        out.insert(out.end(), static_cast<std::size_t>(stride - width), 0);
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace psn::assets
