// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A scratch game with an editor folder that is the current directory while the test runs, the
// scripted dialog seam, and a recorded program end.
#pragma once

#include "core/fs.h"
#include "core/settings_files.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/app_context.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace psn::test {

struct ShellFixture {
    explicit ShellFixture(int edition = 0, bool withState = true)
        : game(edition, withState), previousDir(fs::CurrentDirectory()) {
        EXPECT_TRUE(fs::SetCurrentDirectory(game.editorDir));
        // An empty patch list: nothing to patch, but the shipped file is there.
        WriteFileBytes(EditorPath("DATA/PLT.DAT"), {});
    }
    ~ShellFixture() { EXPECT_TRUE(fs::SetCurrentDirectory(previousDir)); }

    void WriteConfigFile() { ASSERT_TRUE(WriteConfig(game.state).Ok()); }
    std::string EditorPath(const std::string& name) const { return game.editorDir + "/" + name; }

    ScratchGame game;
    ScriptedDialogs dialogs;
    std::vector<int> exitCodes;
    AppContext context{game.state, dialogs, [this](int code) {
                           exitCodes.push_back(code);
                           test::EndProgram(code);
                       }};
    std::string previousDir;
};

// Runs `action` on the first visible top-level widget of type T once the event loop spins
// (inside a modal window's own loop, for instance).
template <typename T> void WhenShown(std::function<void(T*)> action, int triesLeft = 200) {
    QTimer::singleShot(0, [action, triesLeft] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(widget); found && found->isVisible()) {
                action(found);
                return;
            }
        if (triesLeft > 0)
            WhenShown<T>(action, triesLeft - 1);
    });
}

} // namespace psn::test
