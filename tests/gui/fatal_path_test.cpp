// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The fatal path never returns: nothing its caller would do afterwards happens, in the tests as in
// the program.
#include "editor_fixture.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"
#include "ui/window_transfers.h"

#include <QDialog>
#include <QPushButton>
#include <functional>

namespace psn::test {
namespace {

[[noreturn]] void Unreadable() {
    throw FileAccessError(kFileAccessError, "/game/PSN.EXE", "Input/output error");
}

TEST(FatalPath, EndsWhatRaisedItWithOneWarningAndNothingAfter) {
    struct Case {
        const char* name;
        std::function<void(EditorSession&, QDialog&)> run;
    };
    const Case cases[] = {
        {"a transfer",
         [](EditorSession& s, QDialog&) { (void)RunGameTransfer(s.context, nullptr, Unreadable); }},
        {"an import",
         [](EditorSession& s, QDialog& window) {
             (void)ImportIntoWindow(s.context, &window, Unreadable);
         }},
        {"an export",
         [](EditorSession& s, QDialog& window) {
             (void)ExportFromWindow(s.context, &window, Unreadable);
         }},
        {"a command's transfer",
         [](EditorSession& s, QDialog&) {
             GameCommand command(s.context);
             (void)RunGameTransfer(s.context, nullptr, Unreadable);
             (void)command.Commit(nullptr);
         }},
    };
    for (const Case& c : cases) {
        EditorSession session;
        QDialog window;
        bool after = false;
        EXPECT_THROW(
            {
                c.run(session, window);
                after = true;
            },
            ProgramEnded)
            << c.name;
        EXPECT_FALSE(after) << c.name;
        EXPECT_EQ(session.exitCode, 1) << c.name;
        EXPECT_EQ(session.dialogs.Messages(),
                  QStringList{" File access error! \n/game/PSN.EXE: Input/output error"})
            << c.name << ": no success message after it";
        EXPECT_FALSE(window.isVisible()) << c.name << ": the window is not shown again";
        EXPECT_FALSE(session.game.state.command) << c.name << ": the staged writes are dropped";
        EXPECT_FALSE(session.game.state.lock.Held()) << c.name;
    }
}

// A click whose handler takes the fatal path ends where the click began; the test goes on.
TEST(FatalPath, AClickThatEndsTheProgramEndsOnlyThatClick) {
    EditorSession session;
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        (void)RunGameTransfer(session.context, &button, Unreadable);
        ADD_FAILURE() << "the handler went on after the fatal path";
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(session.exitCode, 1);
}

} // namespace
} // namespace psn::test
