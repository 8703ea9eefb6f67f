// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/camera_blocks.h"
#include "graphics/cockpit_blocks.h"
#include "graphics/pitcrew_blocks.h"
#include "support/scratch_game.h"

#include <gtest/gtest.h>

namespace psn {
namespace {

using test::ScratchGame;

struct ColourBlock {
    const char* name;
    void (*read)(AppState&);
    void (*write)(AppState&);
    bool inState;
    std::uint32_t (*offset)(int edition);
    std::size_t recordAt;
    std::size_t size;
};

const ColourBlock kBlocks[] = {
    {"cockpit exe", ReadCockpitColoursExe, WriteCockpitColoursExe, false,
     [](int e) { return ExeOffset(ExeRow::CockpitColours, e); }, rec::kCockpitColours, 60},
    {"cockpit state", ReadCockpitColoursState, WriteCockpitColoursState, true,
     [](int) { return std::uint32_t{state::kCockpitColours}; }, rec::kCockpitColours, 60},
    {"pit crew", ReadPitCrewColours, WritePitCrewColours, false,
     [](int e) { return ExeOffset(ExeRow::PitCrewColours, e); }, rec::kPitCrewColours, 224},
};

std::vector<std::uint8_t> Pattern(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 37 + 1);
    bytes[0] = 0;
    bytes[1] = 250;
    return bytes;
}

void Open(ScratchGame& game) {
    game.state.OpenGameExe();
    game.state.OpenStateFile();
}

TEST(GraphicsBlocks, ColoursReadTenAboveFileBytesAndWriteBack) {
    for (const ColourBlock& block : kBlocks) {
        for (int edition : {4}) {
            ScratchGame game(edition);
            const std::uint32_t at = block.offset(edition);
            const auto bytes = Pattern(block.size);
            if (block.inState) {
                auto file = game.State();
                std::copy(bytes.begin(), bytes.end(), file.begin() + at);
                test::WriteFileBytes(game.StatePath(), file);
            } else {
                game.PokeExe(at, bytes);
            }
            Open(game);
            block.read(game.state);
            game.state.CloseGameFiles();
            EXPECT_EQ(game.state.record.u8(block.recordAt), 10) << block.name;
            EXPECT_EQ(game.state.record.u8(block.recordAt + 1), 4) << block.name; // wraps
            for (std::size_t i = 0; i < block.size; ++i)
                ASSERT_EQ(game.state.record.u8(block.recordAt + i),
                          static_cast<std::uint8_t>(bytes[i] + 10))
                    << block.name << " " << i;
            EXPECT_EQ(game.state.record.u8(block.recordAt + block.size), 0) << block.name;

            // Write from a zeroed file: the same bytes come back, nothing beyond the block.
            if (block.inState)
                test::WriteFileBytes(game.StatePath(),
                                     std::vector<std::uint8_t>(ScratchGame::kStateSize, 0));
            else
                game.PokeExe(at, std::vector<std::uint8_t>(block.size, 0));
            Open(game);
            block.write(game.state);
            game.state.CloseGameFiles();
            const auto file = block.inState ? game.State() : game.Exe();
            EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), file.begin() + at)) << block.name;
            EXPECT_EQ(file[at + block.size], 0) << block.name;
            EXPECT_EQ(file[at - 1], 0) << block.name;
        }
    }
}

TEST(GraphicsBlocks, CamerasTravelUnchangedIncludingHiddenRows) {
    ScratchGame game(3);
    std::vector<std::uint8_t> bytes(176);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(255 - i);
    game.PokeExe(0x13735A, bytes);
    Open(game);
    ReadCameras(game.state);
    game.state.CloseGameFiles();
    EXPECT_EQ(game.state.record.u16(rec::kCameras), 0xFEFF);
    EXPECT_EQ(game.state.record.s16(rec::kCameras + 16 * 10 + 14),
              static_cast<std::int16_t>(0x5051));

    game.PokeExe(0x13735A, std::vector<std::uint8_t>(176, 0));
    Open(game);
    WriteCameras(game.state);
    game.state.CloseGameFiles();
    const auto exe = game.Exe();
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), exe.begin() + 0x13735A));
}

TEST(GraphicsBlocks, ShortFilesFailWithFileAccessError) {
    const std::vector<std::pair<const char*, void (*)(AppState&)>> ops = {
        {"cockpit exe", ReadCockpitColoursExe},
        {"cockpit exe write", WriteCockpitColoursExe},
        {"pit crew", ReadPitCrewColours},
        {"pit crew write", WritePitCrewColours},
        {"cameras", ReadCameras},
        {"cameras write", WriteCameras},
        {"cockpit state", ReadCockpitColoursState},
    };
    for (const auto& [name, op] : ops) {
        ScratchGame game;
        test::WriteFileBytes(game.ExePath(), std::vector<std::uint8_t>(0x1000, 0));
        test::WriteFileBytes(game.StatePath(), std::vector<std::uint8_t>(100, 0));
        Open(game);
        EXPECT_THROW(op(game.state), FileAccessError) << name;
        game.state.CloseGameFiles();
    }
}

TEST(GraphicsBlocks, InjectedFailureStopsAtTheFailingTeam) {
    ScratchGame game;
    game.PokeExe(ExeOffset(ExeRow::PitCrewColours, 0), std::vector<std::uint8_t>(224, 5));
    Open(game);
    game.state.faults->count = 0;
    game.state.faults->failAt = 1 + 16 * 3 + 2; // seek, three teams, then a byte of team 4
    EXPECT_THROW(ReadPitCrewColours(game.state), FileAccessError);
    game.state.CloseGameFiles();
    EXPECT_EQ(game.state.record.u8(rec::kPitCrewColours + 16 * 2 + 15), 15);
}

} // namespace
} // namespace psn
