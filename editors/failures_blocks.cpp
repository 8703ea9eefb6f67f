// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/failures_blocks.h"

#include "editors/exe_words.h"
#include "editors/lineup.h"

namespace psn {

void ReadFailures(AppState& state) {
    state.SeekExe(ExeRow::Failures);
    ReadWords(state, rec::Failure, kTeamWordCount);
}

void WriteFailures(AppState& state) {
    state.SeekExe(ExeRow::Failures);
    WriteWords(state, rec::Failure, kTeamWordCount);
}

} // namespace psn
