// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Small event helpers for the editor windows. Leave handlers: a box's handler runs whenever the
// focus moves away from it, changed or not, except when the focus only moves into the box's own
// drop-down list.
#pragma once

#include <functional>

class QLineEdit;
class QWidget;

namespace psn {

void OnLeave(QWidget* widget, std::function<void()> handler);

// Limits what the user can type to `maxLength` characters, while the program can still show a
// longer value (a wrapped 16-bit word has five digits in a four-character box).
void LimitTyping(QLineEdit* edit, int maxLength);

} // namespace psn
