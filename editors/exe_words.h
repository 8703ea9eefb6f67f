// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The transfers most block operations are made of: 16-bit words between the game executable and
// the record, one at a row or a run of them from the current place, and switch bytes. Like the
// block operations they need the executable open; a failed transfer raises FileAccessError.
#pragma once

#include "core/app_state.h"

#include <cstddef>
#include <cstdint>

namespace psn {

using WordEntry = std::size_t (*)(int key);

// `count` words from the current place, for keys 1..count in turn; the record holds each word
// less `bias`, modulo 65536, and the executable gets the record's word plus `bias`.
void ReadWords(AppState& state, WordEntry entry, int count, std::uint16_t bias = 0);
void WriteWords(AppState& state, WordEntry entry, int count, std::uint16_t bias = 0);

// The byte at `row`.
std::uint8_t ReadByteAt(AppState& state, ExeRow row);
// A switch the game keeps as one of two bytes at `row`: `on` where the record holds 1, `off` for
// any other value.
void WriteSwitchAt(AppState& state, ExeRow row, std::size_t offset, std::uint8_t on,
                   std::uint8_t off);

// The one word at `row`.
void ReadWordAt(AppState& state, ExeRow row, std::size_t offset);
void WriteWordAt(AppState& state, ExeRow row, std::size_t offset);

} // namespace psn
