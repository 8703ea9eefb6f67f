// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/power_blocks.h"

#include "editors/lineup.h"

#include <cstdint>

namespace psn {
namespace {

// Team horsepower is stored with this bias, modulo 65536.
constexpr std::uint16_t kPowerBias = 32817;
// The switch is the first byte of a call in the game's code; switching it off replaces the whole
// call with no-operation bytes. Switching on again cannot restore the call, so nothing is written.
constexpr std::uint8_t kCallOpcode = 0xE8;
constexpr std::uint8_t kNoOperation = 0x90;
constexpr int kCallLength = 5;

void ReadTeamWords(AppState& state, std::size_t (*entry)(int)) {
    for (int team = 1; team <= kTeamWordCount; ++team) {
        const std::uint16_t word = state.exe.ReadWord();
        state.exe.Check();
        state.record.setU16(entry(team), static_cast<std::uint16_t>(word - kPowerBias));
    }
}

void WriteTeamWords(AppState& state, std::size_t (*entry)(int)) {
    for (int team = 1; team <= kTeamWordCount; ++team) {
        state.exe.WriteWord(static_cast<std::uint16_t>(state.record.u16(entry(team)) + kPowerBias));
        state.exe.Check();
    }
}

} // namespace

void ReadEnginePower(AppState& state) {
    state.SeekExe(ExeRow::EnginePower);
    ReadTeamWords(state, rec::EnginePowerQual);
    ReadTeamWords(state, rec::EnginePowerOther);
    state.SeekExe(ExeRow::RandomPowerPatch);
    const std::uint8_t opcode = state.exe.ReadByte();
    state.exe.Check();
    state.record.setU8(rec::kRandomPowerSwitch, opcode == kCallOpcode ? 1 : 0);
}

void WriteEnginePower(AppState& state) {
    state.SeekExe(ExeRow::EnginePower);
    WriteTeamWords(state, rec::EnginePowerQual);
    WriteTeamWords(state, rec::EnginePowerOther);
    state.SeekExe(ExeRow::RandomPowerPatch);
    if (state.record.u8(rec::kRandomPowerSwitch) != 0)
        return;
    for (int i = 0; i < kCallLength; ++i)
        state.exe.WriteByte(kNoOperation);
    state.exe.Check();
}

void ReadHumanPower(AppState& state) {
    state.SeekExe(ExeRow::HumanPowerOther);
    const std::uint16_t other = state.exe.ReadWord();
    state.exe.Check();
    state.record.setU16(rec::kHumanPowerOther, other);
    state.SeekExe(ExeRow::HumanPowerQual);
    const std::uint16_t qual = state.exe.ReadWord();
    state.exe.Check();
    state.record.setU16(rec::kHumanPowerQual, qual);
}

void WriteHumanPower(AppState& state) {
    state.SeekExe(ExeRow::HumanPowerOther);
    state.exe.WriteWord(state.record.u16(rec::kHumanPowerOther));
    state.exe.Check();
    state.SeekExe(ExeRow::HumanPowerQual);
    state.exe.WriteWord(state.record.u16(rec::kHumanPowerQual));
    state.exe.Check();
}

} // namespace psn
