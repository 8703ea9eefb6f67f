// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A 1024 x 1024 true-colour bitmap from a paint program loaded as a whole picture: read by Qt's
// image reader and reduced to a 256-colour table, nearest colour, against reading the file alone.
#include "graphics/user_bitmap.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

struct TempFile {
    std::string path;
    ~TempFile() { std::filesystem::remove(path); }
};

// Smooth gradients with noise: about as many distinct colours as a photograph (several hundred
// thousand), the hard case for the matching.
QString TrueColourFile() {
    static const TempFile file = [] {
        const auto path = std::filesystem::temp_directory_path() /
                          ("psn_bench_truecolour_" + std::to_string(getpid()) + ".bmp");
        QImage image(1024, 1024, QImage::Format_RGB32);
        std::uint32_t noise = 1;
        for (int y = 0; y < 1024; ++y)
            for (int x = 0; x < 1024; ++x) {
                noise = noise * 1664525u + 1013904223u;
                image.setPixel(x, y,
                               qRgb((x / 4 + static_cast<int>(noise >> 28)) & 255,
                                    (y / 4 + static_cast<int>(noise >> 24 & 15)) & 255,
                                    ((x + y) / 8 + static_cast<int>(noise >> 20 & 15)) & 255));
            }
        image.save(QString::fromStdString(path.string()), "BMP");
        return TempFile{path.string()};
    }();
    return QString::fromStdString(file.path);
}

psn::ColourTable Table() {
    psn::ColourTable table{};
    for (int i = 0; i < 256; ++i) {
        table[4 * i] = static_cast<std::uint8_t>(i * 37);
        table[4 * i + 1] = static_cast<std::uint8_t>(i * 91 + 7);
        table[4 * i + 2] = static_cast<std::uint8_t>(i);
    }
    return table;
}

void BM_TrueColourBitmapFloorReadBytes(benchmark::State& state) {
    const std::string path = TrueColourFile().toStdString();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        std::vector<char> bytes(static_cast<std::size_t>(in.tellg()));
        in.seekg(0);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_TrueColourBitmapFloorReadBytes)->Unit(benchmark::kMillisecond);

void BM_TrueColourBitmapFloorQImage(benchmark::State& state) {
    const QString path = TrueColourFile();
    for (auto _ : state) {
        QImage image(path, "BMP");
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_TrueColourBitmapFloorQImage)->Unit(benchmark::kMillisecond);

void BM_TrueColourBitmapLoadMatched(benchmark::State& state) {
    const QString path = TrueColourFile();
    const psn::ColourTable table = Table();
    for (auto _ : state) {
        const psn::FittedPicture fitted = psn::AsWholePicture(psn::ReadUserBitmap(path), table);
        benchmark::DoNotOptimize(fitted.picture.pixels.data());
    }
}
BENCHMARK(BM_TrueColourBitmapLoadMatched)->Unit(benchmark::kMillisecond);

} // namespace
