// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/colour_parts_table.h"

#include <algorithm>

namespace psn::colours {

std::optional<int> PartOf(std::span<const PartRange> parts, int value) {
    for (std::size_t p = 0; p < parts.size(); ++p)
        if (parts[p].Holds(value))
            return static_cast<int>(p);
    return std::nullopt;
}

void Recolour(std::span<const std::uint8_t> reference, std::span<std::uint8_t> surface,
              std::span<const PartColour> parts) {
    // A lookup per reference value replaces the range tests: `keep` masks what stays of the
    // surface, `value` is what to write. Without branches the loop runs at memory speed. Parts are
    // applied in order, so a later part wins, as testing them in turn would.
    std::array<std::uint8_t, 256> value{};
    std::array<std::uint8_t, 256> keep;
    keep.fill(0xFF);
    for (const PartColour& part : parts)
        for (int v = std::max(part.range.start, 0);
             v < std::min(part.range.start + part.range.count, 256); ++v) {
            value[static_cast<std::size_t>(v)] =
                static_cast<std::uint8_t>(v - part.range.start + part.base);
            keep[static_cast<std::size_t>(v)] = 0;
        }
    const std::size_t n = std::min(reference.size(), surface.size());
    const std::uint8_t* ref = reference.data();
    std::uint8_t* out = surface.data();
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t o = ref[i];
        out[i] = static_cast<std::uint8_t>((out[i] & keep[o]) | value[o]);
    }
}

int SwatchAt(int x, int y) {
    return x / kCellWidth + kGridColumns * ((y - kGridTop) / kCellHeight) + kFirstSwatch;
}

namespace {

void FillRect(std::span<std::uint8_t> surface, int x0, int y0, int x1, int y1, std::uint8_t value) {
    for (int y = y0; y <= y1; ++y) {
        if (y < 0 || y >= kSurfaceHeight)
            continue;
        const std::size_t row = static_cast<std::size_t>(y) * kSurfaceWidth;
        const int from = std::max(x0, 0), to = std::min(x1, kSurfaceWidth - 1);
        if (from <= to && row + static_cast<std::size_t>(to) < surface.size())
            std::fill(surface.begin() + static_cast<long>(row) + from,
                      surface.begin() + static_cast<long>(row) + to + 1, value);
    }
}

void CellOrigin(int c, int& x, int& y) {
    const int s = c - kFirstSwatch;
    x = kCellWidth * (s % kGridColumns);
    y = kGridTop + kCellHeight * (s / kGridColumns);
}

} // namespace

void DrawSwatchGrid(std::span<std::uint8_t> surface) {
    FillRect(surface, 0, kGridTop, kSurfaceWidth - 1, kGridBottom, kGridBackground);
    for (int c = kFirstSwatch; c <= kLastSwatch; ++c) {
        int x, y;
        CellOrigin(c, x, y);
        // The cell's first column and row stay background.
        FillRect(surface, x + 1, y + 1, x + kCellWidth - 1, y + kCellHeight - 1,
                 static_cast<std::uint8_t>(c));
    }
}

std::uint8_t NegColor(const GamePalette& palette, int c) {
    const PaletteEntry& e = palette[static_cast<std::size_t>(c & 0xFF)];
    return e.red + e.green + e.blue <= 384 ? kMarkerOnDark : kMarkerOnLight;
}

void DoRect(std::span<std::uint8_t> surface, const GamePalette& palette, int b, int n,
            bool highlight) {
    for (int c = b; c < b + n; ++c) {
        if (c < kFirstSwatch || c > kLastSwatch)
            continue;
        int x, y;
        CellOrigin(c, x, y);
        FillRect(surface, x + 7, y + 5, x + 13, y + 9,
                 highlight ? NegColor(palette, c) : static_cast<std::uint8_t>(c));
    }
}

} // namespace psn::colours
