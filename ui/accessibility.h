// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader and the keyboard need of every window: names for controls that show no
// text of their own, taken from the label beside or above them, and a tab order that follows the
// controls as they are seen.
#pragma once

class QWidget;

namespace psn {

// Gives every control of the window that a user can reach and that has no name yet a name:
// the text of the label in front of it (left on the same row, or just above), which then
// becomes its buddy; else its tool tip, its group's title or the window's title. Pictures get a
// description as well. A value the control shows is never its name.
void NameControls(QWidget* window);

// Gives every command button that is not a tab stop, and has no shortcut, Alt and the first
// letter of one of its words that the window does not use yet, so that the keyboard reaches it
// too. The button's text stays as it is.
void GiveShortcutsToUntabbedButtons(QWidget* window);

// Names the window's controls and gives the buttons off the tab chain their shortcuts each time
// it is shown, once its layout has placed them.
void MakeAccessibleWhenShown(QWidget* window);

// Orders the focusable children of `parent` column by column, top to bottom in each column, as
// they are seen; hidden and unfocusable children are left out.
void OrderTabsByColumns(QWidget* parent);

} // namespace psn
