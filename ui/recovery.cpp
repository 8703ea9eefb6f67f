// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/recovery.h"

#include "ui/game_command.h"
#include "ui/message_text.h"

#include <QString>

namespace psn {

void ReportRecovery(AppContext& context, QWidget* parent, const RecoveryReport& report) {
    if (!report.found)
        return;
    QString text = Worded(RecoveryMessage(report));
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
