// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What every window is given at construction: the run's state, the dialog seam, and the way the
// program ends after a fatal game-file error (injectable so that tests can observe it).
#pragma once

#include "core/app_state.h"
#include "ui/dialogs.h"

#include <functional>

namespace psn {

class RecordSteps;

struct AppContext {
    AppState& state;
    Dialogs& dialogs;
    // Ends the program with the exit code and must not return: the program exits; a test records
    // the code and throws, and its support catches that where the event began.
    std::function<void(int)> terminate;
    // Set once the fatal path has run, so that nothing unwinding from it (a test's throw) writes
    // or records anything.
    bool ended = false;
    // Set while a command that could not lock the game is in scope, so that nothing within it
    // starts a command of its own and commits part of it.
    bool refused = false;
    // The record's undo history, once the main window has loaded the game; null before and in
    // tests of a single window.
    RecordSteps* steps = nullptr;
};

} // namespace psn
