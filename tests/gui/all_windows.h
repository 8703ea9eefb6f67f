// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with every window it opens, for tests that look at all of them at once.
#pragma once

#include "shell/main_form.h"
#include "shell/window_set.h"
#include "shell_fixture.h"

#include <memory>
#include <vector>

namespace psn::test {

// Built under the application's present language, font and palette.
struct AllWindows {
    AllWindows() {
        f.WriteConfigFile();
        main = std::make_unique<TMainForm>(f.context);
        main->CreateOtherWindows();
        windows = {main.get()};
        for (QWidget* window : main->Windows().All())
            windows.push_back(window);
    }
    ShellFixture f;
    std::unique_ptr<TMainForm> main;
    std::vector<QWidget*> windows;
};

} // namespace psn::test
