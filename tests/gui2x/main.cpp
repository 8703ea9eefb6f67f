// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The looks tests again on a screen at twice the pixel density. Qt takes the scale only before
// the application starts, hence a program of its own.
#include "support/test_application.h"

#include <cstdio>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    psn::test::TestApplication app(argc, argv);
    if (app.devicePixelRatio() != 2) {
        std::fprintf(stderr, "gui2x_tests: the screen is not at scale 2\n");
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
