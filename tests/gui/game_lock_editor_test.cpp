// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor beside another program that holds the game: each command takes the game's lock for
// its own length only, a command refused the lock warns and does nothing (the program goes on),
// and a command spanning several transfers takes it once.
#include "core/commit.h"
#include "core/game_lock.h"
#include "e2e_fixture.h"
#include "editor_fixture.h"
#include "shell/compare_form.h"
#include "support/program_end.h"
#include "ui/game_command.h"
#include "ui/game_transfer.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

using namespace std::chrono_literals;
using Kind = ScriptedDialogs::Kind;

bool SaysBusy(const QString& text) {
    return text.startsWith("Another program is changing the game in ");
}

TEST(EditorLock, ATransferRefusedTheLockWarnsAndDoesNothing) {
    EditorSession session;
    session.game.state.lockWait = 50ms;
    const auto exe = session.game.Exe();
    const GameLock other = GameLock::Acquire(session.game.gameDir);
    bool ran = false;
    EXPECT_FALSE(RunGameTransfer(session.context, nullptr, [&] {
        ran = true;
        session.game.state.OpenGameExe();
        session.game.state.exe.WriteByte(7);
    }));
    EXPECT_FALSE(ran);
    ASSERT_EQ(session.dialogs.Messages().size(), 1);
    EXPECT_EQ(session.dialogs.shown[0].kind, Kind::Warning);
    EXPECT_TRUE(SaysBusy(session.dialogs.Messages()[0]));
    EXPECT_EQ(session.exitCode, -1);
    EXPECT_FALSE(session.context.ended);
    EXPECT_EQ(session.game.state.command, nullptr);
    EXPECT_TRUE(session.game.Exe() == exe);
}

TEST(EditorLock, ACommandRefusedTheLockRefusesEverythingWithinItOnce) {
    EditorSession session;
    AppState& state = session.game.state;
    state.lockWait = 50ms;
    const std::string source = session.game.dir.str() + "/NEW.DAT";
    const std::string target = session.game.gameDir + "NEW.DAT";
    WriteFileBytes(source, {1, 2, 3});
    {
        GameLock other = GameLock::Acquire(session.game.gameDir);
        GameCommand command(session.context);
        EXPECT_FALSE(command.Started());
        // Nothing within it starts a command of its own, nor says so again.
        EXPECT_FALSE(RunGameTransfer(session.context, nullptr, [] { ADD_FAILURE() << "ran"; }));
        GameCommand inner(session.context);
        EXPECT_FALSE(inner.Started());
        command.Copy(source, target);
        other.Release();
        EXPECT_FALSE(RunGameTransfer(session.context, nullptr, [] { ADD_FAILURE() << "ran"; }));
        EXPECT_FALSE(command.Commit(nullptr));
        EXPECT_EQ(session.dialogs.Messages().size(), 1);
    }
    EXPECT_FALSE(fs::Exists(target));
    EXPECT_EQ(session.exitCode, -1);
    // The refusal ends with the command.
    EXPECT_TRUE(RunGameTransfer(session.context, nullptr, [] {}));
}

TEST(EditorLock, HeldForEachCommandOnlyAndOnceByACommandOfSeveralTransfers) {
    EditorSession session;
    AppState& state = session.game.state;
    state.lockWait = 50ms;
    const auto heldElsewhere = [&] {
        try {
            GameLock::Acquire(session.game.gameDir, 0ms);
            return false;
        } catch (const GameLockError&) {
            return true;
        }
    };
    EXPECT_TRUE(RunGameTransfer(session.context, nullptr, [&] { EXPECT_TRUE(heldElsewhere()); }));
    EXPECT_FALSE(heldElsewhere());
    {
        GameCommand command(session.context);
        ASSERT_TRUE(command.Started());
        for (int i = 0; i < 2; ++i)
            EXPECT_TRUE(RunGameTransfer(session.context, nullptr, [&] {
                state.OpenGameExe();
                state.SeekExe(ExeRow::CarNumbers);
                state.exe.WriteByte(static_cast<std::uint8_t>(0x40 + i));
            }));
        EXPECT_TRUE(heldElsewhere());
        EXPECT_TRUE(command.Commit(nullptr));
        EXPECT_FALSE(heldElsewhere());
    }
    EXPECT_TRUE(session.dialogs.Messages().isEmpty())
        << session.dialogs.Messages().join("|").toStdString();
    EXPECT_EQ(session.game.Exe()[ExeOffset(ExeRow::CarNumbers, state.edition)], 0x41);
}

// The start-up cannot go without the game's values: it asks, and tries again on OK.
class RetryOnce : public ScriptedDialogs {
public:
    GameLock* other = nullptr;
    bool Confirm(QWidget* parent, const QString& text) override {
        const bool answer = ScriptedDialogs::Confirm(parent, text);
        if (answer && other)
            other->Release();
        return answer;
    }
};

TEST(EditorLock, TheStartUpAsksWhileAnotherProgramHoldsTheGame) {
    for (const bool again : {true, false}) {
        SCOPED_TRACE(again ? "OK" : "Cancel");
        E2EGame game(0, true);
        game.state.lockWait = 50ms;
        RetryOnce dialogs;
        AppContext context{game.state, dialogs, [](int code) { test::EndProgram(code); }};
        GameLock other = GameLock::Acquire(game.inst.gameDir);
        dialogs.other = &other;
        dialogs.confirmAnswers = {again};
        TMainForm main(context);
        ASSERT_GE(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].kind, Kind::Confirm);
        EXPECT_TRUE(SaysBusy(dialogs.shown[0].text));
        EXPECT_EQ(main.StartupResult(),
                  again ? TMainForm::Startup::Loaded : TMainForm::Startup::Cancelled);
        if (again) {
            EXPECT_TRUE(game.state.record == StartRecord(game, 1, 1));
        }
    }
}

TEST(EditorLock, CompareRefusedTheLockSaysSoAndComparesNothing) {
    E2EGame game(0, true);
    game.state.lockWait = 50ms;
    const GameLock other = GameLock::Acquire(game.inst.gameDir);
    TCompareForm form(game.context);
    form.show();
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    EXPECT_TRUE(SaysBusy(game.dialogs.Messages()[0]));
    EXPECT_TRUE(form.findChild<QLabel*>("Label1")->text().contains("nothing was compared"));
    EXPECT_TRUE(game.exits.empty());
}

} // namespace
} // namespace psn::test
