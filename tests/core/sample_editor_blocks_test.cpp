// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editors/failures_blocks.h"
#include "editors/grip_blocks.h"
#include "editors/names_blocks.h"
#include "editors/power_blocks.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

// The record ranges the names, power, grip and failures blocks fill.
constexpr std::pair<std::size_t, std::size_t> kRanges[] = {
    {1, 1847}, {rec::kHumanPowerQual, rec::kRandomPowerSwitch + 1}};

void Configure(AppState& state, const sample::Installation& inst, const std::string& editorDir) {
    state.startDir = editorDir;
    state.config.SetGameDir(inst.gameDir);
    state.config.SetExePath(inst.exePath);
    state.config.SetNamesSource(1);
    state.edition = inst.edition;
}

// The sample game was written from its own table of values and offsets, so reading it checks the
// block operations against data they did not produce.
TEST(SampleEditorBlocks, ReadsGiveTheSampleValuesInEveryEdition) {
    for (const int edition : {0, 1, 3, 6}) { // a few editions keep the test fast
        SCOPED_TRACE("edition " + std::to_string(edition));
        test::TempDir dir;
        sample::Options options;
        options.edition = edition;
        options.gameDir = (dir.path() / "game").string() + "/";
        options.withTracks = false;
        options.withPictures = false;
        const sample::Installation inst = sample::MakeInstallation(options);
        AppState state;
        Configure(state, inst, dir.str());
        state.OpenGameExe();
        state.OpenStateFile();
        ReadNamesExe(state);
        ReadNamesState(state);
        ReadEnginePower(state);
        ReadHumanPower(state);
        ReadGrip(state);
        ReadGripRange(state);
        ReadFailures(state);
        state.CloseGameFiles();
        const SettingsRecord expected = inst.Expected(1, 1);
        for (const auto& [begin, end] : kRanges)
            for (std::size_t at = begin; at < end; ++at)
                ASSERT_EQ(state.record.u8(at), expected.u8(at)) << "record offset " << at;

        // Writing the performance blocks back changes nothing but a switched-off power call.
        const auto before = test::ReadFileBytes(inst.exePath);
        state.OpenGameExe();
        WriteEnginePower(state);
        WriteHumanPower(state);
        WriteGrip(state);
        WriteGripRange(state);
        WriteFailures(state);
        state.CloseGameFiles();
        const auto after = test::ReadFileBytes(inst.exePath);
        const std::size_t patch = ExeOffset(ExeRow::RandomPowerPatch, edition);
        for (std::size_t at = 0; at < after.size(); ++at)
            if (after[at] != before[at]) {
                ASSERT_EQ(state.record.u8(rec::kRandomPowerSwitch), 0) << at;
                ASSERT_TRUE(at >= patch && at < patch + 5) << at;
                ASSERT_EQ(after[at], 0x90);
            }
    }
}

} // namespace
} // namespace psn
