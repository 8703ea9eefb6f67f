// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/pitline_blocks.h"

namespace psn {

namespace {

constexpr std::uint8_t kSpeedCheckOn = 116;
constexpr std::uint8_t kSpeedCheckOff = 235;

} // namespace

void ReadPitOrder(AppState& state) {
    state.SeekExe(ExeRow::PitLine);
    for (int p = 0; p < kPitPositions; ++p) {
        state.record.setU8(rec::kPitOrder + p, state.exe.ReadByte());
        state.exe.Check();
    }
}

void WritePitOrder(AppState& state) {
    state.SeekExe(ExeRow::PitLine);
    for (int p = 0; p < kPitPositions; ++p) {
        state.exe.WriteByte(state.record.u8(rec::kPitOrder + p));
        state.exe.Check();
    }
}

void ReadSpeedCheck(AppState& state) {
    state.SeekExe(ExeRow::SpeedCheckSwitch);
    const std::uint8_t byte = state.exe.ReadByte();
    state.exe.Check();
    state.record.setU8(rec::kSpeedCheckSwitch, byte == kSpeedCheckOn ? 1 : 0);
}

void WriteSpeedCheck(AppState& state) {
    state.SeekExe(ExeRow::SpeedCheckSwitch);
    state.exe.WriteByte(state.record.u8(rec::kSpeedCheckSwitch) == 1 ? kSpeedCheckOn
                                                                     : kSpeedCheckOff);
    state.exe.Check();
}

void ReadPitSpeed(AppState& state) {
    state.SeekExe(ExeRow::PitSpeed);
    const std::uint16_t raw = state.exe.ReadWord();
    state.exe.Check();
    state.record.setU16(rec::kPitSpeed, raw);
}

void WritePitSpeed(AppState& state) {
    state.SeekExe(ExeRow::PitSpeed);
    state.exe.WriteWord(state.record.u16(rec::kPitSpeed));
    state.exe.Check();
}

PitSpeed PitSpeedUnits(std::uint16_t raw) {
    const std::uint32_t a = (static_cast<std::uint32_t>(raw) * 4736u) >> 14;
    return {(a * 1123u) >> 16, (a * 698u) >> 16};
}

} // namespace psn
