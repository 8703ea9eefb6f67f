// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/noses_blocks.h"
#include "editors/pitline_blocks.h"
#include "editors/tuning_blocks.h"
#include "support/file_poke.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <gtest/gtest.h>
#include <map>

namespace psn {
namespace {

using test::ScratchGame;
using test::WriteFileBytes;

struct Range {
    std::size_t first, last;
};
constexpr Range kOwnedRanges[] = {{rec::kPitOrder, rec::kPitOrder + 13},
                                  {rec::kSpeedCheckSwitch, rec::kQualifyingFuel},
                                  {rec::kNoseCones, rec::kNoseCones + 13},
                                  {rec::kLight0Colour, rec::kLight3Colour}};

// The sample game's values come out of its executable, and writing them back changes only the
// switch bytes that are not in their written form (edition 3's speed check byte 75h).
TEST(SampleGameTuning, ReadGivesTheSampleValuesAndWriteKeepsTheExecutable) {
    struct Case {
        int edition;
        std::map<std::size_t, std::uint8_t> changes;
    };
    for (const Case& c : {Case{0, {}}, Case{3, {{0x91B73, 235}}}, Case{6, {}}}) {
        const int edition = c.edition;
        ScratchGame game(edition, false);
        WriteFileBytes(game.ExePath(), sample::ExeImage(edition));
        WriteFileBytes(game.state.StartPath(kPatchListFile), sample::PatchListBytes());
        AppState& state = game.state;
        state.OpenGameExe();
        ReadPitOrder(state);
        ReadSpeedCheck(state);
        ReadPitSpeed(state);
        ReadNoses(state);
        ReadCarTuning(state, true);
        WritePitOrder(state);
        WriteSpeedCheck(state);
        WritePitSpeed(state);
        WriteNoses(state);
        WriteCarTuning(state, true);
        state.CloseGameFiles();
        const SettingsRecord expected = sample::ExpectedRecord(edition, false, 0, 0);
        for (const Range range : kOwnedRanges)
            for (std::size_t at = range.first; at <= range.last; ++at)
                EXPECT_EQ(state.record.u8(at), expected.u8(at))
                    << "edition " << edition << " offset " << at;
        EXPECT_EQ(test::Changes(sample::ExeImage(edition), game.Exe()), c.changes)
            << "edition " << edition;
    }
}

} // namespace
} // namespace psn
