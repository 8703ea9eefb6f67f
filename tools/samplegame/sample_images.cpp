#include "tools/samplegame/sample_images.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace psn::sample {
namespace {

// Hues of the 15 shade runs; run 2 (42..57) is the cockpit surround, run 3 (58..73) the mirrors
// and run 9 (154..169) the front wing in the cockpit pictures.
constexpr Rgb kRunHues[15] = {
    {230, 190, 150}, // 0 skin
    {200, 200, 205}, // 1 grey
    {60, 60, 70},    // 2 cockpit carbon
    {170, 180, 195}, // 3 mirror silver
    {220, 30, 30},   // 4 red
    {240, 130, 20},  // 5 orange
    {245, 220, 40},  // 6 yellow
    {40, 170, 60},   // 7 green
    {20, 90, 40},    // 8 dark green
    {40, 80, 200},   // 9 blue
    {20, 30, 110},   // 10 navy
    {130, 50, 170},  // 11 purple
    {220, 60, 150},  // 12 magenta
    {120, 75, 35},   // 13 brown
    {60, 190, 210},  // 14 cyan
};

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
    const int primary = 4 + i % 11; // runs 4..14
    const int second = 4 + (i % 11 + 3 + (i / 11) * 4) % 11;
    const int pattern = (i + i / 11 * 2) % 6;
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
    img.fillRect(ox + 42, oy + 5, ox + 59, oy + 9, 2);
    img.fillRect(ox + 44, oy + 6, ox + 57, oy + 8, Shade(14, 4));
    img.fillRect(ox + 50, oy + 11, ox + 60, oy + 14, Shade(1, 6));
}

} // namespace

void Image8::fillRect(int x0, int y0, int x1, int y1, std::uint8_t v) {
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = v;
}

const Palette& SamplePalette() {
    static const Palette palette = [] {
        Palette p{};
        for (int i = 1; i <= 9; ++i)
            p[i] = {static_cast<std::uint8_t>(28 * i), static_cast<std::uint8_t>(28 * i),
                    static_cast<std::uint8_t>(28 * i)};
        for (int run = 0; run < 15; ++run)
            for (int s = 0; s < 16; ++s) {
                // Darkest first; the top shades blend towards white, like a highlight.
                const double light = 0.25 + 0.75 * s / 12.0;
                const double white = s > 12 ? (s - 12) / 5.0 : 0.0;
                auto channel = [&](int c) {
                    const double v = std::min(255.0, c * std::min(light, 1.0));
                    return static_cast<std::uint8_t>(std::lround(v + (255.0 - v) * white));
                };
                const Rgb h = kRunHues[run];
                p[Shade(run, s)] = {channel(h.r), channel(h.g), channel(h.b)};
            }
        p[250] = {120, 170, 230};
        p[251] = {150, 190, 240};
        p[252] = {180, 210, 245};
        p[253] = {90, 140, 60};
        p[254] = {110, 110, 115};
        p[255] = {255, 255, 255};
        return p;
    }();
    return palette;
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

Image8 HelmetSheet() {
    Image8 sheet(kHelmetSheetWidth, kHelmetSheetHeight, 0);
    for (int i = 0; i < kHelmetCells; ++i) {
        int x = 0, y = 0;
        HelmetCellOrigin(i, x, y);
        DrawHelmet(sheet, x, y, i);
    }
    return sheet;
}

Image8 Livery(int team) {
    // A car seen from above, nose to the right, in two team colours with its team number.
    Image8 img(kLiveryWidth, kLiveryHeight, 0);
    const int primary = 4 + (team * 3) % 11;
    const int second = 4 + (team * 3 + 5) % 11;
    const std::uint8_t tyre = 2, rim = 4;
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
    img.fillRect(95, 76, 236, 88, Shade(second, 11)); // stripe along the spine
    FillEllipse(img, 150, 82, 22, 11, 3);             // cockpit opening
    FillEllipse(img, 146, 82, 8, 6, Shade(0, 9));     // driver's helmet
    FillEllipse(img, 110, 82, 14, 14, 255);           // number roundel
    DrawNumber(img, team < 10 ? 104 : 100, 75, 3, team, 1);
    return img;
}

Image8 CockpitPicture(int width, int height) {
    // The driver's view: sky and track, the surround at the bottom, mirrors at the top corners,
    // front wing ahead, wheel and instruments.
    Image8 img(width, height, 250);
    const auto sx = [width](double u) { return static_cast<int>(u * width); };
    const auto sy = [height](double v) { return static_cast<int>(v * height); };
    img.fillRect(0, sy(0.12), width, sy(0.42), 251);
    img.fillRect(0, sy(0.42), width, sy(0.48), 253);
    for (int y = sy(0.48); y < height; ++y) {
        const double t = (y - sy(0.48)) / static_cast<double>(height - sy(0.48));
        const int half = static_cast<int>(width * (0.08 + 0.5 * t));
        img.fillRect(0, y, width, y + 1, 253);
        img.fillRect(width / 2 - half, y, width / 2 + half, y + 1, 254);
    }
    for (int y = sy(0.56); y < sy(0.66); ++y) {
        const int half = static_cast<int>(width * (0.2 + 0.1 * (y - sy(0.56)) / (sy(0.1) + 1.0)));
        for (int x = width / 2 - half; x < width / 2 + half; ++x)
            img.set(x, y, Shade(9, std::clamp(3 + (y - sy(0.56)) * 12 / (sy(0.1) + 1), 0, 13)));
    }
    for (int y = sy(0.6); y < height; ++y) {
        const double t = (y - sy(0.6)) / static_cast<double>(height - sy(0.6));
        const int open = static_cast<int>(width * (0.36 - 0.18 * t));
        for (int x = 0; x < width; ++x)
            if (std::abs(x - width / 2) > open || y > sy(0.9))
                img.set(x, y, Shade(2, std::clamp(2 + static_cast<int>(12 * (1 - t)), 0, 14)));
    }
    for (int side : {0, 1}) {
        const int x0 = side ? width - sx(0.2) - sx(0.03) : sx(0.03);
        img.fillRect(x0, sy(0.03), x0 + sx(0.2), sy(0.13), Shade(3, 3));
        img.fillRect(x0 + 3, sy(0.03) + 3, x0 + sx(0.2) - 3, sy(0.13) - 3, Shade(3, 11));
    }
    FillEllipse(img, width / 2.0, height * 0.86, width * 0.16, height * 0.12, 1);
    FillEllipse(img, width / 2.0, height * 0.86, width * 0.12, height * 0.08, Shade(2, 1));
    for (int k = 0; k < 4; ++k)
        FillEllipse(img, width * (0.44 + 0.04 * k), height * 0.8, width * 0.008, width * 0.008,
                    Shade(k < 2    ? 7
                          : k == 2 ? 6
                                   : 4,
                          10));
    return img;
}

std::vector<std::uint8_t> JamArchive(const Image8& image) {
    std::vector<std::uint8_t> out = {'P', 'S', 'N', 'J', 'A', 'M', '0', '1'};
    const std::vector<std::uint8_t> bmp = EncodeBmp8(image, SamplePalette());
    out.insert(out.end(), bmp.begin(), bmp.end());
    return out;
}

} // namespace psn::sample
