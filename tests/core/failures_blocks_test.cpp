// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editors/failures_blocks.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::ScratchGame;

TEST(FailuresBlocks, TwentyRawWordsRoundTripAndNothingAround) {
    for (const int edition : {0, 2, 5, 6}) {
        ScratchGame game(edition);
        const std::uint32_t block = ExeOffset(ExeRow::Failures, edition);
        std::vector<std::uint8_t> words(40);
        for (std::size_t i = 0; i < words.size(); ++i)
            words[i] = static_cast<std::uint8_t>(0xF0 - i);
        words.insert(words.begin(), 0x5A);
        words.push_back(0xA5);
        game.PokeExe(block - 1, words);
        words = std::vector<std::uint8_t>(words.begin() + 1, words.end() - 1);
        game.state.OpenGameExe();
        ReadFailures(game.state);
        game.state.CloseGameFiles();
        EXPECT_EQ(game.state.record.u16(rec::Failure(1)), 0xEFF0) << edition;
        EXPECT_EQ(game.state.record.u16(rec::Failure(20)), 0xC9CA) << edition;
        game.state.record.setU16(rec::Failure(3), 4464);
        game.state.OpenGameExe();
        WriteFailures(game.state);
        game.state.CloseGameFiles();
        auto expected = words;
        expected[4] = 4464 & 0xFF;
        expected[5] = 4464 >> 8;
        const auto exe = game.Exe();
        EXPECT_EQ(std::vector<std::uint8_t>(exe.begin() + block, exe.begin() + block + 40),
                  expected);
        EXPECT_EQ(exe[block - 1], 0x5A);
        EXPECT_EQ(exe[block + 40], 0xA5);
    }
}

TEST(FailuresBlocks, EveryFailedTransferIsFatal) {
    for (auto* op : {ReadFailures, WriteFailures}) {
        ScratchGame game;
        long failAt = 1;
        for (;; ++failAt) {
            game.state.faults->count = 0;
            game.state.faults->failAt = failAt;
            bool failed = false;
            try {
                game.state.OpenGameExe();
                op(game.state);
            } catch (const FileAccessError&) {
                failed = true;
            }
            game.state.CloseGameFiles();
            if (!failed)
                break;
        }
        EXPECT_EQ(failAt, 1 + 1 + 40 + 1);
    }
}

} // namespace
} // namespace psn
