// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/game_transfer.h"

#include "core/fs.h"
#include "ui/game_command.h"
#include "ui/message_text.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <string>
#include <vector>

namespace psn {

void FileAccessFailure(AppContext& context, QWidget* parent, const FileAccessError& error) {
    context.state.DiscardCommand();
    context.ended = true;
    // The first line is the game's fixed text; the file name and reason are the system's.
    context.dialogs.Warning(parent, WordedText(error));
    context.terminate(1);
    // The handler ends the program (or, in tests, throws); whatever called this must not go on.
    std::abort();
}

void ReportRefusal(AppContext& context, QWidget* parent, const RefusedFileError& error) {
    context.dialogs.Warning(
        parent, QCoreApplication::translate(
                    "psn::GameTransfer",
                    "Nothing was written into the game, because one of its files is not what its "
                    "name says:\n\n%1: %2\n\nPut that file right (\"Restore game files from "
                    "backup\" or the game CD) and try again.")
                    .arg(QString::fromLocal8Bit(error.Path().c_str()), Worded(error.SaidReason())));
}

namespace {

// Shows what the transfer met without stopping, once.
void ReportUnreported(AppContext& context, QWidget* parent) {
    std::vector<Message>& unreported = context.state.unreported;
    if (unreported.empty())
        return;
    QStringList texts;
    for (const Message& text : unreported)
        texts << Worded(text);
    unreported.clear();
    context.dialogs.Warning(parent, texts.join("\n\n"));
}

} // namespace

bool ReportNotTaken(AppContext& context, QWidget* parent) {
    std::vector<std::size_t>& notTaken = context.state.notTaken;
    if (notTaken.empty())
        return false;
    notTaken.clear(); // the random engine power switch is the one setting a game can refuse
    const std::string exe = context.state.ExePath();
    context.dialogs.Warning(
        parent, QCoreApplication::translate(
                    "psn::GameActions",
                    "\"Random engine power\" cannot be turned back on in this game: %1 no longer "
                    "holds the code the switch needs, and no backup %2 of the original holds it. "
                    "The switch is shown as the game has it; the other values have been exported.")
                    .arg(QString::fromLocal8Bit(exe.c_str()),
                         QString::fromLocal8Bit(fs::FileNamePart(exe + ".bak").c_str())));
    return true;
}

bool RunGameTransfer(AppContext& context, QWidget* parent, const std::function<void()>& body) {
    if (context.ended || context.refused)
        return false;
    AppState& state = context.state;
    const bool whole = !state.command;
    if (whole && !BeginOwnCommand(context, parent, GameCommand::WhenBusy::Warn))
        return false;
    try {
        body();
        state.CloseGameFiles();
        if (whole)
            state.CommitCommand();
        ReportUnreported(context, parent);
        return true;
    } catch (const RefusedFileError& error) {
        // A file the commit chose not to write is no failure of the system: nothing was written.
        state.CloseGameFiles();
        if (whole)
            state.DiscardCommand();
        ReportRefusal(context, parent, error);
        return false;
    } catch (const FileAccessError& error) {
        // Nothing of the command is written.
        FileAccessFailure(context, parent, error);
    } catch (const DataFileError& error) {
        state.CloseGameFiles();
        if (whole)
            state.DiscardCommand();
        state.notTaken.clear(); // nothing was written
        context.dialogs.Error(parent, Worded(error.Said()));
        ReportUnreported(context, parent);
        return false;
    }
}

} // namespace psn
