// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/grip_blocks.h"

#include "editors/lineup.h"

#include <cstdint>

namespace psn {
namespace {

// The game stores session grip with this bias; unsigned arithmetic wraps modulo 65536, so a
// stored word below the bias reads as a large value and is written back unchanged.
constexpr std::uint16_t kGripBias = 15751;
constexpr int kGripRangePadding = 2; // bytes after each range word that belong to the game

} // namespace

void ReadGrip(AppState& state) {
    state.SeekExe(ExeRow::Grip);
    for (int number = 1; number <= kCarNumberCount; ++number) {
        const std::uint16_t qual = state.exe.ReadWord();
        const std::uint16_t other = state.exe.ReadWord();
        state.exe.Check();
        state.record.setU16(rec::GripQual(number), static_cast<std::uint16_t>(qual - kGripBias));
        state.record.setU16(rec::GripOther(number), static_cast<std::uint16_t>(other - kGripBias));
    }
}

void WriteGrip(AppState& state) {
    state.SeekExe(ExeRow::Grip);
    for (int number = 1; number <= kCarNumberCount; ++number) {
        state.exe.WriteWord(
            static_cast<std::uint16_t>(state.record.u16(rec::GripQual(number)) + kGripBias));
        state.exe.WriteWord(
            static_cast<std::uint16_t>(state.record.u16(rec::GripOther(number)) + kGripBias));
        state.exe.Check();
    }
}

void ReadGripRange(AppState& state) {
    state.SeekExe(ExeRow::GripRange);
    for (int number = 1; number <= kCarNumberCount; ++number) {
        const std::uint16_t range = state.exe.ReadWord();
        for (int i = 0; i < kGripRangePadding; ++i)
            state.exe.ReadByte();
        state.exe.Check();
        state.record.setU16(rec::GripRange(number), range);
    }
}

void WriteGripRange(AppState& state) {
    state.SeekExe(ExeRow::GripRange);
    for (int number = 1; number <= kCarNumberCount; ++number) {
        state.exe.WriteWord(state.record.u16(rec::GripRange(number)));
        state.exe.Skip(kGripRangePadding);
        state.exe.Check();
    }
}

} // namespace psn
