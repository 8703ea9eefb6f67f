// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/samplegame/sample_images.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace psn::sample {
namespace {

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
std::uint32_t GetLe(const std::vector<std::uint8_t>& in, std::size_t at, int bytes) {
    if (at + bytes > in.size())
        throw std::runtime_error("truncated image file");
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    return v;
}

void FillEllipse(Image8& img, double cx, double cy, double rx, double ry, std::uint8_t v) {
    for (int y = static_cast<int>(cy - ry); y <= static_cast<int>(cy + ry) + 1; ++y)
        for (int x = static_cast<int>(cx - rx); x <= static_cast<int>(cx + rx) + 1; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0)
                img.set(x, y, v);
        }
}

// 3 x 5 digit glyphs, one bit per pixel, rows top to bottom.
constexpr std::uint16_t kDigits[10] = {0x7B6F, 0x2C97, 0x73E7, 0x72CF, 0x5BC9,
                                       0x79CF, 0x79EF, 0x7249, 0x7BEF, 0x7BCF};

void DrawNumber(Image8& img, int x, int y, int scale, int number, std::uint8_t v) {
    const std::string text = std::to_string(number);
    for (std::size_t c = 0; c < text.size(); ++c) {
        const std::uint16_t glyph = kDigits[text[c] - '0'];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (glyph & (1u << (14 - (row * 3 + col))))
                    img.fillRect(x + (static_cast<int>(c) * 4 + col) * scale, y + row * scale,
                                 x + (static_cast<int>(c) * 4 + col + 1) * scale,
                                 y + (row + 1) * scale, v);
    }
}

// Helmet i in a 74 x 15 cell at (ox, oy): a side view facing right, shell in the primary hue,
// shaded from the top, one of six patterns in the second hue, a dark visor.
void DrawHelmet(Image8& img, int ox, int oy, int i) {
    const int primary = i % 12; // the twelve full runs
    const int second = (i % 12 + 3 + (i / 12) * 4) % 12;
    const int pattern = (i + i / 12 * 2) % 6;
    const double cx = 33, cy = 10, rx = 27, ry = 9.5;
    for (int y = 0; y < kHelmetHeight; ++y)
        for (int x = 0; x < kHelmetWidth; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy > 1.0 || y > 13)
                continue;
            bool alt = false;
            switch (pattern) {
            case 0:
                alt = y == 8 || y == 9;
                break; // stripe
            case 1:
                alt = (x / 6) % 2 == 1 && y < 8;
                break; // bands on the crown
            case 2:
                alt = y < 5;
                break; // top cap
            case 3:
                alt = ((x + y) / 4) % 2 == 0;
                break; // diagonals
            case 4:
                alt = (x % 7 == 3) && (y % 4 == 2);
                break; // dots
            case 5:
                alt = std::abs(x - 30) < 10 - std::abs(y - 7);
                break; // chevron
            }
            const int shade = std::clamp(13 - y * 10 / kHelmetHeight + (x < 12 ? -2 : 0), 2, 15);
            img.set(ox + x, oy + y, Shade(alt ? second : primary, shade));
        }
    // Visor opening on the front, chin guard below it.
    img.fillRect(ox + 42, oy + 5, ox + 59, oy + 9, Grey(4));
    img.fillRect(ox + 44, oy + 6, ox + 57, oy + 8, Shade(colour::kCyanRun, 3));
    img.fillRect(ox + 50, oy + 11, ox + 60, oy + 14, Grey(18));
}

} // namespace

void Image8::fillRect(int x0, int y0, int x1, int y1, std::uint8_t v) {
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = v;
}

std::vector<std::uint8_t> EncodeBmp8(const Image8& image, const Palette& palette) {
    const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3) & ~3u;
    const std::uint32_t pixelsAt = 14 + 40 + 1024;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(image.height);
    std::vector<std::uint8_t> out;
    out.reserve(pixelsAt + dataSize);
    out.push_back('B');
    out.push_back('M');
    PutLe(out, pixelsAt + dataSize, 4);
    PutLe(out, 0, 4);
    PutLe(out, pixelsAt, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(image.width), 4);
    PutLe(out, static_cast<std::uint32_t>(image.height), 4); // positive: bottom-up rows
    PutLe(out, 1, 2);
    PutLe(out, 8, 2);
    PutLe(out, 0, 4); // BI_RGB
    PutLe(out, dataSize, 4);
    PutLe(out, 2835, 4); // 72 dpi
    PutLe(out, 2835, 4);
    PutLe(out, 256, 4);
    PutLe(out, 256, 4);
    for (const Rgb& c : palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x)
            out.push_back(image.at(x, y));
        for (std::uint32_t pad = static_cast<std::uint32_t>(image.width); pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

Image8 DecodeBmp8(const std::vector<std::uint8_t>& f, Palette* palette) {
    if (f.size() < 54 || f[0] != 'B' || f[1] != 'M')
        throw std::runtime_error("not a BMP file");
    if (GetLe(f, 2, 4) != f.size())
        throw std::runtime_error("BMP size field does not match the file");
    const std::uint32_t pixelsAt = GetLe(f, 10, 4);
    if (GetLe(f, 14, 4) != 40 || GetLe(f, 26, 2) != 1 || GetLe(f, 28, 2) != 8 ||
        GetLe(f, 30, 4) != 0)
        throw std::runtime_error("not an uncompressed 8-bit BMP");
    const int width = static_cast<int>(GetLe(f, 18, 4));
    const int height = static_cast<int>(GetLe(f, 22, 4));
    std::uint32_t colours = GetLe(f, 46, 4);
    if (colours == 0)
        colours = 256;
    if (width <= 0 || height <= 0 || colours > 256 || pixelsAt < 54 + 4 * colours)
        throw std::runtime_error("bad BMP header");
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    if (pixelsAt + stride * height > f.size())
        throw std::runtime_error("BMP pixel data truncated");
    if (palette) {
        *palette = Palette{};
        for (std::uint32_t i = 0; i < colours; ++i)
            (*palette)[i] = {f[54 + 4 * i + 2], f[54 + 4 * i + 1], f[54 + 4 * i]};
    }
    Image8 img(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.set(x, height - 1 - y, f[pixelsAt + stride * y + x]);
    return img;
}

std::vector<std::uint8_t> EncodePcx8(const Image8& image, const Palette& palette) {
    const int bytesPerLine = (image.width + 1) & ~1;
    std::vector<std::uint8_t> out;
    out.push_back(0x0A); // manufacturer
    out.push_back(5);    // version 3.0 with a 256-colour palette
    out.push_back(1);    // RLE
    out.push_back(8);    // bits per pixel
    PutLe(out, 0, 2);
    PutLe(out, 0, 2);
    PutLe(out, static_cast<std::uint32_t>(image.width - 1), 2);
    PutLe(out, static_cast<std::uint32_t>(image.height - 1), 2);
    PutLe(out, 72, 2);
    PutLe(out, 72, 2);
    out.insert(out.end(), 48, 0); // 16-colour palette, unused
    out.push_back(0);
    out.push_back(1); // planes
    PutLe(out, static_cast<std::uint32_t>(bytesPerLine), 2);
    PutLe(out, 1, 2); // colour palette
    PutLe(out, static_cast<std::uint32_t>(image.width), 2);
    PutLe(out, static_cast<std::uint32_t>(image.height), 2);
    out.insert(out.end(), 54, 0);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(bytesPerLine));
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < bytesPerLine; ++x)
            line[x] = x < image.width ? image.at(x, y) : 0;
        // Runs never cross a line end; a byte of C0h or more always needs a count.
        for (int x = 0; x < bytesPerLine;) {
            int run = 1;
            while (x + run < bytesPerLine && run < 63 && line[x + run] == line[x])
                ++run;
            if (run > 1 || line[x] >= 0xC0)
                out.push_back(static_cast<std::uint8_t>(0xC0 | run));
            out.push_back(line[x]);
            x += run;
        }
    }
    out.push_back(0x0C);
    for (const Rgb& c : palette) {
        out.push_back(c.r);
        out.push_back(c.g);
        out.push_back(c.b);
    }
    return out;
}

Image8 DecodePcx8(const std::vector<std::uint8_t>& f, Palette* palette) {
    if (f.size() < 128 + 769 || f[0] != 0x0A || f[1] != 5 || f[2] != 1 || f[3] != 8 || f[65] != 1)
        throw std::runtime_error("not an 8-bit RLE PCX file");
    const int width = static_cast<int>(GetLe(f, 8, 2) - GetLe(f, 4, 2) + 1);
    const int height = static_cast<int>(GetLe(f, 10, 2) - GetLe(f, 6, 2) + 1);
    const int bytesPerLine = static_cast<int>(GetLe(f, 66, 2));
    if (width <= 0 || height <= 0 || bytesPerLine < width || bytesPerLine % 2)
        throw std::runtime_error("bad PCX header");
    const std::size_t paletteAt = f.size() - 769;
    if (f[paletteAt] != 0x0C)
        throw std::runtime_error("PCX has no 256-colour palette");
    if (palette)
        for (int i = 0; i < 256; ++i)
            (*palette)[i] = {f[paletteAt + 1 + 3 * i], f[paletteAt + 2 + 3 * i],
                             f[paletteAt + 3 + 3 * i]};
    Image8 img(width, height);
    std::size_t at = 128;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < bytesPerLine;) {
            if (at >= paletteAt)
                throw std::runtime_error("PCX pixel data truncated");
            int count = 1;
            std::uint8_t value = f[at++];
            if (value >= 0xC0) {
                count = value & 0x3F;
                if (at >= paletteAt || x + count > bytesPerLine)
                    throw std::runtime_error("PCX run crosses a line end");
                value = f[at++];
            }
            for (int k = 0; k < count; ++k, ++x)
                if (x < width)
                    img.set(x, y, value);
        }
    if (at != paletteAt)
        throw std::runtime_error("PCX has data after its last line");
    return img;
}

Image8 HelmetSheet(int variant) {
    Image8 sheet(kHelmetSheetWidth, kHelmetSheetHeight, 0);
    for (int i = 0; i < kHelmetCells; ++i) {
        int x = 0, y = 0;
        HelmetCellOrigin(i, x, y);
        DrawHelmet(sheet, x, y, i + 5 * variant);
    }
    return sheet;
}

Image8 Livery(int team, int variant) {
    // A car seen from above, nose to the right, in two team colours with its team number.
    Image8 img(kLiveryWidth, kLiveryHeight, 0);
    const int primary = (team * 5 + 3 * variant) % 12;
    const int second = (team * 5 + 6 + 5 * variant) % 12;
    const std::uint8_t tyre = Grey(3), rim = Grey(16);
    for (int cx : {70, 200})
        for (int cy : {28, 136}) {
            img.fillRect(cx - 18, cy - 16, cx + 18, cy + 16, tyre);
            img.fillRect(cx - 6, cy - 4, cx + 6, cy + 4, rim);
        }
    img.fillRect(8, 46, 40, 118, Shade(second, 9));    // rear wing
    img.fillRect(218, 40, 250, 124, Shade(second, 9)); // front wing
    for (int x = 30; x < 236; ++x) {
        // The body narrows from the sidepods to the nose.
        const int half = x < 90 ? 22 : x < 180 ? 34 : std::max(8, 34 - (x - 180) / 2);
        for (int y = 82 - half; y < 82 + half; ++y) {
            const int edge = std::min(y - (82 - half), 82 + half - 1 - y);
            img.set(x, y, Shade(primary, std::clamp(4 + edge, 4, 13)));
        }
    }
    img.fillRect(95, 76, 236, 88, Shade(second, 11));              // stripe along the spine
    FillEllipse(img, 150, 82, 22, 11, Grey(2));                    // cockpit opening
    FillEllipse(img, 146, 82, 8, 6, Shade(colour::kYellowRun, 9)); // driver's helmet
    FillEllipse(img, 110, 82, 14, 14, colour::kWhite);             // number roundel
    DrawNumber(img, team < 10 ? 104 : 100, 75, 3, team, colour::kBlack);
    if (variant != 0) // the second season's cars carry a band across the sidepods
        img.fillRect(60, 52, 76, 112, Shade(second, 5));
    return img;
}

Image8 CockpitPicture(int width, int height, int variant) {
    // The driver's view: sky and track ahead, the surround (pixel values 42-56, which the game
    // recolours per team) at the bottom, mirror housings (58-73) at the top corners, the front
    // wing (154-167) ahead, the wheel and the rev lights in fixed colours outside those ranges.
    Image8 img(width, height, Shade(colour::kBlueRun, 13));
    const auto sx = [width](double u) { return static_cast<int>(u * width); };
    const auto sy = [height](double v) { return static_cast<int>(v * height); };
    // The second season races at dusk, through dry country.
    const int ground = variant == 0 ? colour::kGreenRun : colour::kBrownRun;
    img.fillRect(0, sy(0.12), width, sy(0.42),
                 variant == 0 ? colour::kSky : Shade(colour::kOrangeRun, 10));
    img.fillRect(0, sy(0.42), width, sy(0.48), Shade(ground, 5));
    for (int y = sy(0.48); y < height; ++y) {
        const double t = (y - sy(0.48)) / static_cast<double>(height - sy(0.48));
        const int half = static_cast<int>(width * (0.08 + 0.5 * t));
        img.fillRect(0, y, width, y + 1, Shade(ground, 7));
        img.fillRect(width / 2 - half, y, width / 2 + half, y + 1, Grey(14));
    }
    for (int y = sy(0.56); y < sy(0.66); ++y) {
        const int half = static_cast<int>(width * (0.2 + 0.1 * (y - sy(0.56)) / (sy(0.1) + 1.0)));
        const int shade = std::clamp(3 + (y - sy(0.56)) * 10 / (sy(0.1) + 1), 0, 13);
        for (int x = width / 2 - half; x < width / 2 + half; ++x)
            img.set(x, y, Shade(colour::kBlueRun, shade));
    }
    for (int y = sy(0.6); y < height; ++y) {
        const double t = (y - sy(0.6)) / static_cast<double>(height - sy(0.6));
        const int open = static_cast<int>(width * (0.36 - 0.18 * t));
        const int shade = std::clamp(2 + static_cast<int>(12 * (1 - t)), 0, 14);
        for (int x = 0; x < width; ++x)
            if (std::abs(x - width / 2) > open || y > sy(0.9))
                img.set(x, y, Shade(colour::kRedRun, shade));
    }
    for (int side : {0, 1}) {
        const int x0 = side ? width - sx(0.2) - sx(0.03) : sx(0.03);
        img.fillRect(x0, sy(0.03), x0 + sx(0.2), sy(0.13), Shade(colour::kOrangeRun, 6));
        img.fillRect(x0 + 3, sy(0.03) + 3, x0 + sx(0.2) - 3, sy(0.13) - 3, Grey(24));
    }
    FillEllipse(img, width / 2.0, height * 0.86, width * 0.16, height * 0.12, Grey(5));
    FillEllipse(img, width / 2.0, height * 0.86, width * 0.12, height * 0.08, Grey(1));
    const std::uint8_t lights[4] = {colour::kGreen, colour::kGreen, colour::kYellow, colour::kRed};
    for (int k = 0; k < 4; ++k)
        FillEllipse(img, width * (0.44 + 0.04 * k), height * 0.8, width * 0.008, width * 0.008,
                    lights[k]);
    return img;
}

std::vector<std::uint8_t> JamArchive(const Image8& image) {
    std::vector<std::uint8_t> out = {'P', 'S', 'N', 'J', 'A', 'M', '0', '1'};
    const std::vector<std::uint8_t> bmp = EncodeBmp8(image, SamplePalette());
    out.insert(out.end(), bmp.begin(), bmp.end());
    return out;
}

} // namespace psn::sample
