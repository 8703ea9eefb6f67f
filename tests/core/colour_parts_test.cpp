// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/colour_parts_table.h"

#include <gtest/gtest.h>
#include <vector>

namespace psn::colours {
namespace {

std::vector<std::uint8_t> Surface() {
    return std::vector<std::uint8_t>(std::size_t{kSurfaceWidth} * kSurfaceHeight, 0);
}
std::uint8_t At(const std::vector<std::uint8_t>& s, int x, int y) {
    return s[static_cast<std::size_t>(y) * kSurfaceWidth + x];
}

TEST(ColourParts, RecolourChangesOnlyPartPixelsWithWrapAround) {
    const std::vector<std::uint8_t> reference = {41, 42, 56, 57, 58, 73, 74, 154, 167, 168, 10};
    std::vector<std::uint8_t> surface(reference.size(), 99);
    const PartColour parts[] = {
        {kCockpitParts[0], 100}, {kCockpitParts[1], 250}, {kCockpitParts[2], 11}};
    Recolour(reference, surface, parts);
    EXPECT_EQ(surface, (std::vector<std::uint8_t>{99, 100, 114, 99, 250, 9, 99, 11, 24, 99, 99}));
}

TEST(ColourParts, CrewLogoRunsToTheLastByteValue) {
    std::vector<std::uint8_t> reference, surface;
    for (int v = 0; v < 256; ++v)
        reference.push_back(static_cast<std::uint8_t>(v));
    surface = reference;
    std::vector<PartColour> parts;
    for (const PartRange& range : kCrewParts)
        parts.push_back({range, 20});
    Recolour(reference, surface, parts);
    EXPECT_EQ(surface[41], 41);
    EXPECT_EQ(surface[42], 20);
    EXPECT_EQ(surface[57], 35);
    EXPECT_EQ(surface[58], 20);
    EXPECT_EQ(surface[250], 20);
    EXPECT_EQ(surface[255], 25);
    EXPECT_EQ(PartOf(kCrewParts, 58), 1);
    EXPECT_EQ(PartOf(kCrewParts, 57), 0);
    EXPECT_EQ(PartOf(kCrewParts, 255), 13);
    EXPECT_EQ(PartOf(kCrewParts, 41), std::nullopt);
    for (int v : {57, 74, 168, 41, 200})
        EXPECT_EQ(PartOf(kCockpitParts, v), std::nullopt) << v;
    EXPECT_EQ(PartOf(kCockpitParts, 42), 0);
    EXPECT_EQ(PartOf(kCockpitParts, 167), 2);
}

TEST(ColourParts, GridCellsStartWithBackgroundColumnAndRow) {
    auto surface = Surface();
    DrawSwatchGrid(surface);
    EXPECT_EQ(SwatchAt(0, 198), 11);
    EXPECT_EQ(SwatchAt(19, 212), 11);
    EXPECT_EQ(SwatchAt(20, 198), 12);
    EXPECT_EQ(SwatchAt(0, 213), 36);
    EXPECT_EQ(SwatchAt(499, 374), 24 + 25 * 11 + 11);
    EXPECT_EQ(At(surface, 0, 199), kGridBackground);
    EXPECT_EQ(At(surface, 1, 198), kGridBackground);
    EXPECT_EQ(At(surface, 1, 199), 11);
    EXPECT_EQ(At(surface, 19, 212), 11);
    EXPECT_EQ(At(surface, 21, 199), 12);
    // Colour 245 is swatch 234: column 9 of row 9; everything after it is background.
    EXPECT_EQ(At(surface, 9 * 20 + 5, 198 + 9 * 15 + 5), 245);
    EXPECT_EQ(At(surface, 10 * 20 + 5, 198 + 9 * 15 + 5), kGridBackground);
    EXPECT_EQ(At(surface, 250, 374), kGridBackground);
    EXPECT_EQ(At(surface, 250, 197), 0);
}

TEST(ColourParts, MarkersTakeContrastingColourAndSkipColoursWithoutSwatch) {
    GamePalette palette{};
    palette[12] = {200, 200, 200, 0}; // light: marked with 11
    auto surface = Surface();
    DrawSwatchGrid(surface);
    const auto before = surface;
    DoRect(surface, palette, 4, 9, true);          // a wrapped base colour: 4..10 have no swatch
    EXPECT_EQ(At(surface, 7, 203), kMarkerOnDark); // colour 11, black in this palette
    EXPECT_EQ(At(surface, 20 + 13, 198 + 9), kMarkerOnLight);
    EXPECT_EQ(At(surface, 20 + 14, 198 + 9), 12);
    EXPECT_EQ(At(surface, 20 + 7, 198 + 4), 12);
    DoRect(surface, palette, 4, 9, false);
    EXPECT_EQ(surface, before);
    DoRect(surface, palette, 240, 16, true);
    EXPECT_EQ(At(surface, 9 * 20 + 10, 198 + 9 * 15 + 7), kMarkerOnDark);
    EXPECT_EQ(At(surface, 10 * 20 + 10, 198 + 9 * 15 + 7), kGridBackground);
    EXPECT_EQ(NegColor(palette, 12), kMarkerOnLight);
    palette[13] = {128, 128, 128, 0}; // exactly 384
    EXPECT_EQ(NegColor(palette, 13), kMarkerOnDark);
}

} // namespace
} // namespace psn::colours
