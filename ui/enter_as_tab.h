// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Enter moving the focus on, as Tab does, in the editor windows.
#pragma once

class QWidget;

namespace psn {

// Enter (and the keypad's Enter) in the widget or any of its children moves the focus to the
// next control in tab order; never in menus or in dialogs opened over it, and not in a control
// marked by KeepEnter.
void InstallEnterAsTab(QWidget* root);
// Enter acts in this control (a list that runs its row when Enter is pressed) and its children
// instead of moving the focus on.
void KeepEnter(QWidget* widget);

} // namespace psn
