// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/noses_blocks.h"
#include "support/file_poke.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::Changes;
using test::Peek;
using test::Poke;
using test::ScratchGame;

constexpr std::uint32_t kBase = 0x12E5B3;

TEST(NosesBlocks, ReadTakesTheSecondTableOnly) {
    ScratchGame game;
    std::vector<std::uint8_t> area(120, 0x77); // both tables and the bytes between
    for (int t = 0; t < 14; ++t) {
        area[53 + 4 * t] = static_cast<std::uint8_t>(t % 3); // 0, 1, 2, 0, ...
        area[4 * t] = 9;                                     // first table: ignored
    }
    Poke(game.ExePath(), kBase, area);
    game.state.OpenGameExe();
    ReadNoses(game.state);
    game.state.CloseGameFiles();
    for (int t = 0; t < 14; ++t)
        EXPECT_EQ(game.state.record.u8(rec::kNoseCones + t), t % 3 != 0 ? 1 : 0) << t;
}

TEST(NosesBlocks, WriteBringsBothTablesInLineAndKeepsTheBytesBetween) {
    ScratchGame game;
    for (const int edition : {0, 3, 6}) {
        game.state.edition = edition;
        std::vector<std::uint8_t> area(120);
        for (std::size_t i = 0; i < area.size(); ++i)
            area[i] = static_cast<std::uint8_t>(0x80 + i);
        Poke(game.ExePath(), kBase, area);
        for (int t = 0; t < 14; ++t)
            game.state.record.setU8(rec::kNoseCones + t, t % 2 == 0 ? 1 : 0);
        game.state.OpenGameExe();
        WriteNoses(game.state);
        game.state.CloseGameFiles();
        const auto exe = Peek(game.ExePath(), kBase - 1, 121);
        auto expected = area;
        for (int t = 0; t < 14; ++t) {
            const bool raised = t % 2 == 0;
            expected[4 * t] = raised ? 0 : 2;
            expected[53 + 4 * t] = raised ? 1 : 0;
        }
        EXPECT_EQ(std::vector<std::uint8_t>(exe.begin() + 1, exe.end()), expected)
            << "edition " << edition;
        EXPECT_EQ(exe[0], 0);
    }
}

TEST(NosesBlocks, FailedTransferIsFatal) {
    ScratchGame game;
    for (long n = 1; n <= 60; n += 7) {
        game.state.OpenGameExe();
        game.state.faults->count = 0;
        game.state.faults->failAt = n;
        EXPECT_THROW(WriteNoses(game.state), FileAccessError) << n;
        game.state.CloseGameFiles();
    }
}

} // namespace
} // namespace psn
