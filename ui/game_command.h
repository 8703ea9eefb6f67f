// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A command that writes the game all at once, holding the game's lock while it runs.
#pragma once

#include "ui/app_context.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace psn {

// A command that spans several transfers and dialogs (Export all data, the installers): it holds
// the game's lock from its creation on, and every game-file write is staged; only Commit() writes
// them, all at once. Destroyed uncommitted, it drops them: nothing of a command that stopped
// halfway is written. When another program keeps the game locked, a warning says so (or, with
// AskAgain, the user may try again) and the command is refused: Started() is false, and every
// transfer, copy and commit within it does nothing and reports failure.
class GameCommand {
public:
    // AskAgain is the start-up's: it has nothing to show until the game is read.
    enum class WhenBusy { Warn, AskAgain };
    explicit GameCommand(AppContext& context, QWidget* parent = nullptr,
                         WhenBusy busy = WhenBusy::Warn);
    ~GameCommand();
    GameCommand(const GameCommand&) = delete;
    GameCommand& operator=(const GameCommand&) = delete;
    // Stages a whole-file copy; an unreadable source raises FileAccessError.
    void Copy(const std::string& source, const std::string& target);
    // A failure takes the file access error path; a file the commit refuses is reported and the
    // program goes on. Returns whether the changes are on disk.
    [[nodiscard]] bool Commit(QWidget* parent);
    // For the installers, whose copies may meet a target that cannot be replaced (a folder in its
    // place, a full disk): a failed commit changed nothing, so it is shown as `failure` with the
    // file and the reason on a line below, and the program goes on. Returns whether the changes
    // are on disk.
    [[nodiscard]] bool CommitOrReport(QWidget* parent, const QString& failure);
    // The same with the whole message worded by `failure` from "<file>: <reason>".
    [[nodiscard]] bool CommitOrReport(QWidget* parent,
                                      const std::function<QString(const QString&)>& failure);
    // False when the game could not be locked or the fatal path ran meanwhile.
    bool Started() const { return !context_.ended && !context_.refused; }

private:
    [[nodiscard]] bool CommitWith(const std::function<void(const FileAccessError&)>& failed);

    AppContext& context_;
    bool owner_ = false;   // false inside another command, which commits for both
    bool refused_ = false; // this command could not lock the game
};

// Begins a command of the open state's own: locks the game and recovers first, saying so. When
// another program keeps the game locked, warns (or asks whether to try again); a commit record it
// refuses to act on is a warning naming the record (at the start, the file access error path); a
// recovery that fails takes the file access error path. Returns whether the command is open.
[[nodiscard]] bool BeginOwnCommand(AppContext& context, QWidget* parent,
                                   GameCommand::WhenBusy busy);

} // namespace psn
