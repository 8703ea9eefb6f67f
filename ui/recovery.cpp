// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery.h"

#include "ui/game_command.h"

#include <QCoreApplication>
#include <QString>

namespace psn {

void ReportRecovery(AppContext& context, QWidget* parent, const RecoveryReport& report) {
    if (!report.found)
        return;
    QString text =
        report.completed
            ? QCoreApplication::translate("psn::Recovery",
                                          "The editor was stopped while it was changing the game "
                                          "files. The change has now been completed in:")
            : QCoreApplication::translate("psn::Recovery",
                                          "The editor was stopped while it was changing the game "
                                          "files. These files have been put back as they were:");
    for (const std::string& file : report.files)
        text += "\n" + QString::fromLocal8Bit(file.c_str());
    context.dialogs.Information(parent, text);
}

bool RecoverInterruptedCommand(AppContext& context, QWidget* parent) {
    if (context.ended || context.refused)
        return false;
    // An open command recovered when it began.
    if (context.state.command)
        return true;
    if (!BeginOwnCommand(context, parent, GameCommand::WhenBusy::Warn))
        return false;
    context.state.DiscardCommand();
    return true;
}

} // namespace psn
