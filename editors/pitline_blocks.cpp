// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/pitline_blocks.h"

#include "editors/exe_words.h"

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
    const bool on = ReadByteAt(state, ExeRow::SpeedCheckSwitch) == kSpeedCheckOn;
    state.record.setU8(rec::kSpeedCheckSwitch, on ? 1 : 0);
}

void WriteSpeedCheck(AppState& state) {
    WriteSwitchAt(state, ExeRow::SpeedCheckSwitch, rec::kSpeedCheckSwitch, kSpeedCheckOn,
                  kSpeedCheckOff);
}

void ReadPitSpeed(AppState& state) {
    ReadWordAt(state, ExeRow::PitSpeed, rec::kPitSpeed);
}

void WritePitSpeed(AppState& state) {
    WriteWordAt(state, ExeRow::PitSpeed, rec::kPitSpeed);
}

PitSpeed PitSpeedUnits(std::uint16_t raw) {
    const std::uint32_t a = (static_cast<std::uint32_t>(raw) * 4736u) >> 14;
    return {(a * 1123u) >> 16, (a * 698u) >> 16};
}

} // namespace psn
