// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/helmet_model.h"
#include "graphics/helmet_table.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace psn {
namespace {

// A sheet whose every cell is filled with its own number plus one.
Bitmap8 NumberedSheet() {
    Bitmap8 sheet = MakeBitmap8(256, 180);
    for (int cell = 0; cell < kHelmetCells; ++cell) {
        const CellOrigin at = HelmetCellOrigin(cell);
        for (int y = 0; y < kHelmetHeight; ++y)
            for (int x = 0; x < kHelmetWidth; ++x)
                sheet.pixels[static_cast<std::size_t>((at.y + y) * sheet.width + at.x + x)] =
                    static_cast<std::uint8_t>(cell + 1);
    }
    return sheet;
}

// The number each cell shows, or 0 where a cell holds mixed pixels.
std::vector<int> CellNumbers(const Bitmap8& sheet) {
    std::vector<int> numbers;
    for (int cell = 0; cell < kHelmetCells; ++cell) {
        const CellOrigin at = HelmetCellOrigin(cell);
        const auto first = sheet.pixels[static_cast<std::size_t>(at.y * sheet.width + at.x)];
        int shown = first;
        for (int y = 0; y < kHelmetHeight; ++y)
            for (int x = 0; x < kHelmetWidth; ++x)
                if (sheet.pixels[static_cast<std::size_t>((at.y + y) * sheet.width + at.x + x)] !=
                    first)
                    shown = 0;
        numbers.push_back(shown);
    }
    return numbers;
}

TEST(HelmetModel, ListRowsPickTheSheetsCellsOnly) {
    for (const auto& [row, cell] : {std::pair{-1, -1}, {0, 0}, {28, 28}, {29, -1}, {39, -1}})
        EXPECT_EQ(HelmetCellOfRow(row), cell) << row;
}

// Each step is a press or a release on a cell (-1: off the sheet) with the list's row count.
TEST(HelmetModel, DragsSwapOnlyBetweenTwoListedCells) {
    struct Step {
        bool press;
        int cell;
        int listRows;
        std::optional<int> answer;
        int sourceAfter;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"press and release elsewhere", {{true, 3, 40, 3, 3}, {false, 7, 40, 7, 3}}},
        {"release on the source cell", {{true, 3, 40, 3, 3}, {false, 3, 40, std::nullopt, 3}}},
        {"release off the sheet keeps the drag",
         {{true, 3, 40, 3, 3}, {false, -1, 40, std::nullopt, 3}, {false, 5, 40, 5, 3}}},
        {"press off the sheet ends a drag",
         {{true, 3, 40, 3, 3}, {true, -1, 40, std::nullopt, -1}}},
        {"release without a press", {{false, 4, 40, std::nullopt, -1}}},
        {"cells past a short list", {{true, 10, 10, std::nullopt, -1}}},
        {"release past a short list",
         {{true, 2, 10, 2, 2}, {false, 10, 10, std::nullopt, 2}, {false, 9, 10, 9, 2}}},
    };
    for (const Case& c : cases) {
        HelmetDrag drag;
        for (const Step& step : c.steps) {
            const auto answer = step.press ? drag.Press(step.cell, step.listRows)
                                           : drag.Release(step.cell, step.listRows);
            EXPECT_EQ(answer, step.answer) << c.what << ", cell " << step.cell;
            EXPECT_EQ(drag.Source(), step.sourceAfter) << c.what << ", cell " << step.cell;
        }
    }
}

TEST(HelmetModel, ShowPasteAndSwapMoveWholeCells) {
    struct Case {
        int from, to;
    };
    for (const Case& c : {Case{0, 1}, Case{11, 12}, Case{28, 0}, Case{5, 27}}) {
        Bitmap8 sheet = NumberedSheet();
        sheet.colours[5] = 7;
        Bitmap8 single = MakeBitmap8(kSingleHelmetWidth, kSingleHelmetHeight);
        ShowHelmet(sheet, single, c.from);
        EXPECT_EQ(single.pixels[0], c.from + 1);
        EXPECT_EQ(single.colours, sheet.colours);
        SwapHelmets(sheet, single, c.from, c.to);
        std::vector<int> expected = CellNumbers(NumberedSheet());
        std::swap(expected[static_cast<std::size_t>(c.from)],
                  expected[static_cast<std::size_t>(c.to)]);
        EXPECT_EQ(CellNumbers(sheet), expected) << c.from << " to " << c.to;
        PasteHelmet(single, sheet, 20);
        EXPECT_EQ(CellNumbers(sheet)[20], c.from + 1);
    }
}

} // namespace
} // namespace psn
