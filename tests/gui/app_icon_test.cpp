// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/program.h"
#include "ui/app_icon.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace psn {
namespace {

// Every size the icon theme gets is drawn whole: opaque inside, clear in the rounded corners.
TEST(AppIcon, EachThemeSizeIsASquareTileWithClearCorners) {
    for (int size : AppIconSizes()) {
        const QImage icon = DrawAppIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size - 1, size - 1)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 8 + 1, size / 2)), 255) << size;
    }
}

TEST(AppIcon, EveryWindowShowsTheApplicationIcon) {
    SetUpApplication();
    DrawWindowIconsAhead(); // as at start-up: the window sizes come from a worker thread
    QDialog window;
    const QIcon icon = window.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(48).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              DrawAppIcon(48));
    // The drawn sizes are kept: asked again, in another order, each size is still its own.
    for (int size : {256, 16, 48, 32, 256, 20, 24, 64}) {
        const QImage drawn =
            icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(drawn, DrawAppIcon(size)) << size;
    }
}

} // namespace
} // namespace psn
