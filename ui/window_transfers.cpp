// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_transfers.h"

#include "core/settings_files.h"
#include "ui/game_transfer.h"
#include "ui/message_text.h"
#include "ui/record_steps.h"

#include <QCoreApplication>
#include <QWidget>

namespace psn {
namespace {

std::function<void()> OnExe(AppState& state, std::initializer_list<BlockOperation> operations) {
    return [&state, operations] {
        state.OpenGameExe();
        for (const BlockOperation& operation : operations)
            operation(state);
    };
}

} // namespace

bool ImportIntoWindow(AppContext& context, QWidget* window, const std::function<void()>& body) {
    const QString title = window->windowTitle().trimmed();
    StepScope step(
        context,
        QCoreApplication::translate("psn::GameActions", "Import data from game: %1").arg(title));
    if (!RunGameTransfer(context, window, body))
        return false;
    if (context.steps)
        context.steps->WindowMatchesGame(*window);
    context.dialogs.Information(window, Translated(kDataImported));
    // Hiding a window that runs in its own modal loop would end that loop and leave the window
    // open without modality; a show event refills it from the record just the same.
    if (window->isVisible()) {
        RefillWindow(window);
    } else {
        window->show();
    }
    return true;
}

bool ExportFromWindow(AppContext& context, QWidget* window, const std::function<void()>& body) {
    // Writing the game is no step: the backups take it back.
    StepScope step(context, {});
    if (!RunGameTransfer(context, window, body))
        return false;
    if (context.steps)
        context.steps->WindowMatchesGame(*window);
    if (ReportNotTaken(context, window)) {
        if (window->isVisible())
            RefillWindow(window); // the switch as the game has it
        return true;
    }
    context.dialogs.Information(window, Translated(kDataExported));
    return true;
}

bool ImportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> reads) {
    return ImportIntoWindow(context, window, OnExe(context.state, reads));
}

bool ExportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> writes) {
    return ExportFromWindow(context, window, OnExe(context.state, writes));
}

void RestoreOriginalData(AppContext& context, QWidget* parent, const QString& stepName) {
    StepScope step(context, stepName);
    const FileResult result = RestoreOriginal(context.state);
    if (result.Ok() && context.steps)
        context.steps->FileMatches();
    if (result.status == FileResult::Status::Failed)
        context.dialogs.Error(parent, Worded(result));
}

} // namespace psn
