// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editors/power_blocks.h"
#include "support/scratch_game.h"

#include <filesystem>
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

TEST(PowerBlocks, TeamWordsCarryABiasThatWraps) {
    struct Case {
        std::uint16_t stored;
        std::uint16_t shown;
    };
    const std::vector<Case> cases = {{32817, 0}, {34396, 1579}, {32816, 65535}, {0, 32719}};
    ScratchGame game(6);
    const std::uint32_t block = ExeOffset(ExeRow::EnginePower, 6);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto w = cases[i].stored;
        game.PokeExe(block + 2 * i, {std::uint8_t(w), std::uint8_t(w >> 8)}); // qualification
        game.PokeExe(block + 40 + 38 - 2 * i, {std::uint8_t(w), std::uint8_t(w >> 8)}); // other
    }
    RunOp(game, ReadEnginePower);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(game.state.record.u16(rec::EnginePowerQual(int(i) + 1)), cases[i].shown);
        EXPECT_EQ(game.state.record.u16(rec::EnginePowerOther(20 - int(i))), cases[i].shown);
    }
    const auto before = game.Exe();
    RunOp(game, WriteEnginePower); // the switch byte reads as off here and is patched
    auto after = game.Exe();
    std::fill_n(after.begin() + ExeOffset(ExeRow::RandomPowerPatch, 6), 5, 0);
    EXPECT_EQ(after, before);
}

TEST(PowerBlocks, TeamsBeyondFourteenSurviveImportAndExport) {
    ScratchGame game;
    const std::uint32_t block = ExeOffset(ExeRow::EnginePower, 0);
    std::vector<std::uint8_t> words(80);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint8_t>(i * 13 + 5);
    game.PokeExe(block, words);
    game.PokeExe(ExeOffset(ExeRow::RandomPowerPatch, 0), {0xE8});
    RunOp(game, ReadEnginePower);
    for (int team = 1; team <= 14; ++team) {
        game.state.record.setU16(rec::EnginePowerQual(team), 700);
        game.state.record.setU16(rec::EnginePowerOther(team), 800);
    }
    RunOp(game, WriteEnginePower);
    const auto exe = game.Exe();
    for (int team = 1; team <= 20; ++team) {
        const std::size_t q = block + 2 * (team - 1), o = block + 40 + 2 * (team - 1);
        if (team <= 14) {
            EXPECT_EQ(WordAt(exe, q), 700 + 32817);
            EXPECT_EQ(WordAt(exe, o), 800 + 32817);
        } else {
            EXPECT_EQ(WordAt(exe, q), WordAt(words, q - block)) << team;
            EXPECT_EQ(WordAt(exe, o), WordAt(words, o - block)) << team;
        }
    }
}

// Off overwrites the call with no-operation bytes; on puts the call back from the backup of the
// original, and where no backup holds it the record shows the game's off and says so.
TEST(PowerBlocks, RandomPowerSwitchTurnsBackOnOnlyFromTheBackup) {
    const std::uint32_t at = ExeOffset(ExeRow::RandomPowerPatch, 0);
    const std::vector<std::uint8_t> call = {0xE8, 0x11, 0x22, 0x33, 0x44};
    const std::vector<std::uint8_t> nops(5, 0x90);
    struct Step {
        int recordSwitch; // what the window holds at export
        std::vector<std::uint8_t> after;
        int readBack;
        bool taken;
    };
    ScratchGame game;
    game.PokeExe(at, call);
    game.PokeExe(at + 5, {0xC3});
    RunOp(game, ReadEnginePower);
    EXPECT_EQ(game.state.record.u8(rec::kRandomPowerSwitch), 1);
    const auto run = [&](const Step& step) {
        game.state.record.setU8(rec::kRandomPowerSwitch, std::uint8_t(step.recordSwitch));
        RunOp(game, WriteEnginePower);
        EXPECT_EQ(game.state.record.u8(rec::kRandomPowerSwitch), step.readBack);
        EXPECT_EQ(game.state.notTaken.empty(), step.taken);
        game.state.notTaken.clear();
        const auto exe = game.Exe();
        EXPECT_EQ(std::vector<std::uint8_t>(exe.begin() + at, exe.begin() + at + 5), step.after);
        EXPECT_EQ(exe[at + 5], 0xC3);
        RunOp(game, ReadEnginePower);
        EXPECT_EQ(game.state.record.u8(rec::kRandomPowerSwitch), step.readBack);
    };
    // The first change keeps the original as PSN.EXE.bak.
    for (const Step& step : {Step{1, call, 1, true}, Step{0, nops, 0, true}, Step{1, call, 1, true},
                             Step{0, nops, 0, true}})
        run(step);
    ASSERT_EQ(test::ReadFileBytes(game.ExePath() + ".bak"), [&] {
        auto original = game.Exe();
        std::copy(call.begin(), call.end(), original.begin() + at);
        return original;
    }());

    // A backup that does not hold the call there, or is no copy of this file, or none at all.
    auto other = test::ReadFileBytes(game.ExePath() + ".bak");
    other[at] = 0x90;
    test::WriteFileBytes(game.ExePath() + ".bak", other);
    run(Step{1, nops, 0, false});
    other[at] = 0xE8;
    other.push_back(0);
    test::WriteFileBytes(game.ExePath() + ".bak", other);
    run(Step{1, nops, 0, false});
    std::filesystem::remove(game.ExePath() + ".bak");
    run(Step{1, nops, 0, false});
    // Bytes there that are neither the call nor the switch's own are left alone.
    game.PokeExe(at, {0x90, 0x90, 0x90, 0x90, 0xCC});
    other.pop_back();
    test::WriteFileBytes(game.ExePath() + ".bak", other);
    run(Step{1, {0x90, 0x90, 0x90, 0x90, 0xCC}, 0, false});
}

TEST(PowerBlocks, HumanWordsAreRawAndSevenBytesApart) {
    ScratchGame game(3);
    game.PokeExe(0xA5A98, {0x34, 0x12, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0x78, 0x56});
    RunOp(game, ReadHumanPower);
    EXPECT_EQ(game.state.record.u16(rec::kHumanPowerOther), 0x1234);
    EXPECT_EQ(game.state.record.u16(rec::kHumanPowerQual), 0x5678);
    game.state.record.setU16(rec::kHumanPowerOther, 65535);
    game.state.record.setU16(rec::kHumanPowerQual, 2);
    RunOp(game, WriteHumanPower);
    const auto exe = game.Exe();
    EXPECT_EQ(std::vector<std::uint8_t>(exe.begin() + 0xA5A98, exe.begin() + 0xA5AA1),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0x02, 0x00}));
}

TEST(PowerBlocks, EveryFailedTransferIsFatal) {
    for (const bool switchOn : {false, true})
        for (auto* op : {ReadEnginePower, WriteEnginePower, ReadHumanPower, WriteHumanPower}) {
            ScratchGame game;
            game.state.record.setU8(rec::kRandomPowerSwitch, switchOn);
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
        }
}

} // namespace
} // namespace psn
