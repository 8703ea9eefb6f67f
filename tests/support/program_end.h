// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fatal path ends the program and never returns. In tests its terminate handler throws
// ProgramEnded instead, so that nothing after the fatal path runs there either; the window tests'
// application catches it where the event that led there began (see CatchProgramEnd).
#pragma once

namespace psn::test {

struct ProgramEnded {
    int code;
};

[[noreturn]] inline void EndProgram(int code) {
    throw ProgramEnded{code};
}

} // namespace psn::test
