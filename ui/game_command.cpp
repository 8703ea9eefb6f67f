// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_command.h"

#include "ui/game_transfer.h"
#include "ui/message_text.h"
#include "ui/recovery.h"

#include <QCoreApplication>

namespace psn {

bool BeginOwnCommand(AppContext& context, QWidget* parent, GameCommand::WhenBusy busy) {
    for (;;) {
        try {
            ReportRecovery(context, parent, context.state.BeginCommand());
            return true;
        } catch (const GameLockError& error) {
            const QString text = Worded(error.Said());
            if (busy == GameCommand::WhenBusy::Warn) {
                context.dialogs.Warning(parent, text);
                return false;
            }
            if (!context.dialogs.Confirm(
                    parent,
                    QCoreApplication::translate("psn::GameCommand",
                                                "%1\n\nPress OK to try again, or Cancel to stop.")
                        .arg(text)))
                return false;
        } catch (const RefusedFileError& error) {
            // A commit record the program would not act on: nothing was changed, so a running
            // editor says why and goes on. The start has no game to show without it and ends.
            if (busy == GameCommand::WhenBusy::AskAgain)
                FileAccessFailure(context, parent, error);
            context.dialogs.Warning(parent, WordedWhere(error));
            return false;
        } catch (const FileAccessError& error) {
            FileAccessFailure(context, parent, error);
        }
    }
}

GameCommand::GameCommand(AppContext& context, QWidget* parent, WhenBusy busy) : context_(context) {
    if (context_.state.command || context_.ended || context_.refused)
        return;
    if (BeginOwnCommand(context_, parent, busy))
        owner_ = true;
    else
        refused_ = context_.refused = true;
}

GameCommand::~GameCommand() {
    if (owner_)
        context_.state.DiscardCommand();
    if (refused_)
        context_.refused = false;
}

void GameCommand::Copy(const std::string& source, const std::string& target) {
    if (!Started())
        return; // the refusal or the fatal path has said so; Commit reports the failure
    if (!context_.state.command)
        throw FileAccessError(kFileAccessError, target, "the command has ended");
    context_.state.command->Copy(source, target);
}

bool GameCommand::CommitOrReport(QWidget* parent, const QString& failure) {
    return CommitOrReport(parent, [&](const QString& where) { return failure + "\n" + where; });
}

bool GameCommand::CommitOrReport(QWidget* parent,
                                 const std::function<QString(const QString&)>& failure) {
    return CommitWith([&](const FileAccessError& error) {
        context_.dialogs.Information(parent, failure(WordedWhere(error)));
    });
}

bool GameCommand::CommitWith(const std::function<void(const FileAccessError&)>& failed) {
    if (!Started())
        return false;
    if (!owner_)
        return true;
    owner_ = false;
    try {
        context_.state.CommitCommand();
        return true;
    } catch (const FileAccessError& error) {
        failed(error);
    }
    return false;
}

bool GameCommand::Commit(QWidget* parent) {
    return CommitWith([&](const FileAccessError& error) {
        // A file the commit chose not to write changed nothing: the program goes on.
        if (const auto* refused = dynamic_cast<const RefusedFileError*>(&error))
            ReportRefusal(context_, parent, *refused);
        else
            FileAccessFailure(context_, parent, error);
    });
}

} // namespace psn
