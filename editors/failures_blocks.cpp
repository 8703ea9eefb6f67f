// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/failures_blocks.h"

#include "editors/lineup.h"

#include <cstdint>

namespace psn {
void ReadFailures(AppState& state) {
    state.SeekExe(ExeRow::Failures);
    for (int team = 1; team <= kTeamWordCount; ++team) {
        const std::uint16_t value = state.exe.ReadWord();
        state.exe.Check();
        state.record.setU16(rec::Failure(team), value);
    }
}

void WriteFailures(AppState& state) {
    state.SeekExe(ExeRow::Failures);
    for (int team = 1; team <= kTeamWordCount; ++team) {
        state.exe.WriteWord(state.record.u16(rec::Failure(team)));
        state.exe.Check();
    }
}

} // namespace psn
