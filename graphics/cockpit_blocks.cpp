// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/cockpit_blocks.h"

namespace psn {
namespace {

constexpr int kTeams = 20;
constexpr int kPartsPerTeam = 3;
// The game stores each colour 10 below its palette index; the byte wraps around.
constexpr std::uint8_t kColourBias = 10;

// Visits every colour's record offset in file order, checking the file after each team's row.
template <typename Visit> void EachColour(GameFile& file, Visit visit) {
    for (int t = 0; t < kTeams; ++t) {
        for (int p = 0; p < kPartsPerTeam; ++p)
            visit(rec::kCockpitColours + rec::kCockpitColourStride * t + p);
        file.Check();
    }
}

void ReadBlock(GameFile& file, SettingsRecord& record) {
    EachColour(file, [&](std::size_t at) {
        record.setU8(at, static_cast<std::uint8_t>(file.ReadByte() + kColourBias));
    });
}

void WriteBlock(GameFile& file, const SettingsRecord& record) {
    EachColour(file, [&](std::size_t at) {
        file.WriteByte(static_cast<std::uint8_t>(record.u8(at) - kColourBias));
    });
}

// The block's place in either file.
GameFile& InExe(AppState& state) {
    state.SeekExe(ExeRow::CockpitColours);
    return state.exe;
}

GameFile& InStateFile(AppState& state) {
    state.SeekState(state::kCockpitColours);
    return state.stateFile;
}

} // namespace

void ReadCockpitColoursExe(AppState& state) {
    ReadBlock(InExe(state), state.record);
}

void WriteCockpitColoursExe(AppState& state) {
    WriteBlock(InExe(state), state.record);
}

void ReadCockpitColoursState(AppState& state) {
    ReadBlock(InStateFile(state), state.record);
}

void WriteCockpitColoursState(AppState& state) {
    WriteBlock(InStateFile(state), state.record);
}

} // namespace psn
