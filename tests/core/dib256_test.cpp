// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/dib256.h"
#include "support/scratch_game.h"

#include <functional>
#include <gtest/gtest.h>

namespace psn {
namespace {

// Builds bitmap files field by field, so each test can damage exactly one thing.
struct BitmapFile {
    std::uint16_t signature = 0x4D42;
    std::uint32_t infoSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
    std::uint32_t dataOffset = 0; // never consulted by the reader
    std::vector<std::uint8_t> colours;
    std::vector<std::uint8_t> pixels; // as stored: bottom row first, rows padded

    std::vector<std::uint8_t> Bytes() const {
        std::vector<std::uint8_t> b;
        auto put16 = [&](std::uint32_t v) {
            b.push_back(static_cast<std::uint8_t>(v));
            b.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        auto put32 = [&](std::uint32_t v) {
            put16(v & 0xFFFF);
            put16(v >> 16);
        };
        put16(signature);
        put32(0);
        put32(0);
        put32(dataOffset);
        put32(infoSize);
        put32(static_cast<std::uint32_t>(width));
        put32(static_cast<std::uint32_t>(height));
        put16(planes);
        put16(bitCount);
        put32(compression);
        put32(imageSize);
        put32(0);
        put32(0);
        put32(colorsUsed);
        put32(0);
        b.insert(b.end(), colours.begin(), colours.end());
        b.insert(b.end(), pixels.begin(), pixels.end());
        return b;
    }
};

std::vector<std::uint8_t> Colours(int count) {
    std::vector<std::uint8_t> c;
    for (int i = 0; i < count; ++i)
        c.insert(c.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                           static_cast<std::uint8_t>(i / 2), 0});
    return c;
}

// A 3 x 2 picture: top row 1 2 3, bottom row 4 5 6; stored bottom first with a stride of 4.
BitmapFile Small() {
    BitmapFile f;
    f.colours = Colours(256);
    f.pixels = {4, 5, 6, 0, 1, 2, 3, 0};
    return f;
}

std::string Message(const std::function<void()>& action) {
    try {
        action();
    } catch (const GraphicError& e) {
        return e.what();
    }
    return "";
}

TEST(Dib256, ReadsPixelsTopRowFirstWithColourTable) {
    TDIB256 dib;
    dib.LoadFromBytes(Small().Bytes());
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.Stride(), 4u);
    EXPECT_EQ(std::vector<std::uint8_t>(dib.Bits(), dib.Bits() + 8),
              (std::vector<std::uint8_t>{1, 2, 3, 0, 4, 5, 6, 0}));
    EXPECT_EQ(dib.ColorTable()[4 * 200 + 1], 55);
}

TEST(Dib256, StrideRoundsWidthUpToFour) {
    for (auto [width, stride] : {std::pair{500, 500u}, {501, 504u}, {1, 4u}, {4, 4u}}) {
        BitmapFile f;
        f.width = width;
        f.height = 1;
        f.colours = Colours(256);
        f.pixels.assign(stride, 9);
        TDIB256 dib;
        dib.LoadFromBytes(f.Bytes());
        EXPECT_EQ(dib.Stride(), stride) << width;
    }
    EXPECT_EQ(TDIB256().Stride(), 0u);
}

TEST(Dib256, ReversesRowsAroundMiddleRow) {
    BitmapFile f;
    f.width = 4;
    f.height = 5;
    f.colours = Colours(256);
    for (std::uint8_t row = 0; row < 5; ++row)
        f.pixels.insert(f.pixels.end(), 4, row); // stored row r holds r
    TDIB256 dib;
    dib.LoadFromBytes(f.Bytes());
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(dib.Pixel(0, y), 4 - y) << y;
}

TEST(Dib256, ColoursUsedDecidesWherePixelsStart) {
    BitmapFile f = Small();
    f.colorsUsed = 236;
    f.colours = Colours(236);
    f.dataOffset = 9999; // a wrong offset does not matter
    TDIB256 dib;
    dib.LoadFromBytes(f.Bytes());
    EXPECT_EQ(dib.Pixel(0, 0), 1);
    EXPECT_EQ(dib.Pixel(2, 1), 6);
    EXPECT_EQ(dib.ColorTable()[4 * 235], 235);
    EXPECT_EQ(dib.ColorTable()[4 * 236 + 1], 0); // beyond the file's colours: black
    EXPECT_EQ(dib.Info()[32], 0);                // colours used reads 256 afterwards
    EXPECT_EQ(dib.Info()[33], 1);
}

TEST(Dib256, RunLengthDataGivesSamePixelsAsUncompressed) {
    // 6 x 3: rows (top first) 7 7 7 7 8 9 / 1 2 3 1 2 3 / 5 5 5 5 5 5.
    BitmapFile plain;
    plain.width = 6;
    plain.height = 3;
    plain.colours = Colours(256);
    plain.pixels = {5, 5, 5, 5, 5, 5, 0, 0, 1, 2, 3, 1, 2, 3, 0, 0, 7, 7, 7, 7, 8, 9, 0, 0};
    BitmapFile rle = plain;
    rle.compression = 1;
    rle.pixels = {6, 5, 0, 0,                   // run, end of line
                  0, 6, 1, 2, 3, 1, 2, 3, 0, 0, // literal of 6
                  4, 7, 0, 3, 8, 9, 0, 0,       // run, odd literal with its pad byte
                  0, 1};
    TDIB256 a, b;
    a.LoadFromBytes(plain.Bytes());
    b.LoadFromBytes(rle.Bytes());
    EXPECT_EQ(std::vector<std::uint8_t>(a.Bits(), a.Bits() + 24),
              std::vector<std::uint8_t>(b.Bits(), b.Bits() + 24));
    EXPECT_EQ(b.Info()[16], 0); // compression reads "none" afterwards
}

TEST(Dib256, RunLengthDeltaSkipsPixelsAndRows) {
    BitmapFile f;
    f.width = 4;
    f.height = 3;
    f.compression = 1;
    f.colours = Colours(256);
    f.pixels = {1, 9, 0, 2, 2, 1, 1, 8, 0, 1}; // 9 at (0,0); skip 2 and a row; 8
    TDIB256 dib;
    dib.LoadFromBytes(f.Bytes());
    // Stored rows 0 and 1 are the picture's rows 2 and 1.
    EXPECT_EQ(dib.Pixel(0, 2), 9);
    EXPECT_EQ(dib.Pixel(3, 1), 8);
    EXPECT_EQ(dib.Pixel(1, 1), 0);
}

TEST(Dib256, DamagedRunLengthDataStaysInsidePicture) {
    const std::vector<std::vector<std::uint8_t>> streams = {
        {255, 3, 255, 3, 255, 3}, // runs far past the end
        {0, 2, 255, 255, 5, 5},   // delta past the end
        {0, 200, 1, 2},           // literal cut short
        {0, 2, 1},                // delta cut short
        {7},                      // half a pair
    };
    for (const auto& stream : streams) {
        BitmapFile f;
        f.width = 5;
        f.height = 2;
        f.compression = 1;
        f.colours = Colours(256);
        f.pixels = stream;
        TDIB256 dib;
        dib.LoadFromBytes(f.Bytes());
        EXPECT_EQ(dib.Width(), 5);
    }
}

TEST(Dib256, RejectsWhatIsNotAn8BitBitmap) {
    const std::vector<std::pair<const char*, std::function<void(BitmapFile&)>>> cases = {
        {"signature", [](BitmapFile& f) { f.signature = 0x4D43; }},
        {"header size", [](BitmapFile& f) { f.infoSize = 108; }},
        {"zero width", [](BitmapFile& f) { f.width = 0; }},
        {"zero height", [](BitmapFile& f) { f.height = 0; }},
        {"4 bits", [](BitmapFile& f) { f.bitCount = 4; }},
        {"24 bits", [](BitmapFile& f) { f.bitCount = 24; }},
        {"two planes", [](BitmapFile& f) { f.planes = 2; }},
        {"compression 2", [](BitmapFile& f) { f.compression = 2; }},
        {"negative width", [](BitmapFile& f) { f.width = -3; }},
        {"absurd width", [](BitmapFile& f) { f.width = 0x7FFFFFFF; }},
        {"absurd size", [](BitmapFile& f) { f.width = 16000, f.height = 16000; }},
        {"too many colours", [](BitmapFile& f) { f.colorsUsed = 257; }},
        {"top-down run-length", [](BitmapFile& f) { f.height = -2, f.compression = 1; }},
    };
    for (const auto& [name, damage] : cases) {
        BitmapFile f = Small();
        damage(f);
        TDIB256 dib;
        EXPECT_EQ(Message([&] { dib.LoadFromBytes(f.Bytes()); }), kInvalidBitmap) << name;
    }
    for (std::size_t cut : {0u, 1u, 13u, 20u, 53u}) {
        auto bytes = Small().Bytes();
        bytes.resize(cut);
        TDIB256 dib;
        EXPECT_EQ(Message([&] { dib.LoadFromBytes(bytes); }), kInvalidBitmap) << cut;
    }
}

TEST(Dib256, ShortFileIsStreamReadErrorAndKeepsLoadedPicture) {
    TDIB256 dib;
    dib.LoadFromBytes(Small().Bytes());
    const auto full = Small().Bytes();
    for (std::size_t cut : {std::size_t{54 + 100}, std::size_t{54 + 1024}, full.size() - 1}) {
        std::vector<std::uint8_t> bytes(full.begin(), full.begin() + static_cast<long>(cut));
        EXPECT_EQ(Message([&] { dib.LoadFromBytes(bytes); }), kStreamReadError) << cut;
    }
    EXPECT_EQ(dib.Pixel(0, 0), 1);
}

TEST(Dib256, OversizedImageSizeReadsOnlyThePicture) {
    BitmapFile f = Small();
    f.imageSize = 0xFFFFFF00;
    f.pixels.resize(64, 77);
    TDIB256 dib;
    dib.LoadFromBytes(f.Bytes());
    EXPECT_EQ(dib.Pixel(2, 0), 3);
}

TEST(Dib256, TopDownPictureKeepsItsRowOrder) {
    BitmapFile f = Small();
    f.height = -2;
    TDIB256 dib;
    dib.LoadFromBytes(f.Bytes());
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.Pixel(0, 0), 4);
    EXPECT_EQ(dib.Pixel(0, 1), 1);
}

TEST(Dib256, MissingFileCannotBeOpened) {
    test::TempDir dir;
    const std::string path = dir.str() + "/missing.dib";
    TDIB256 dib;
    EXPECT_EQ(Message([&] { dib.LoadFromFile(path); }), "Cannot open file " + path);
    test::WriteFileBytes(path, Small().Bytes());
    dib.LoadFromFile(path);
    EXPECT_EQ(dib.Pixel(1, 1), 5);
}

} // namespace
} // namespace psn
