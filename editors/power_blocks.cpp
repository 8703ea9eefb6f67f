// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/power_blocks.h"

#include "editors/exe_words.h"
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

} // namespace

void ReadEnginePower(AppState& state) {
    state.SeekExe(ExeRow::EnginePower);
    ReadWords(state, rec::EnginePowerQual, kTeamWordCount, kPowerBias);
    ReadWords(state, rec::EnginePowerOther, kTeamWordCount, kPowerBias);
    const bool on = ReadByteAt(state, ExeRow::RandomPowerPatch) == kCallOpcode;
    state.record.setU8(rec::kRandomPowerSwitch, on ? 1 : 0);
}

void WriteEnginePower(AppState& state) {
    state.SeekExe(ExeRow::EnginePower);
    WriteWords(state, rec::EnginePowerQual, kTeamWordCount, kPowerBias);
    WriteWords(state, rec::EnginePowerOther, kTeamWordCount, kPowerBias);
    state.SeekExe(ExeRow::RandomPowerPatch);
    if (state.record.u8(rec::kRandomPowerSwitch) != 0)
        return;
    for (int i = 0; i < kCallLength; ++i)
        state.exe.WriteByte(kNoOperation);
    state.exe.Check();
}

void ReadHumanPower(AppState& state) {
    ReadWordAt(state, ExeRow::HumanPowerOther, rec::kHumanPowerOther);
    ReadWordAt(state, ExeRow::HumanPowerQual, rec::kHumanPowerQual);
}

void WriteHumanPower(AppState& state) {
    WriteWordAt(state, ExeRow::HumanPowerOther, rec::kHumanPowerOther);
    WriteWordAt(state, ExeRow::HumanPowerQual, rec::kHumanPowerQual);
}

} // namespace psn
