// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/noses_blocks.h"

namespace psn {

namespace {

constexpr int kTeams = 14;
// The second table starts 53 bytes after the first; their 4-byte entries interleave.
constexpr std::uint32_t kSecondTable = 53;
constexpr std::uint8_t kFirstRaised = 0;
constexpr std::uint8_t kFirstLowered = 2;
constexpr std::uint8_t kSecondRaised = 1;
constexpr std::uint8_t kSecondLowered = 0;

void SeekTable(AppState& state, std::uint32_t from) {
    state.exe.Seek(ExeOffset(ExeRow::NoseCones, state.edition) + from);
    state.exe.Check();
}

bool Raised(const AppState& state, int team) {
    return state.record.u8(rec::kNoseCones + team - 1) == 1;
}

} // namespace

void ReadNoses(AppState& state) {
    SeekTable(state, kSecondTable);
    for (int t = 1; t <= kTeams; ++t) {
        const std::uint8_t byte = state.exe.ReadByte();
        state.exe.Skip(3);
        state.exe.Check();
        state.record.setU8(rec::kNoseCones + t - 1, byte != 0 ? 1 : 0);
    }
}

void WriteNoses(AppState& state) {
    SeekTable(state, 0);
    for (int t = 1; t <= kTeams; ++t) {
        state.exe.WriteByte(Raised(state, t) ? kFirstRaised : kFirstLowered);
        state.exe.Skip(3);
        state.exe.Check();
    }
    SeekTable(state, kSecondTable);
    for (int t = 1; t <= kTeams; ++t) {
        state.exe.WriteByte(Raised(state, t) ? kSecondRaised : kSecondLowered);
        state.exe.Skip(3);
        state.exe.Check();
    }
}

} // namespace psn
