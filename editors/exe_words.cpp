// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/exe_words.h"

namespace psn {

void ReadWords(AppState& state, WordEntry entry, int count, std::uint16_t bias) {
    for (int key = 1; key <= count; ++key) {
        const std::uint16_t word = state.exe.ReadWord();
        state.exe.Check();
        state.record.setU16(entry(key), static_cast<std::uint16_t>(word - bias));
    }
}

void WriteWords(AppState& state, WordEntry entry, int count, std::uint16_t bias) {
    for (int key = 1; key <= count; ++key) {
        state.exe.WriteWord(static_cast<std::uint16_t>(state.record.u16(entry(key)) + bias));
        state.exe.Check();
    }
}

std::uint8_t ReadByteAt(AppState& state, ExeRow row) {
    state.SeekExe(row);
    const std::uint8_t byte = state.exe.ReadByte();
    state.exe.Check();
    return byte;
}

void WriteSwitchAt(AppState& state, ExeRow row, std::size_t offset, std::uint8_t on,
                   std::uint8_t off) {
    state.SeekExe(row);
    state.exe.WriteByte(state.record.u8(offset) == 1 ? on : off);
    state.exe.Check();
}

void ReadWordAt(AppState& state, ExeRow row, std::size_t offset) {
    state.SeekExe(row);
    const std::uint16_t word = state.exe.ReadWord();
    state.exe.Check();
    state.record.setU16(offset, word);
}

void WriteWordAt(AppState& state, ExeRow row, std::size_t offset) {
    state.SeekExe(row);
    state.exe.WriteWord(state.record.u16(offset));
    state.exe.Check();
}

} // namespace psn
