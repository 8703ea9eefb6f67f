// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The classic faults of bitmap decoders, at the edges of every header field and of the run-length
// stream: nothing may be written outside the picture, no size field may become an allocation or a
// read size unchecked, and decoding must end at the end of the data.
#include "core/dib256.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace psn {
namespace {

struct Header {
    std::uint32_t infoSize = 40;
    std::int32_t width = 5;
    std::int32_t height = 3;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
};

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A whole file: the headers, `colours` colour entries and the pixel bytes as stored.
std::vector<std::uint8_t> File(const Header& h, std::size_t colours,
                               const std::vector<std::uint8_t>& pixels) {
    std::vector<std::uint8_t> f;
    Put(f, 0x4D42, 2);
    Put(f, 0, 4);
    Put(f, 0, 4);
    Put(f, 54, 4);
    Put(f, h.infoSize, 4);
    Put(f, static_cast<std::uint32_t>(h.width), 4);
    Put(f, static_cast<std::uint32_t>(h.height), 4);
    Put(f, h.planes, 2);
    Put(f, h.bitCount, 2);
    Put(f, h.compression, 4);
    Put(f, 0, 4);
    Put(f, 0, 4);
    Put(f, 0, 4);
    Put(f, h.colorsUsed, 4);
    Put(f, 0, 4);
    for (std::size_t i = 0; i < colours; ++i)
        Put(f, static_cast<std::uint32_t>(i * 0x010101u), 4);
    f.insert(f.end(), pixels.begin(), pixels.end());
    return f;
}

std::size_t Stride(std::int32_t width) {
    return (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
}

std::vector<std::uint8_t> PlainPixels(std::int32_t width, std::int32_t height) {
    const std::size_t rows = static_cast<std::size_t>(height < 0 ? -height : height);
    std::vector<std::uint8_t> pixels(Stride(width) * rows);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return pixels;
}

// "" when the file loads, else the error's text.
std::string Load(TDIB256& dib, const std::vector<std::uint8_t>& file) {
    try {
        dib.LoadFromBytes(file);
    } catch (const GraphicError& e) {
        return e.what();
    }
    return "";
}

TEST(DibBoundaries, HeaderFieldsAtTheirEdges) {
    struct Case {
        const char* name;
        Header header;
        std::size_t colours; // colour entries present in the file
        const char* error;   // nullptr: loads
    };
    const auto with = [](auto change) {
        Header h;
        change(h);
        return h;
    };
    const Case cases[] = {
        {"header size 39", with([](Header& h) { h.infoSize = 39; }), 256, kInvalidBitmap},
        {"header size 40", Header{}, 256, nullptr},
        {"header size 41", with([](Header& h) { h.infoSize = 41; }), 256, kInvalidBitmap},
        {"planes 0", with([](Header& h) { h.planes = 0; }), 256, kInvalidBitmap},
        {"planes 2", with([](Header& h) { h.planes = 2; }), 256, kInvalidBitmap},
        {"1 bit", with([](Header& h) { h.bitCount = 1; }), 256, kInvalidBitmap},
        {"0 bits", with([](Header& h) { h.bitCount = 0; }), 256, kInvalidBitmap},
        {"16 bits", with([](Header& h) { h.bitCount = 16; }), 256, kInvalidBitmap},
        {"32 bits", with([](Header& h) { h.bitCount = 32; }), 256, kInvalidBitmap},
        {"compression 2", with([](Header& h) { h.compression = 2; }), 256, kInvalidBitmap},
        {"compression 3", with([](Header& h) { h.compression = 3; }), 256, kInvalidBitmap},
        {"width 0", with([](Header& h) { h.width = 0; }), 256, kInvalidBitmap},
        {"width 1", with([](Header& h) { h.width = 1; }), 256, nullptr},
        {"width -1", with([](Header& h) { h.width = -1; }), 256, kInvalidBitmap},
        {"height 0", with([](Header& h) { h.height = 0; }), 256, kInvalidBitmap},
        {"height 1", with([](Header& h) { h.height = 1; }), 256, nullptr},
        {"height -1", with([](Header& h) { h.height = -1; }), 256, nullptr},
        {"lowest height", with([](Header& h) { h.height = INT32_MIN; }), 256, kInvalidBitmap},
        {"colours used 1", with([](Header& h) { h.colorsUsed = 1; }), 1, nullptr},
        {"colours used 236", with([](Header& h) { h.colorsUsed = 236; }), 236, nullptr},
        {"colours used 256", with([](Header& h) { h.colorsUsed = 256; }), 256, nullptr},
        {"colours used 257", with([](Header& h) { h.colorsUsed = 257; }), 257, kInvalidBitmap},
        {"colours used max", with([](Header& h) { h.colorsUsed = 0xFFFFFFFF; }), 256,
         kInvalidBitmap},
        // Colours used is the size of one read: fewer entries than it names is a short file.
        {"colours missing", with([](Header& h) { h.colorsUsed = 200; }), 10, kStreamReadError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pixels = PlainPixels(c.header.width > 0 ? c.header.width : 1,
                                        c.header.height == INT32_MIN ? 1 : c.header.height);
        TDIB256 dib;
        const std::string error = Load(dib, File(c.header, c.colours, pixels));
        EXPECT_EQ(error, c.error ? c.error : "");
        if (c.error) {
            EXPECT_EQ(dib.Stride(), 0u); // a failed first load keeps nothing
            continue;
        }
        const std::size_t rows = static_cast<std::size_t>(dib.Height());
        ASSERT_EQ(rows, static_cast<std::size_t>(std::abs(c.header.height)));
        // Top row first in memory whichever way the file stores its rows.
        const std::size_t topStored = c.header.height < 0 ? 0 : rows - 1;
        EXPECT_EQ(dib.Pixel(0, 0), pixels[topStored * dib.Stride()]);
        if (c.colours < 256) { // entries the file does not hold are black
            EXPECT_EQ(dib.ColorTable()[4 * c.colours], 0);
        }
        EXPECT_EQ(dib.ColorTable()[4 * (c.colours - 1)], static_cast<std::uint8_t>(c.colours - 1));
    }
}

TEST(DibBoundaries, EveryCutOfAFileFailsCleanlyOrDecodesWhatIsThere) {
    Header plain;
    Header rle;
    rle.compression = 1;
    const std::vector<std::uint8_t> stream = {5, 9, 0, 0, 0, 5, 1, 2, 3, 4,
                                              5, 0, 0, 0, 2, 3, 3, 0, 1};
    const auto plainFile = File(plain, 256, PlainPixels(5, 3));
    const auto rleFile = File(rle, 256, stream);
    for (const auto* file : {&plainFile, &rleFile}) {
        TDIB256 earlier;
        ASSERT_EQ(Load(earlier, *file), "");
        const std::vector<std::uint8_t> loaded(earlier.Bits(), earlier.Bits() + 8 * 3);
        for (std::size_t cut = 0; cut < file->size(); ++cut) {
            SCOPED_TRACE(cut);
            const std::vector<std::uint8_t> part(file->begin(),
                                                 file->begin() + static_cast<long>(cut));
            TDIB256 dib = earlier;
            const std::string error = Load(dib, part);
            const std::size_t pixelsAt = 54 + 1024;
            if (cut < 54)
                EXPECT_EQ(error, kInvalidBitmap);
            else if (cut < pixelsAt || file == &plainFile)
                EXPECT_EQ(error, kStreamReadError);
            else
                EXPECT_EQ(error, ""); // run-length data is read to the end of the file
            if (!error.empty()) {     // a failed load keeps the picture loaded before
                EXPECT_EQ(std::vector<std::uint8_t>(dib.Bits(), dib.Bits() + 8 * 3), loaded);
            }
        }
    }
}

// Decodes into a picture with guard bytes on both sides; any write outside the picture shows.
std::vector<std::uint8_t> Decode(const std::vector<std::uint8_t>& stream, std::size_t stride,
                                 std::size_t rows) {
    constexpr std::size_t kGuard = 512;
    std::vector<std::uint8_t> buffer(kGuard + stride * rows + kGuard, 0xEE);
    std::fill_n(buffer.begin() + kGuard, stride * rows, 0);
    DecodeRle8(stream, std::span(buffer.data() + kGuard, stride * rows),
               static_cast<std::uint32_t>(stride));
    for (std::size_t i = 0; i < kGuard; ++i) {
        EXPECT_EQ(buffer[i], 0xEE) << "before the picture at " << i;
        EXPECT_EQ(buffer[kGuard + stride * rows + i], 0xEE) << "after the picture at " << i;
    }
    return {buffer.begin() + kGuard, buffer.begin() + static_cast<long>(kGuard + stride * rows)};
}

TEST(DibBoundaries, RunLengthStreamsStayInsideThePictureAndEnd) {
    // A 4 x 3 picture (stride 4), stored rows bottom first.
    struct Case {
        const char* name;
        std::vector<std::uint8_t> stream;
        std::vector<std::uint8_t> pixels;
    };
    const Case cases[] = {
        {"run crossing the row end goes on in the next row",
         {6, 1, 0, 1},
         {1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0}},
        {"run past the picture is cut at its end",
         {255, 2, 255, 3, 0, 1},
         {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}},
        {"literal past the picture is cut at its end",
         {0, 2, 0, 2, 0, 6, 1, 2, 3, 4, 5, 6, 0, 1},
         {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4}},
        {"delta past the width moves into the next row",
         {0, 2, 6, 0, 1, 5, 0, 1},
         {0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0}},
        {"delta past the height ends the picture",
         {1, 4, 0, 2, 0, 200, 1, 5, 0, 1},
         {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"largest delta", {0, 2, 255, 255, 9, 9}, std::vector<std::uint8_t>(12, 0)},
        {"end of line after the last row",
         {12, 3, 0, 0, 0, 0, 1, 6},
         std::vector<std::uint8_t>(12, 3)},
        {"end of line at a row start does not skip a row",
         {0, 0, 2, 8, 0, 0, 0, 0, 1, 9, 0, 1},
         {8, 8, 0, 0, 9, 0, 0, 0, 0, 0, 0, 0}},
        {"missing end of bitmap", {3, 6}, {6, 6, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"end of file after an escape byte", {2, 6, 0}, {6, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"end of file inside a delta", {2, 6, 0, 2, 1}, {6, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"end of file inside a literal", {0, 5, 1, 2}, {1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"end of file before a literal's pad byte",
         {0, 3, 1, 2, 3},
         {1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"end of bitmap stops decoding", {1, 1, 0, 1, 1, 2}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"empty stream", {}, std::vector<std::uint8_t>(12, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Decode(c.stream, 4, 3), c.pixels);
    }
    // Long streams of escapes that write nothing end too, and so does an empty picture.
    std::vector<std::uint8_t> escapes;
    for (int i = 0; i < 10000; ++i)
        escapes.insert(escapes.end(), {0, 0, 0, 2, 0, 0});
    EXPECT_EQ(Decode(escapes, 4, 3), std::vector<std::uint8_t>(12, 0));
    EXPECT_TRUE(Decode({5, 5, 0, 3, 1, 2, 3}, 4, 0).empty());
}

// An encoder of this test's own, with runs, literals of both parities and end-of-line codes.
std::vector<std::uint8_t> Encode(const std::vector<std::uint8_t>& rows, std::size_t width,
                                 std::size_t stride) {
    std::vector<std::uint8_t> out;
    for (std::size_t r = 0; r * stride < rows.size(); ++r) {
        const std::uint8_t* row = rows.data() + r * stride;
        std::size_t x = 0;
        while (x < width) {
            std::size_t run = 1;
            while (x + run < width && run < 255 && row[x + run] == row[x])
                ++run;
            if (run >= 2 || width - x < 3) {
                out.insert(out.end(), {static_cast<std::uint8_t>(run), row[x]});
                x += run;
                continue;
            }
            std::size_t literal = 0;
            while (x + literal < width && literal < 255 &&
                   (x + literal + 1 >= width || row[x + literal + 1] != row[x + literal]))
                ++literal;
            if (literal < 3) {
                out.insert(out.end(), {1, row[x]});
                ++x;
                continue;
            }
            out.insert(out.end(), {0, static_cast<std::uint8_t>(literal)});
            out.insert(out.end(), row + x, row + x + literal);
            if (literal & 1)
                out.push_back(0);
            x += literal;
        }
        out.insert(out.end(), {0, 0});
    }
    out.insert(out.end(), {0, 1});
    return out;
}

TEST(DibBoundaries, RunLengthPictureMatchesItsUncompressedTwin) {
    std::mt19937 random(11);
    for (const auto& [width, height] : {std::pair{1, 1}, {3, 2}, {37, 9}, {256, 5}, {301, 4}}) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const std::size_t stride = Stride(width);
        std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height), 0);
        for (std::size_t r = 0; r < static_cast<std::size_t>(height); ++r)
            for (std::size_t x = 0; x < static_cast<std::size_t>(width); ++x)
                // Stretches of equal pixels between noise, so both kinds of code appear.
                rows[r * stride + x] =
                    static_cast<std::uint8_t>((x / 7) % 2 ? 40 + r : random() % 5);
        Header plain;
        plain.width = width;
        plain.height = height;
        Header rle = plain;
        rle.compression = 1;
        TDIB256 a, b;
        ASSERT_EQ(Load(a, File(plain, 256, rows)), "");
        ASSERT_EQ(Load(b, File(rle, 256, Encode(rows, static_cast<std::size_t>(width), stride))),
                  "");
        EXPECT_EQ(std::vector<std::uint8_t>(a.Bits(), a.Bits() + rows.size()),
                  std::vector<std::uint8_t>(b.Bits(), b.Bits() + rows.size()));
        EXPECT_EQ(std::memcmp(a.Info(), b.Info(), TDIB256::kInfoHeaderSize), 0);
    }
}

} // namespace
} // namespace psn
