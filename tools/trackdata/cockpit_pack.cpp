// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cockpit_pack.h"

#include "game_palette.h"
#include "track_pack.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace psn::trackdata {
namespace {

const char* const kStems[] = {"A18",  "FW19", "F310B", "B197", "MP412", "J197",
                              "JS45", "C16",  "SF1",   "M197", "025"};
const char* const kArchives[] = {"BENETTON.JAM", "FERRARI.JAM", "FOOTWORK.JAM", "JORDAN.JAM",
                                 "LARROUS.JAM",  "LIGIER.JAM",  "LOTUS.JAM",    "MCLAREN.JAM",
                                 "MINARDI.JAM",  "PACIFIC.JAM", "SAUBER.JAM",   "SIMTEK.JAM",
                                 "TYRRELL.JAM",  "WILLIAMS.JAM"};
// Editions 0 and 5 read ".DAT"; the others replace the last letter.
const char kEditionLetters[] = {'T', 'g', 'i', 's', 'f', 'd'};

void Put16(Bytes& bytes, std::size_t at, int value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::uint8_t Shade(int run, int level) {
    return static_cast<std::uint8_t>(assets::HueRun(run) + std::clamp(level, 0, 15));
}

std::uint8_t Grey(int level) {
    return static_cast<std::uint8_t>(assets::kGreyFirst + std::clamp(level, 0, 31));
}

std::string Field(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%3d", value);
    return text;
}

std::string DataLine(const std::string& label, const std::vector<int>& fields) {
    std::string line = label;
    line.resize(33, ' ');
    const std::size_t columns[] = {33, 39, 46, 53};
    line.resize(56, ' ');
    for (std::size_t k = 0; k < fields.size(); ++k)
        line.replace(columns[k], 3, Field(fields[k]));
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

} // namespace

Bytes PcxFileBytes(int width, int height, const Bytes& pixels) {
    const int bytesPerLine = width + (width & 1);
    Bytes bytes(128, 0);
    bytes[0] = 0x0A; // manufacturer
    bytes[1] = 5;    // version with a 256-colour palette
    bytes[2] = 1;    // run-length encoding
    bytes[3] = 8;    // bits per pixel
    Put16(bytes, 8, width - 1);
    Put16(bytes, 10, height - 1);
    Put16(bytes, 12, 72);
    Put16(bytes, 14, 72);
    bytes[65] = 1; // planes
    Put16(bytes, 66, bytesPerLine);
    Put16(bytes, 68, 1); // colour palette
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < bytesPerLine) {
            const auto at = [&](int i) -> std::uint8_t {
                return i < width ? pixels[static_cast<std::size_t>(y * width + i)] : 0;
            };
            const std::uint8_t value = at(x);
            int run = 1;
            while (x + run < bytesPerLine && run < 63 && at(x + run) == value)
                ++run;
            if (run > 1 || value >= 0xC0)
                bytes.push_back(static_cast<std::uint8_t>(0xC0 | run));
            bytes.push_back(value);
            x += run;
        }
    }
    bytes.push_back(0x0C);
    for (const assets::Rgb& c : assets::GamePalette()) {
        bytes.push_back(c.r);
        bytes.push_back(c.g);
        bytes.push_back(c.b);
    }
    return bytes;
}

Bytes CockpitPicture(int choice, int width, int height) {
    Bytes pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const int hue = choice % assets::kHueRunCount;
    const double cx = width / 2.0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = (x - cx) / width;   // -0.5 .. 0.5
            const double v = double(y) / height; // 0 top .. 1 bottom
            std::uint8_t c = 0;                  // transparent: the track shows through
            // Body sides rising towards the driver, the cockpit rim and the dashboard.
            const double side = 0.62 - 0.5 * std::abs(u) * std::abs(u) * 4;
            if (v > side + 0.18 && std::abs(u) > 0.16)
                c = Shade(hue, static_cast<int>(14 - 10 * std::abs(u)));
            if (v > 0.80)
                c = Grey(static_cast<int>(4 + 6 * (1 - v)));
            // Steering wheel: a ring with grips, and the rev display in its middle.
            const double dx = (x - cx) / (width * 0.22), dy = (y - height * 0.98) / (height * 0.3);
            const double r = std::sqrt(dx * dx + dy * dy);
            if (r > 0.78 && r < 1.0 && dy < 0)
                c = Grey(3);
            if (r < 0.35 && dy < 0)
                c = Grey(8);
            if (std::abs(dx) < 0.3 && dy > -0.62 && dy < -0.5)
                c = Shade((hue + 6) % assets::kHueRunCount, 12);
            // Mirrors on both sides.
            if (v > 0.42 && v < 0.5 && std::abs(u) > 0.36 && std::abs(u) < 0.47)
                c = Grey(26);
            pixels[static_cast<std::size_t>(y * width + x)] = c;
        }
    }
    return pixels;
}

std::string CockpitDataText(int choice) {
    std::string text;
    const auto add = [&](const std::string& line) { text += line + "\r\n"; };
    add(DataLine("Y limit", {150 + choice}));
    for (int row = 1; row <= 121; ++row) {
        std::vector<int> fields;
        for (int k = 0; k < 4; ++k)
            fields.push_back((row * 7 + k * 29 + choice * 11) % 256);
        add(DataLine("XY data " + std::to_string(row), fields));
    }
    add("");
    add("SVGA screen data");
    for (int value : {400 - choice, 640, 399 - choice, 130 + choice})
        add(DataLine("SVGA", {value}));
    for (int i = 0; i < 28; ++i)
        add(DataLine("SVGA text " + std::to_string(i + 1),
                     {20 + (i % 7) * 88 + choice, 300 + (i / 7) * 22}));
    add("");
    add("VGA screen data");
    for (int value : {200 - choice, 320, 199 - choice, 65 + choice})
        add(DataLine("VGA", {value}));
    for (int i = 0; i < 28; ++i)
        add(DataLine("VGA text " + std::to_string(i + 1),
                     {10 + (i % 7) * 44 + choice, 150 + (i / 7) * 11}));
    return text;
}

Bytes CarSetArchive(int team) {
    constexpr int kWidth = 256, kHeight = 164;
    Bytes pixels(static_cast<std::size_t>(kWidth * kHeight));
    const int hue = team % assets::kHueRunCount;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            // Livery stripes of the team's hue, a second colour band and a number panel.
            int level = 6 + (x + y) % 32 / 4;
            std::uint8_t c = Shade(hue, level);
            if (y > 60 && y < 80)
                c = Shade((hue + 5) % assets::kHueRunCount, 10);
            if (x > 100 && x < 150 && y > 20 && y < 50)
                c = Grey(31);
            pixels[static_cast<std::size_t>(y * kWidth + x)] = c;
        }
    Bytes bytes{'P', 'S', 'N', 'J', 'A', 'M', '0', '1'};
    const Bytes bitmap = assets::BitmapFileBytes(kWidth, kHeight, pixels, assets::GamePalette());
    bytes.insert(bytes.end(), bitmap.begin(), bitmap.end());
    return bytes;
}

bool WriteCockpitPack(const std::string& dataDir, PackFiles& written) {
    bool ok = true;
    for (int choice = 0; choice < 11; ++choice) {
        const std::string stem = kStems[choice];
        ok = WritePackFile(dataDir, stem + "HI.PCX",
                           PcxFileBytes(640, 400, CockpitPicture(choice, 640, 400)), written) &&
             ok;
        ok = WritePackFile(dataDir, stem + "LO.PCX",
                           PcxFileBytes(320, 200, CockpitPicture(choice, 320, 200)), written) &&
             ok;
        const std::string text = CockpitDataText(choice);
        for (char letter : kEditionLetters)
            ok = WritePackFile(dataDir, stem + ".DA" + letter, Bytes(text.begin(), text.end()),
                               written) &&
                 ok;
    }
    return ok;
}

bool WriteCarSetPack(const std::string& dataDir, PackFiles& written) {
    bool ok = true;
    for (int team = 0; team < 14; ++team)
        ok = WritePackFile(dataDir, kArchives[team], CarSetArchive(team), written) && ok;
    return ok;
}

} // namespace psn::trackdata
