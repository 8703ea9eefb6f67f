// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/pitline_blocks.h"
#include "support/file_poke.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::Changes;
using test::Peek;
using test::Poke;
using test::ScratchGame;

TEST(PitLineBlocks, OrderIsReadAndWrittenPerEdition) {
    ScratchGame game;
    for (const auto& [edition, offset] : {std::pair{0, 0x1DD12F}, std::pair{2, 0x1DD163},
                                          std::pair{5, 0x1DD12F}, std::pair{6, 0x1DD15F}}) {
        ScratchGame game(edition);
        std::vector<std::uint8_t> order;
        for (int p = 0; p < 14; ++p)
            order.push_back(static_cast<std::uint8_t>(14 - p));
        Poke(game.ExePath(), offset - 1, {0x55});
        Poke(game.ExePath(), offset, order);
        Poke(game.ExePath(), offset + 14, {0x66});
        game.state.OpenGameExe();
        ReadPitOrder(game.state);
        for (int p = 0; p < 14; ++p)
            EXPECT_EQ(game.state.record.u8(rec::kPitOrder + p), 14 - p);
        game.state.record.setU8(rec::kPitOrder, 3);
        WritePitOrder(game.state);
        game.state.CloseGameFiles();
        order[0] = 3;
        EXPECT_EQ(Peek(game.ExePath(), offset - 1, 16),
                  [&] {
                      std::vector<std::uint8_t> v{0x55};
                      v.insert(v.end(), order.begin(), order.end());
                      v.push_back(0x66);
                      return v;
                  }())
            << "edition " << edition;
    }
}

TEST(PitLineBlocks, SpeedCheckAndSpeed) {
    struct Case {
        std::uint8_t byte, flag, written;
    };
    for (const Case c :
         {Case{116, 1, 116}, Case{235, 0, 235}, Case{0, 0, 235}, Case{117, 0, 235}}) {
        ScratchGame game;
        Poke(game.ExePath(), 0x91B73, {c.byte});
        Poke(game.ExePath(), 0x138844, {0x35, 0x12, 0x99});
        game.state.OpenGameExe();
        ReadSpeedCheck(game.state);
        ReadPitSpeed(game.state);
        EXPECT_EQ(game.state.record.u8(rec::kSpeedCheckSwitch), c.flag);
        EXPECT_EQ(game.state.record.u16(rec::kPitSpeed), 0x1235);
        game.state.record.setU16(rec::kPitSpeed, 0xABCD);
        WriteSpeedCheck(game.state);
        WritePitSpeed(game.state);
        game.state.CloseGameFiles();
        EXPECT_EQ(Peek(game.ExePath(), 0x91B73, 1)[0], c.written);
        EXPECT_EQ(Peek(game.ExePath(), 0x138844, 3), (std::vector<std::uint8_t>{0xCD, 0xAB, 0x99}));
    }
}

TEST(PitLineBlocks, SpeedUnitsTruncateAtEachStep) {
    struct Case {
        std::uint16_t raw;
        unsigned kph, mph;
    };
    for (const Case c : {Case{0, 0, 0}, Case{65534, 324, 201}, Case{65535, 324, 201},
                         Case{20000, 99, 61}, Case{1, 0, 0}})
        EXPECT_EQ((std::pair{PitSpeedUnits(c.raw).kph, PitSpeedUnits(c.raw).mph}),
                  (std::pair{c.kph, c.mph}))
            << c.raw;
}

TEST(PitLineBlocks, FailedTransferIsFatal) {
    ScratchGame game;
    for (long n = 1; n <= 20; ++n) {
        game.state.OpenGameExe();
        game.state.faults->count = 0;
        game.state.faults->failAt = n;
        EXPECT_THROW(
            {
                WritePitOrder(game.state);
                WriteSpeedCheck(game.state);
                WritePitSpeed(game.state);
            },
            FileAccessError)
            << n;
        game.state.CloseGameFiles();
    }
}

} // namespace
} // namespace psn
