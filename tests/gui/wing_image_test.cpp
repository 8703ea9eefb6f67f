// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_palette.h"
#include "graphics/wing_image.h"
#include "support/scratch_game.h"

#include <QImage>
#include <gtest/gtest.h>

namespace psn {
namespace {

using assets::Palette;

// A picture whose pixel at (x, y) is `value(x, y)`, saved as an uncompressed bitmap file.
std::string WritePicture(const test::TempDir& dir, const std::string& name, int width, int height,
                         const std::function<std::uint8_t(int, int)>& value,
                         const Palette& palette = assets::GamePalette()) {
    std::vector<std::uint8_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(value(x, y));
    const std::string path = dir.str() + "/" + name;
    test::WriteFileBytes(path, assets::BitmapFileBytes(width, height, pixels, palette));
    return path;
}

std::uint8_t Diagonal(int x, int y) {
    return static_cast<std::uint8_t>(x + 3 * y);
}

TEST(WinGImage, StartsEmptyWithSystemColoursAtBothEnds) {
    TWinGImage image;
    EXPECT_EQ(image.FileName(), "(none)");
    EXPECT_TRUE(image.AutoSize());
    EXPECT_EQ(image.WinG().Width(), 1);
    EXPECT_EQ(image.WinG().Colour(7), qRgb(192, 192, 192));
    EXPECT_EQ(image.WinG().Colour(9), qRgb(166, 202, 240));
    EXPECT_EQ(image.WinG().Colour(246), qRgb(255, 251, 240));
    EXPECT_EQ(image.WinG().Colour(252), qRgb(0, 0, 255));
    EXPECT_EQ(image.WinG().Colour(100), qRgb(0, 0, 0));
}

TEST(WinGImage, LoadTakesPictureSizePixelsAndOwnColoursOnly) {
    test::TempDir dir;
    Palette palette{};
    for (int i = 0; i < 256; ++i)
        palette[i] = {static_cast<std::uint8_t>(i), 1, 2};
    const auto path = WritePicture(dir, "p.dib", 501, 7, Diagonal, palette);
    TWinGImage image;
    image.SetFileName(QString::fromStdString(path));
    const TWinG& wing = image.WinG();
    EXPECT_EQ(wing.Width(), 501);
    EXPECT_EQ(wing.Height(), 7);
    EXPECT_EQ(wing.Stride(), 504);
    EXPECT_EQ(wing.Pixel(500, 6), Diagonal(500, 6));
    EXPECT_EQ(wing.Pixel(0, 0), 0);
    EXPECT_EQ(wing.Colour(10), qRgb(10, 1, 2));
    EXPECT_EQ(wing.Colour(245), qRgb(245, 1, 2));
    EXPECT_EQ(wing.Colour(0), qRgb(0, 0, 0));
    EXPECT_EQ(wing.Colour(255), qRgb(255, 255, 255)); // the system's, not the picture's
}

TEST(WinGImage, EmptyFileNameClearsSurface) {
    test::TempDir dir;
    TWinGImage image;
    image.SetFileName(QString::fromStdString(WritePicture(dir, "p.dib", 8, 4, Diagonal)));
    image.SetFileName("");
    EXPECT_EQ(image.FileName(), "(none)");
    EXPECT_EQ(image.WinG().Width(), 8);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(image.WinG().Pixel(x, y), 0);
    image.resize(8, 4);
    EXPECT_EQ(image.grab().toImage().pixel(3, 2), image.WinG().Colour(0));
}

TEST(WinGImage, FailedLoadLeavesClearedSurfaceAndNewName) {
    test::TempDir dir;
    TWinGImage image;
    image.SetFileName(QString::fromStdString(WritePicture(dir, "p.dib", 8, 4, Diagonal)));
    const QString broken = QString::fromStdString(dir.str() + "/broken.dib");
    test::WriteFileBytes(broken.toStdString(), {'B', 'M', 1, 2, 3});
    EXPECT_THROW(image.SetFileName(broken), EInvalidGraphic);
    EXPECT_EQ(image.FileName(), broken);
    EXPECT_EQ(image.WinG().Pixel(7, 3), 0);
    EXPECT_THROW(image.SetFileName(broken + "x"), EFOpenError);
}

TEST(WinGImage, WithoutAutoSizeOnlyTheOverlapIsCopied) {
    test::TempDir dir;
    const auto big = WritePicture(dir, "big.dib", 20, 10, [](int, int) { return 50; });
    const auto small = WritePicture(dir, "small.dib", 3, 2, [](int, int) { return 60; });
    TWinGImage image;
    image.SetAutoSize(false);
    image.WinG().SetWidth(6);
    image.WinG().SetHeight(5);
    image.SetFileName(QString::fromStdString(big));
    EXPECT_EQ(image.WinG().Width(), 6);
    EXPECT_EQ(image.WinG().Pixel(5, 4), 50);
    // SetFileName clears the surface; write over it directly, as the editors do.
    image.WinG().Pixel(5, 4) = 99;
    image.SetFileName(QString::fromStdString(small));
    EXPECT_EQ(image.WinG().Pixel(2, 1), 60);
    EXPECT_EQ(image.WinG().Pixel(3, 1), 0);
    image.WinG().Pixel(5, 4) = 99;
    image.SetAutoSize(true); // reloads at the picture's size
    EXPECT_EQ(image.WinG().Width(), 3);
    EXPECT_EQ(image.WinG().Pixel(2, 1), 60);
}

TEST(WinGImage, ViewIsClampedToSurface) {
    test::TempDir dir;
    TWinGImage image;
    image.SetFileName(QString::fromStdString(WritePicture(dir, "p.dib", 601, 135, Diagonal)));
    TView& view = image.View();
    view.SetMode(ViewMode::Portion);
    view.SetLeft(700);
    EXPECT_EQ(view.Left(), 600);
    view.SetWidth(100);
    EXPECT_EQ(view.Width(), 1);
    view.SetLeft(501);
    view.SetTop(68);
    view.SetHeight(67);
    view.SetWidth(100);
    EXPECT_EQ(std::tuple(view.Left(), view.Top(), view.Width(), view.Height()),
              std::tuple(501, 68, 100, 67));
    view.SetTop(200);
    EXPECT_EQ(view.Top(), 134);
    EXPECT_EQ(view.Height(), 1);
    // A smaller picture clamps the view again once loaded.
    image.SetFileName(QString::fromStdString(WritePicture(dir, "q.dib", 550, 100, Diagonal)));
    EXPECT_EQ(std::tuple(view.Left(), view.Top(), view.Width(), view.Height()),
              std::tuple(501, 99, 49, 1));
}

TEST(WinGImage, PaintsPortionScaledThroughColourTable) {
    test::TempDir dir;
    // Left half value 20, right half 200.
    const auto path =
        WritePicture(dir, "p.dib", 40, 10, [](int x, int) { return x < 20 ? 20 : 200; });
    TWinGImage image;
    image.SetFileName(QString::fromStdString(path));
    image.resize(40, 10);
    QImage shown = image.grab().toImage();
    EXPECT_EQ(shown.pixel(5, 5), image.WinG().Colour(20));
    EXPECT_EQ(shown.pixel(35, 5), image.WinG().Colour(200));
    image.View().SetMode(ViewMode::Portion);
    image.View().SetLeft(20);
    image.View().SetWidth(10);
    image.View().SetHeight(10);
    shown = image.grab().toImage();
    EXPECT_EQ(shown.pixel(0, 0), image.WinG().Colour(200));
    EXPECT_EQ(shown.pixel(39, 9), image.WinG().Colour(200));
    // Bytes written directly show after a repaint.
    image.WinG().Pixel(20, 0) = 5;
    EXPECT_EQ(image.grab().toImage().pixel(0, 0), image.WinG().Colour(5));
    EXPECT_EQ(image.WinG().Colour(5), qRgb(128, 0, 128));
}

TEST(WinGImage, SetColorsKeepsSystemEntries) {
    TWinGImage image;
    std::vector<std::uint8_t> entries(20 * 4, 0x33);
    image.SetColors(0, 20, entries.data());
    EXPECT_EQ(image.WinG().Colour(9), qRgb(166, 202, 240));
    EXPECT_EQ(image.WinG().Colour(10), qRgb(0x33, 0x33, 0x33));
    EXPECT_EQ(image.WinG().Colour(19), qRgb(0x33, 0x33, 0x33));
    EXPECT_EQ(image.WinG().Colour(20), qRgb(0, 0, 0));
    image.SetColors(240, 20, entries.data());
    EXPECT_EQ(image.WinG().Colour(245), qRgb(0x33, 0x33, 0x33));
    EXPECT_EQ(image.WinG().Colour(246), qRgb(255, 251, 240));
}

} // namespace
} // namespace psn
