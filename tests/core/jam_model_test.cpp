// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/jam_model.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

TEST(JamModel, ListsStandRowForRow) {
    struct Case {
        int row, otherRows, beside;
    };
    for (const Case& c : {Case{-1, 12, -1}, {0, 12, 0}, {11, 12, 11}, {12, 12, -1}, {13, 0, -1}})
        EXPECT_EQ(TeamRowBeside(c.row, c.otherRows), c.beside) << c.row << " of " << c.otherRows;
    for (const Case& c : {Case{-1, 14, -1}, {0, 14, 0}, {13, 14, 13}, {14, 14, -1}})
        EXPECT_EQ(ArchiveRowBeside(c.row, c.otherRows), c.beside) << c.row << " of " << c.otherRows;
}

} // namespace
} // namespace psn
