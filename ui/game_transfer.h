// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving data between the record and the game files: a transfer opens the game files, runs block
// operations and closes them, and a file access error ends the program.
#pragma once

#include "ui/app_context.h"

#include <functional>

class QWidget;

namespace psn {

// Runs `body`, which opens game files and calls block operations; the game files are closed
// afterwards in every case. Outside a GameCommand the transfer is a command of its own: it locks
// the game, completes or undoes an interrupted commit first (and says so), and its writes are
// committed at its end. A game file the commit refuses (RefusedFileError) is reported and the
// program goes on. Any other FileAccessError (also one of the commit) drops every staged
// write, shows its text (with the file and the reason) in a warning box and then ends the program
// with exit code 1; a DataFileError is shown as an error and the program goes on, and so is a game
// that another program keeps locked (nothing is done then). Returns true when `body` completed and
// its writes, if any, are on disk or staged in the open command.
[[nodiscard]] bool RunGameTransfer(AppContext& context, QWidget* parent,
                                   const std::function<void()>& body);

// A game file the commit refused to write: says which and why, and that nothing was changed. The
// program goes on.
void ReportRefusal(AppContext& context, QWidget* parent, const RefusedFileError& error);

// Tells the user, once, which settings the last command could not give the game; the record
// already shows what the game has. Returns whether there were any: the command then did not
// export everything it was asked to.
bool ReportNotTaken(AppContext& context, QWidget* parent);

// Drops the open command's staged writes, shows a file access error and ends the program with
// exit code 1 through the context's terminate handler. Never returns.
[[noreturn]] void FileAccessFailure(AppContext& context, QWidget* parent,
                                    const FileAccessError& error);

} // namespace psn
