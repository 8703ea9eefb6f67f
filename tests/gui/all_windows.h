// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window with every window it opens, for tests that look at all of them at once.
#pragma once

#include "shell/des_form.h"
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
        const WindowSet& w = main->Windows();
        QWidget* description = w.description;
        windows = {main.get(),  w.names,   w.enginePower,    w.grip,           w.pitLine,
                   w.failures,  w.noses,   w.tuning,         w.cockpitManager, w.trackManager,
                   w.cameras,   w.carSets, w.cockpitColours, w.pitCrewColours, w.importExport,
                   description, w.helmets, w.carJams,        w.trackEditor};
    }
    ShellFixture f;
    std::unique_ptr<TMainForm> main;
    std::vector<QWidget*> windows;
};

} // namespace psn::test
