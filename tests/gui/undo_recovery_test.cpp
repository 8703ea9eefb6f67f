// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unsaved edits survive a crash: a child editor with an edit is stopped with SIGKILL, and the
// next start offers to bring the record back byte for byte, as one step, or to discard it.
#include "e2e_fixture.h"
#include "ui/record_steps.h"

#include <QAction>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <utility>

namespace psn::test {
namespace {

// A child editor that has made an edit and kept it, running until it is killed.
struct RunningChild {
    FILE* pipe = nullptr;
    int pid = 0;
    bool killed = false;
    SettingsRecord record; // the child's record once its edit is kept

    RunningChild(const std::string& editorDir, const char* power) {
        const std::string command =
            std::string(PSN_EDITS_CHILD) + " '" + editorDir + "' " + power + " 2>/dev/null";
        pipe = ::popen(command.c_str(), "r");
        if (!pipe)
            return;
        std::string line(16 + 2 * rec::kSize, '\0');
        if (!std::fgets(line.data(), static_cast<int>(line.size()), pipe) ||
            std::sscanf(line.c_str(), "%d", &pid) != 1)
            pid = 0;
        const std::string hex = line.substr(line.find(' ') + 1, 2 * rec::kSize);
        for (std::size_t i = 0; pid > 0 && i < rec::kSize && 2 * i + 1 < hex.size(); ++i)
            record.setU8(i,
                         static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16)));
    }
    ~RunningChild() { Kill(); }
    void Kill() {
        if (!pipe)
            return;
        if (pid > 0)
            ::kill(pid, SIGKILL);
        const int status = ::pclose(std::exchange(pipe, nullptr));
        killed = (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                 (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL);
    }
};

TEST(UnsavedEdits, AKilledEditorsRecordComesBackByteForByteOrIsDiscarded) {
    E2EGame game(0, true);
    const std::string kept = game.editorDir + "/" + kUnsavedEditsFile;
    RunningChild child(game.editorDir, "321");
    child.Kill();
    ASSERT_TRUE(child.killed);
    ASSERT_TRUE(std::filesystem::exists(kept));
    const Bytes keptBytes = E2EGame::ReadWhole(kept);

    struct Case {
        const char* name;
        bool bringBack;
    };
    for (const Case c : {Case{"discard", false}, Case{"bring back", true}}) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(kept, keptBytes);
        game.dialogs.Clear();
        game.dialogs.confirmAnswers = {c.bringBack};
        TMainForm& main = game.Start();
        const SettingsRecord start = StartRecord(game, 1, 1);
        EXPECT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Confirm), 1);
        ASSERT_NE(child.record, start) << "the child's edit changed nothing";
        EXPECT_EQ(game.state.record, c.bringBack ? child.record : start);
        EXPECT_EQ(main.isWindowModified(), c.bringBack);
        auto* undo = main.findChild<QAction*>("Undo1");
        EXPECT_EQ(undo->isEnabled(), c.bringBack);
        if (c.bringBack) {
            undo->trigger();
            EXPECT_EQ(game.state.record, start);
        }
        EXPECT_FALSE(std::filesystem::exists(kept) && !c.bringBack);
        game.main.reset();
        EXPECT_FALSE(std::filesystem::exists(kept)) << "a normal end removes the kept edits";
    }
}

TEST(UnsavedEdits, ADamagedFileIsNamedAndKeptAsideAndNothingChanges) {
    E2EGame game(0, true);
    const std::string kept = game.editorDir + "/" + kUnsavedEditsFile;
    WriteFileBytes(kept, Bytes(100, 0xAB));
    TMainForm& main = game.Start();
    EXPECT_EQ(game.state.record, StartRecord(game, 1, 1));
    ASSERT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Warning), 1);
    EXPECT_TRUE(game.dialogs.Messages().back().contains(QString::fromStdString(kept)));
    EXPECT_EQ(E2EGame::ReadWhole(kept + ".damaged"), Bytes(100, 0xAB));
    EXPECT_FALSE(main.isWindowModified());
}

// A second editor on the same editor folder neither offers nor overwrites the running one's edits;
// once that one is gone, its edits come back at the next start.
TEST(UnsavedEdits, ASecondEditorLeavesTheRunningOnesEditsAlone) {
    E2EGame game(0, true);
    const std::string kept = game.editorDir + "/" + kUnsavedEditsFile;
    RunningChild child(game.editorDir, "321");
    ASSERT_GT(child.pid, 0);
    const Bytes keptBytes = E2EGame::ReadWhole(kept);

    game.dialogs.confirmAnswers = {true};
    TMainForm& main = game.Start();
    EXPECT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Confirm), 0);
    ASSERT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Warning), 1);
    EXPECT_TRUE(game.dialogs.Messages().back().contains("already running"));
    EXPECT_EQ(game.state.record, StartRecord(game, 1, 1));
    // An edit of its own, given time to be kept, goes nowhere near the running one's file.
    game.state.record.setU16(rec::EnginePowerQual(2), 999);
    main.Steps()->Flush();
    ASSERT_TRUE(main.isWindowModified());
    QTest::qWait(1500);
    EXPECT_EQ(E2EGame::ReadWhole(kept), keptBytes);
    game.main.reset();
    EXPECT_EQ(E2EGame::ReadWhole(kept), keptBytes);

    child.Kill();
    ASSERT_TRUE(child.killed);
    game.dialogs.Clear();
    game.dialogs.confirmAnswers = {true};
    game.Start();
    EXPECT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::Confirm), 1);
    EXPECT_EQ(game.state.record, child.record);
}

} // namespace
} // namespace psn::test
