// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four buttons every editor window offers, laid out in a row or a column: "Back" closes the
// window and "Restore original data" reloads the whole record; the window connects import and
// export to its own handlers.
#pragma once

#include "ui/app_context.h"

#include <QRect>

class QAbstractButton;
class QDialog;
class QPushButton;

namespace psn {

struct EditorButtons {
    QPushButton* back = nullptr;         // BitBtn1
    QPushButton* import = nullptr;       // BitBtn2
    QPushButton* exportButton = nullptr; // BitBtn6
    QPushButton* restore = nullptr;      // BitBtn3
};

// Lays the buttons out evenly inside `area`, left to right or top to bottom.
EditorButtons AddEditorButtons(QDialog* form, AppContext& context, const QRect& area,
                               Qt::Orientation orientation = Qt::Horizontal);

// Shrinks the button's font until its caption fits its width; the layout stays as designed.
void FitCaption(QAbstractButton* button, int padding = 10);

} // namespace psn
