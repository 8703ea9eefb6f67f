// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editors/grip_blocks.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::ScratchGame;

void RunOp(ScratchGame& game, void (*op)(AppState&)) {
    game.state.OpenGameExe();
    op(game.state);
    game.state.CloseGameFiles();
}

std::uint16_t WordAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

TEST(GripBlocks, SessionWordsCarryABiasThatWraps) {
    struct Case {
        std::uint16_t stored;
        std::uint16_t shown;
    };
    const std::vector<Case> cases = {
        {15751, 0}, {32767, 17016}, {15750, 65535}, {0, 49785}, {20000, 4249}};
    ScratchGame game(2);
    const std::uint32_t block = ExeOffset(ExeRow::Grip, 2);
    std::vector<std::uint8_t> words;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto w = cases[i].stored;
        // car i+1: qualification word, then other sessions holding the next case's value
        const auto o = cases[(i + 1) % cases.size()].stored;
        words.insert(words.end(), {std::uint8_t(w), std::uint8_t(w >> 8), std::uint8_t(o),
                                   std::uint8_t(o >> 8)});
    }
    game.PokeExe(block, words);
    RunOp(game, ReadGrip);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int number = static_cast<int>(i + 1);
        EXPECT_EQ(game.state.record.u16(rec::GripQual(number)), cases[i].shown) << i;
        EXPECT_EQ(game.state.record.u16(rec::GripOther(number)),
                  cases[(i + 1) % cases.size()].shown)
            << i;
    }
    const auto before = game.Exe();
    RunOp(game, WriteGrip);
    EXPECT_EQ(game.Exe(), before); // unedited values, also the wrapped ones, go back unchanged
}

TEST(GripBlocks, WriteInterleavesQualificationAndOtherSessionsPerCar) {
    ScratchGame game;
    for (int n = 1; n <= 40; ++n) {
        game.state.record.setU16(rec::GripQual(n), static_cast<std::uint16_t>(n));
        game.state.record.setU16(rec::GripOther(n), static_cast<std::uint16_t>(1000 + n));
    }
    RunOp(game, WriteGrip);
    const auto exe = game.Exe();
    const std::uint32_t block = ExeOffset(ExeRow::Grip, 0);
    for (int n = 1; n <= 40; ++n) {
        EXPECT_EQ(WordAt(exe, block + 4 * (n - 1)), 15751 + n);
        EXPECT_EQ(WordAt(exe, block + 4 * (n - 1) + 2), 15751 + 1000 + n);
    }
    EXPECT_EQ(exe[block + 160], 0);
    EXPECT_EQ(exe[block - 1], 0);
}

TEST(GripBlocks, RangeWordsLeaveTheTwoFollowingBytesAlone) {
    ScratchGame game(1);
    const std::uint32_t block = ExeOffset(ExeRow::GripRange, 1);
    std::vector<std::uint8_t> original(160);
    for (std::size_t i = 0; i < original.size(); ++i)
        original[i] = static_cast<std::uint8_t>(0xA0 + i % 50);
    game.PokeExe(block, original);
    RunOp(game, ReadGripRange);
    EXPECT_EQ(game.state.record.u16(rec::GripRange(1)), 0xA1A0);
    EXPECT_EQ(game.state.record.u16(rec::GripRange(2)), 0xA5A4);
    for (int n = 1; n <= 40; ++n)
        game.state.record.setU16(rec::GripRange(n), static_cast<std::uint16_t>(n * 1000));
    RunOp(game, WriteGripRange);
    const auto exe = game.Exe();
    for (int n = 1; n <= 40; ++n) {
        const std::size_t at = block + 4 * (n - 1);
        EXPECT_EQ(WordAt(exe, at), n * 1000);
        EXPECT_EQ(exe[at + 2], original[4 * (n - 1) + 2]);
        EXPECT_EQ(exe[at + 3], original[4 * (n - 1) + 3]);
    }
    // The failures block follows directly and must not be touched.
    EXPECT_EQ(exe[block + 160], 0);
}

TEST(GripBlocks, EveryFailedTransferIsFatal) {
    for (auto* op : {ReadGrip, WriteGrip, ReadGripRange, WriteGripRange}) {
        ScratchGame game;
        long failAt = 1;
        for (;; ++failAt) {
            game.state.faults->count = 0;
            game.state.faults->failAt = failAt;
            // Within a command that is dropped: only the block's own transfers count.
            game.state.BeginCommand();
            bool failed = false;
            try {
                game.state.OpenGameExe();
                op(game.state);
            } catch (const FileAccessError&) {
                failed = true;
            }
            game.state.DiscardCommand();
            if (!failed)
                break;
        }
        EXPECT_EQ(failAt, game.state.faults->count + 1);
        EXPECT_GT(failAt, 80);
    }
}

TEST(GripBlocks, AFailedReadKeepsTheValuesAlreadyTransferred) {
    ScratchGame game;
    game.PokeExe(ExeOffset(ExeRow::Grip, 0), {0x88, 0x3D, 0x89, 0x3D}); // car 1: 1 and 2
    for (int n = 1; n <= 40; ++n)
        game.state.record.setU16(rec::GripQual(n), 7);
    game.state.faults->failAt = 1 + 1 + 4 + 2; // open, seek, car 1, then inside car 2
    game.state.OpenGameExe();
    EXPECT_THROW(ReadGrip(game.state), FileAccessError);
    game.state.CloseGameFiles();
    EXPECT_EQ(game.state.record.u16(rec::GripQual(1)), 1);
    EXPECT_EQ(game.state.record.u16(rec::GripOther(1)), 2);
    EXPECT_EQ(game.state.record.u16(rec::GripQual(2)), 7);
}

} // namespace
} // namespace psn
