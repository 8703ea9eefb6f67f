// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unsaved edits survive a crash: a child editor with an edit is stopped with SIGKILL, and the
// next start offers to bring the record back byte for byte, as one step, or to discard it.
#include "e2e_fixture.h"
#include "ui/record_steps.h"

#include <QAction>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace psn::test {
namespace {

struct KilledChild {
    bool killed = false;
    SettingsRecord record; // the child's record when it was killed
};

KilledChild RunAndKill(const std::string& editorDir, const char* power) {
    KilledChild result;
    const std::string command =
        std::string(PSN_EDITS_CHILD) + " '" + editorDir + "' " + power + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    std::string line(16 + 2 * rec::kSize, '\0');
    int pid = 0;
    if (std::fgets(line.data(), static_cast<int>(line.size()), pipe) &&
        std::sscanf(line.c_str(), "%d", &pid) == 1 && pid > 0) {
        const std::string hex = line.substr(line.find(' ') + 1, 2 * rec::kSize);
        for (std::size_t i = 0; i < rec::kSize && 2 * i + 1 < hex.size(); ++i)
            result.record.setU8(
                i, static_cast<std::uint8_t>(std::stoi(hex.substr(2 * i, 2), nullptr, 16)));
        ::kill(pid, SIGKILL);
    }
    const int status = ::pclose(pipe);
    result.killed = (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                    (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL);
    return result;
}

TEST(UnsavedEdits, AKilledEditorsRecordComesBackByteForByteOrIsDiscarded) {
    E2EGame game(0, true);
    const std::string kept = game.editorDir + "/" + kUnsavedEditsFile;
    const KilledChild child = RunAndKill(game.editorDir, "321");
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

} // namespace
} // namespace psn::test
