// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every window the main window creates and opens, for tests that walk all of them.
#pragma once

#include "shell/start_form.h"

#include <QWidget>
#include <vector>

namespace psn::test {

inline constexpr std::size_t kEditorWindows = 18;

// The windows the main window owns, in creation order; the progress window is not one of them.
inline std::vector<QWidget*> EditorWindows(QWidget& main) {
    std::vector<QWidget*> windows;
    for (QWidget* child : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow() && !qobject_cast<TStartForm*>(child))
            windows.push_back(child);
    return windows;
}

} // namespace psn::test
