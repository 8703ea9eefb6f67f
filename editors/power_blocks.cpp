// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/power_blocks.h"

#include "core/backups.h"
#include "editors/exe_words.h"
#include "editors/lineup.h"

#include <cstdint>
#include <vector>

namespace psn {
namespace {

// Team horsepower is stored with this bias, modulo 65536.
constexpr std::uint16_t kPowerBias = 32817;
// The switch is the first byte of a call in the game's code; switching it off replaces the whole
// call with no-operation bytes. Only the call itself turns it on again, and only a backup of the
// executable still holds it.
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
    if (state.record.u8(rec::kRandomPowerSwitch) == 0) {
        for (int i = 0; i < kCallLength; ++i)
            state.exe.WriteByte(kNoOperation);
        state.exe.Check();
        return;
    }
    const std::vector<std::uint8_t> now = state.exe.ReadBytes(kCallLength);
    state.exe.Check();
    if (!now.empty() && now.front() == kCallOpcode)
        return;
    const std::uint64_t at = ExeOffset(ExeRow::RandomPowerPatch, state.edition);
    const std::vector<std::uint8_t> call = BackupBytes(state.ExePath(), at, kCallLength);
    // Only the no-operation bytes this switch writes are replaced: other bytes there are code
    // the editor does not know.
    if (now != std::vector<std::uint8_t>(kCallLength, kNoOperation) || call.empty() ||
        call.front() != kCallOpcode) {
        state.record.setU8(rec::kRandomPowerSwitch, 0);
        state.notTaken.push_back(rec::kRandomPowerSwitch);
        return;
    }
    state.SeekExe(ExeRow::RandomPowerPatch);
    for (const std::uint8_t byte : call)
        state.exe.WriteByte(byte);
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
