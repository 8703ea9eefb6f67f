// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editors/lineup.h"
#include "editors/names_blocks.h"
#include "support/scratch_game.h"

#include <functional>
#include <gtest/gtest.h>

namespace psn {
namespace {

using test::ScratchGame;

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

void RunOnExe(ScratchGame& game, void (*op)(AppState&)) {
    game.state.OpenGameExe();
    op(game.state);
    game.state.CloseGameFiles();
}

void RunOnState(ScratchGame& game, void (*op)(AppState&)) {
    game.state.OpenStateFile();
    op(game.state);
    game.state.CloseGameFiles();
}

TEST(NamesBlocks, CarNumberBytesSplitIntoNumberAndMark) {
    struct Case {
        std::uint8_t byte;
        int number;
        int mark;
    };
    const std::vector<Case> cases = {{0, 0, 0},     {1, 1, 0},   {40, 40, 0},
                                     {128, 128, 0}, {129, 1, 1}, {255, 127, 1}};
    ScratchGame game;
    std::vector<std::uint8_t> numbers(40, 7);
    for (std::size_t i = 0; i < cases.size(); ++i)
        numbers[2 * i + 1] = cases[i].byte; // the second slots of teams 1..6
    game.PokeExe(ExeOffset(ExeRow::CarNumbers, 0), numbers);
    RunOnExe(game, ReadNamesExe);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const int slot = static_cast<int>(2 * i + 2);
        EXPECT_EQ(SlotNumber(game.state.record, slot), cases[i].number) << int(cases[i].byte);
        EXPECT_EQ(game.state.record.u8(rec::SlotMark(slot)), cases[i].mark) << int(cases[i].byte);
    }
}

TEST(NamesBlocks, TeamInUseFollowsTheFirstDriversNumberInBothFiles) {
    for (const bool fromState : {false, true}) {
        ScratchGame game;
        std::vector<std::uint8_t> numbers(40, 0);
        numbers[0] = 1;   // team 1 first driver
        numbers[3] = 4;   // team 2 second driver only: not in use
        numbers[4] = 133; // team 3 first driver, selected
        if (fromState)
            test::WriteFileBytes(game.StatePath(), [&] {
                auto bytes = game.State();
                std::copy(numbers.begin(), numbers.end(), bytes.begin() + state::kCarNumbers);
                return bytes;
            }());
        else
            game.PokeExe(ExeOffset(ExeRow::CarNumbers, 0), numbers);
        for (int team = 1; team <= kTeamCount; ++team)
            game.state.record.setU8(rec::TeamInUse(team), 1);
        if (fromState)
            RunOnState(game, ReadNamesState);
        else
            RunOnExe(game, ReadNamesExe);
        EXPECT_EQ(TeamsInUse(game.state.record), (std::vector<int>{1, 3})) << fromState;
    }
}

TEST(NamesBlocks, ZeroBytesInsideANameAreSkipped) {
    ScratchGame game;
    const std::uint32_t teams = ExeOffset(ExeRow::TeamNames, 0);
    game.PokeExe(teams, {'A', 'B', 0, 'C', 'D', 0, 0, 0, 0, 0, 0, 0, 0});
    game.PokeExe(teams + 13, Bytes("Thirteen char"));
    game.PokeExe(ExeOffset(ExeRow::DriverNames, 0) + 24 * 39,
                 {0, 0, 'Z', 0xE9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'q'});
    RunOnExe(game, ReadNamesExe);
    EXPECT_EQ(game.state.record.str(rec::TeamName(1), 13), "ABCD");
    EXPECT_EQ(game.state.record.str(rec::TeamName(2), 13), "Thirteen char");
    EXPECT_EQ(DriverName(game.state.record, 40), "Z\xE9q");
}

TEST(NamesBlocks, WritingPadsNamesWithZeroBytes) {
    ScratchGame game;
    game.PokeExe(ExeOffset(ExeRow::TeamNames, 0), std::vector<std::uint8_t>(182, 'x'));
    // A longer name stored earlier leaves its bytes behind the length; only the length counts.
    game.state.record.setStr(rec::TeamName(1), 13, "Longer name");
    game.state.record.setStr(rec::TeamName(1), 13, "Mauve");
    RunOnExe(game, WriteNamesExe);
    const auto exe = game.Exe();
    const auto at = exe.begin() + ExeOffset(ExeRow::TeamNames, 0);
    EXPECT_EQ(std::vector<std::uint8_t>(at, at + 13),
              (std::vector<std::uint8_t>{'M', 'a', 'u', 'v', 'e', 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::vector<std::uint8_t>(at + 13, at + 26), std::vector<std::uint8_t>(13, 0));
}

TEST(NamesBlocks, FirstDriverSwitchReadsOnlyFFAsOnAndWritesOffAs222) {
    struct Case {
        std::uint8_t stored;
        int read;
        std::uint8_t written;
    };
    ScratchGame game(4);
    const std::uint32_t at = ExeOffset(ExeRow::FirstDriverSwitch, 4);
    for (const Case c : {Case{0xFF, 1, 0xFF}, Case{0xDE, 0, 0xDE}, Case{0x00, 0, 0xDE},
                         Case{0x01, 0, 0xDE}, Case{0xFE, 0, 0xDE}}) {
        game.PokeExe(at, {c.stored});
        RunOnExe(game, ReadNamesExe);
        EXPECT_EQ(game.state.record.u8(rec::kFirstDriverSwitch), c.read) << int(c.stored);
        RunOnExe(game, WriteNamesExe);
        EXPECT_EQ(game.Exe()[at], c.written) << int(c.stored);
    }
}

// Every byte the names blocks touch, in both files, by edition; the rest of each file is filled
// with a pattern that must survive a read followed by a write.
TEST(NamesBlocks, ImportThenExportKeepsBothFilesByteForByte) {
    for (const int edition : {0, 3, 6}) {
        ScratchGame game(edition);
        auto exe = game.Exe();
        for (std::size_t i = 0x1DC000; i < 0x1DD000; ++i)
            exe[i] = static_cast<std::uint8_t>(i * 7 + 1);
        // Name fields that a read turns into something else (zero bytes in the middle) are not
        // kept, so keep them zero-free with trailing zeros.
        const auto fill = [&](std::uint32_t at, int count, int width) {
            for (int f = 0; f < count; ++f)
                for (int i = 0; i < width; ++i)
                    exe[at + f * width + i] =
                        i < width / 2 ? static_cast<std::uint8_t>('A' + f) : 0;
        };
        fill(ExeOffset(ExeRow::TeamNames, edition), 14, 13);
        fill(ExeOffset(ExeRow::EngineNames, edition), 14, 13);
        fill(ExeOffset(ExeRow::DriverNames, edition), 40, 24);
        exe[ExeOffset(ExeRow::FirstDriverSwitch, edition)] = 0xFF;
        test::WriteFileBytes(game.ExePath(), exe);
        auto sav = game.State();
        for (std::size_t i = 0; i < sav.size(); ++i)
            sav[i] = static_cast<std::uint8_t>(i % 200 + 1);
        for (int f = 0; f < 40; ++f)
            for (int i = 0; i < 24; ++i)
                sav[state::kDriverNames + f * 24 + i] =
                    i < 3 ? static_cast<std::uint8_t>('a' + f % 26) : 0;
        for (const auto base : {state::kTeamNames, state::kEngineNames})
            for (int f = 0; f < 14; ++f)
                for (int i = 0; i < 13; ++i)
                    sav[base + f * 13 + i] = i < 10 ? static_cast<std::uint8_t>('a' + f) : 0;
        test::WriteFileBytes(game.StatePath(), sav);

        RunOnExe(game, ReadNamesExe);
        const SettingsRecord fromExe = game.state.record;
        RunOnState(game, ReadNamesState);
        RunOnState(game, WriteNamesState);
        game.state.record = fromExe;
        RunOnExe(game, WriteNamesExe);
        EXPECT_EQ(game.Exe(), exe) << "edition " << edition;
        EXPECT_EQ(game.State(), sav) << "edition " << edition;
    }
}

TEST(NamesBlocks, SaveStateBlockHasNoFirstDriverSwitch) {
    ScratchGame game;
    game.state.record.setU8(rec::kFirstDriverSwitch, 1);
    for (int slot = 1; slot <= 40; ++slot)
        game.state.record.setU8(rec::SlotNumber(slot), static_cast<std::uint8_t>(slot));
    game.state.record.setU8(rec::SlotMark(3), 1);
    RunOnState(game, WriteNamesState);
    const auto sav = game.State();
    EXPECT_EQ(sav[state::kCarNumbers], 1);
    EXPECT_EQ(sav[state::kCarNumbers + 2], 3 + 128);
    EXPECT_EQ(sav[state::kCarNumbers + 39], 40);
    EXPECT_EQ(std::count(sav.begin(), sav.end(), 0xFF), 0);
    EXPECT_EQ(game.Exe()[ExeOffset(ExeRow::FirstDriverSwitch, 0)], 0);
}

// Sweeping a failure over every transfer proves each one is checked: every failing run raises
// the file access error, and the first run past the last transfer succeeds.
TEST(NamesBlocks, EveryFailedTransferIsFatal) {
    const std::vector<std::pair<const char*, std::function<void(AppState&)>>> ops = {
        {"ReadNamesExe",
         [](AppState& s) {
             s.OpenGameExe();
             ReadNamesExe(s);
         }},
        {"WriteNamesExe",
         [](AppState& s) {
             s.OpenGameExe();
             WriteNamesExe(s);
         }},
        {"ReadNamesState",
         [](AppState& s) {
             s.OpenStateFile();
             ReadNamesState(s);
         }},
        {"WriteNamesState",
         [](AppState& s) {
             s.OpenStateFile();
             WriteNamesState(s);
         }},
    };
    for (const auto& [name, op] : ops) {
        ScratchGame game;
        long failAt = 1;
        for (;; ++failAt) {
            game.state.faults->count = 0;
            game.state.faults->failAt = failAt;
            // Within a command that is dropped: only the block's own transfers count.
            game.state.BeginCommand();
            bool failed = false;
            try {
                op(game.state);
            } catch (const FileAccessError& e) {
                EXPECT_STREQ(e.what(), " File access error! ");
                failed = true;
            }
            game.state.DiscardCommand();
            if (!failed)
                break;
        }
        EXPECT_EQ(failAt, game.state.faults->count + 1) << name;
        EXPECT_GT(failAt, 40) << name;
    }
}

} // namespace
} // namespace psn
