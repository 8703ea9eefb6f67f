// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/backup_restore.h"

#include "core/backups.h"
#include "core/fs.h"
#include "shell/game_read_blocks.h"
#include "tracks/track_blocks.h"
#include "tracks/track_install.h"
#include "ui/game_transfer.h"
#include "ui/message_text.h"
#include "ui/record_steps.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

namespace psn {

void RestoreGameBackups(AppContext& context, QWidget* parent) {
    AppState& state = context.state;
    const std::vector<GameBackup> backups = ListBackups(state);
    const QString gameDir = QString::fromLocal8Bit(fs::Native(state.config.GameDir()).c_str());
    if (backups.empty()) {
        context.dialogs.Information(
            parent,
            QCoreApplication::translate(
                "psn::BackupRestore", "There are no backups (.bak files) of game files in %1. The "
                                      "editor makes one of each game file before it "
                                      "first changes it.")
                .arg(gameDir));
        return;
    }
    QStringList items;
    for (const GameBackup& backup : backups)
        items << QCoreApplication::translate("psn::BackupRestore", "%1  (backup of %2)")
                     .arg(QString::fromLocal8Bit(backup.file.c_str()),
                          QDateTime::fromSecsSinceEpoch(backup.modified)
                              .toString("yyyy-MM-dd hh:mm"));
    const auto chosen = context.dialogs.ChooseItems(
        parent, QCoreApplication::translate("psn::BackupRestore", "Restore game files from backup"),
        items);
    if (!chosen || chosen->empty())
        return;
    std::vector<GameBackup> restore;
    QStringList names;
    for (const int index : *chosen) {
        if (index < 0 || index >= static_cast<int>(backups.size()))
            continue;
        restore.push_back(backups[static_cast<std::size_t>(index)]);
        names << QString::fromLocal8Bit(restore.back().file.c_str());
    }
    if (!context.dialogs.Confirm(parent, QCoreApplication::translate(
                                             "psn::BackupRestore",
                                             "Put these game files back as they were in their "
                                             "backups? Every change made to them since is lost.") +
                                             "\n" + names.join("\n")))
        return;
    // Reading the restored game into the record is a step: undo gives the edits back.
    StepScope step(context, QCoreApplication::translate("psn::BackupRestore",
                                                        "Restore game files from backup"));
    if (!RunGameTransfer(context, parent, [&] { StageBackups(*state.command, restore); }))
        return;
    // The record shows the game as it now is, read as at start-up: a damaged track file is
    // reported and left unread rather than ending the program.
    GameReadResult read;
    if (!RunGameTransfer(context, parent, [&] { read = ReadWholeGame(state, kStartupRead); }))
        return;
    if (!read.isGameExe) {
        // A backup too short to be the game's executable leaves the record as it was.
        context.dialogs.Error(
            parent, QCoreApplication::translate("psn::BackupRestore",
                                                "'%1' is not the game's executable: it is too "
                                                "short to hold the edition byte.")
                        .arg(QString::fromLocal8Bit(state.ExePath().c_str())));
        return;
    }
    if (!read.dataFileProblem.Empty()) {
        context.dialogs.Error(parent, Worded(read.dataFileProblem));
        return;
    }
    if (context.steps)
        context.steps->GameMatches();
    if (!read.trackProblems.empty())
        context.dialogs.Warning(parent, Worded(DescribeTrackReadProblems(read.trackProblems)));
    context.dialogs.Information(
        parent, QCoreApplication::translate("psn::BackupRestore",
                                            "These game files have been restored from their "
                                            "backups:") +
                    "\n" + names.join("\n"));
}

} // namespace psn
