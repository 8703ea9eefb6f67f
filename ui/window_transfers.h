// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What an editor window's import, export and restore buttons do around the transfer, and the
// messages they show.
#pragma once

#include "ui/app_context.h"

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <initializer_list>

class QWidget;

namespace psn {

// Shown through Translated().
inline constexpr const char* kTransferContext = "psn::WindowTransfers";
inline constexpr const char* kDataImported =
    QT_TRANSLATE_NOOP("psn::WindowTransfers", "Data has been imported!");
inline constexpr const char* kDataExported =
    QT_TRANSLATE_NOOP("psn::WindowTransfers", "Data has been exported!");

// One of the messages above in the user's language.
inline QString Translated(const char* transferMessage) {
    return QCoreApplication::translate(kTransferContext, transferMessage);
}

// Both show their outcome themselves (a failure too), so a window's button may drop the result;
// it tells callers that go on whether the transfer completed.
// "Import data from game": the transfer, "Data has been imported!", then the window is hidden and
// shown again so that it refills itself from the record.
bool ImportIntoWindow(AppContext& context, QWidget* window, const std::function<void()>& body);
// "Export data into game": the transfer, then "Data has been exported!", or what the game could not
// take and the window refilled with what it has.
bool ExportFromWindow(AppContext& context, QWidget* window, const std::function<void()>& body);
// The same for the windows whose blocks live in the game's executable: open it and run the
// window's block operations in order, so that each window lists only its operations.
using BlockOperation = std::function<void(AppState&)>;
bool ImportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> reads);
bool ExportExeBlocks(AppContext& context, QWidget* window,
                     std::initializer_list<BlockOperation> writes);

// "Restore original data": the whole record from "./DATA/ORIGIN.SET"; a damaged file is reported.
// It is one undoable step named `stepName`.
void RestoreOriginalData(AppContext& context, QWidget* parent,
                         const QString& stepName = "Restore original data");

} // namespace psn
