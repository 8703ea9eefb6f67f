// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/pitcrew_blocks.h"

namespace psn {
namespace {

constexpr int kTeams = 14;
constexpr std::uint8_t kColourBias = 10; // as the cockpit colours: stored 10 below, wrapping

} // namespace

void ReadPitCrewColours(AppState& state) {
    state.SeekExe(ExeRow::PitCrewColours);
    for (int t = 0; t < kTeams; ++t) {
        for (std::size_t k = 0; k < rec::kPitCrewColourStride; ++k)
            state.record.setU8(rec::kPitCrewColours + rec::kPitCrewColourStride * t + k,
                               static_cast<std::uint8_t>(state.exe.ReadByte() + kColourBias));
        state.exe.Check();
    }
}

void WritePitCrewColours(AppState& state) {
    state.SeekExe(ExeRow::PitCrewColours);
    for (int t = 0; t < kTeams; ++t) {
        for (std::size_t k = 0; k < rec::kPitCrewColourStride; ++k)
            state.exe.WriteByte(static_cast<std::uint8_t>(
                state.record.u8(rec::kPitCrewColours + rec::kPitCrewColourStride * t + k) -
                kColourBias));
        state.exe.Check();
    }
}

} // namespace psn
