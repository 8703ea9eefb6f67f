// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/cockpit_blocks.h"

namespace psn {
namespace {

constexpr int kTeams = 20;
constexpr int kPartsPerTeam = 3;
// The game stores each colour 10 below its palette index; the byte wraps around.
constexpr std::uint8_t kColourBias = 10;

void ReadBlock(GameFile& file, SettingsRecord& record) {
    for (int t = 0; t < kTeams; ++t) {
        for (int p = 0; p < kPartsPerTeam; ++p) {
            const std::size_t at = rec::kCockpitColours + rec::kCockpitColourStride * t + p;
            record.setU8(at, static_cast<std::uint8_t>(file.ReadByte() + kColourBias));
        }
        file.Check();
    }
}

void WriteBlock(GameFile& file, const SettingsRecord& record) {
    for (int t = 0; t < kTeams; ++t) {
        for (int p = 0; p < kPartsPerTeam; ++p) {
            const std::size_t at = rec::kCockpitColours + rec::kCockpitColourStride * t + p;
            file.WriteByte(static_cast<std::uint8_t>(record.u8(at) - kColourBias));
        }
        file.Check();
    }
}

} // namespace

void ReadCockpitColoursExe(AppState& state) {
    state.SeekExe(ExeRow::CockpitColours);
    ReadBlock(state.exe, state.record);
}

void WriteCockpitColoursExe(AppState& state) {
    state.SeekExe(ExeRow::CockpitColours);
    WriteBlock(state.exe, state.record);
}

void ReadCockpitColoursState(AppState& state) {
    state.SeekState(state::kCockpitColours);
    ReadBlock(state.stateFile, state.record);
}

void WriteCockpitColoursState(AppState& state) {
    state.SeekState(state::kCockpitColours);
    WriteBlock(state.stateFile, state.record);
}

} // namespace psn
