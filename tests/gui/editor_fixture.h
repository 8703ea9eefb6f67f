// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A scratch game with a scripted dialog seam and one editor window shown on it, for the tests of
// the small editor windows.
#pragma once

#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/app_context.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

namespace psn::test {

// A scratch game with scripted dialogs, whose fatal path ends the test's event with `exitCode`.
struct EditorSession {
    explicit EditorSession(int edition = 0, bool withState = true) : game(edition, withState) {}
    ScratchGame game;
    ScriptedDialogs dialogs;
    int exitCode = -1;
    AppContext context{game.state, dialogs, [this](int code) {
                           exitCode = code;
                           test::EndProgram(code);
                       }};
    SettingsRecord& record() { return game.state.record; }
};

template <typename Form> struct ShownForm {
    explicit ShownForm(EditorSession& session) : form(session.context) { Show(); }
    ~ShownForm() { form.hide(); }
    void Show() {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void Reshow() {
        form.hide();
        Show();
    }
    template <typename T> T* Find(const char* name) {
        T* found = form.template findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    template <typename T> T* Find(const std::string& name) { return Find<T>(name.c_str()); }
    // Types into a box and leaves it with Enter, as a user moving on would.
    void Enter(const char* name, const QString& text) {
        QLineEdit* edit = Find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Return);
    }
    Form form;
};

} // namespace psn::test
