// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The four buttons every editor window offers, laid out in a row or a column: "Back" closes the
// window and "Restore original data" reloads the whole record; the window connects import and
// export to its own handlers. Also the plain buttons and captions the windows place by hand.
#pragma once

#include "ui/app_context.h"
#include "ui/font_scale.h"

#include <QRect>

class QAbstractButton;
class QDialog;
class QLabel;
class QPushButton;
class QString;
class QWidget;

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

// A push button named `name` at `geometry`; Enter in a box of the window does not press it.
QPushButton* AddButton(QWidget* parent, const QString& name, const QString& caption,
                       const QRect& geometry);

// A caption at `geometry`.
QLabel* AddCaption(QWidget* parent, const QString& text, const QRect& geometry);

} // namespace psn
