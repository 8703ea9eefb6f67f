// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The modified mark in the main window's title and the question before closing over unsaved
// edits.
#include "e2e_fixture.h"
#include "shell/settings_commands.h"
#include "ui/record_steps.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

void TypePower(E2EGame& game, const QString& text) {
    QWidget* power = game.main->Windows().enginePower;
    if (!power->isVisible()) {
        power->show();
        power->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(power));
    }
    const SettingsRecord before = game.state.record;
    auto* edit = power->findChild<QLineEdit*>("Edit16");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_NE(game.state.record, before) << "typing changed nothing";
}

void Trigger(E2EGame& game, const char* action) {
    game.main->findChild<QAction*>(action)->trigger();
    QApplication::processEvents();
}

TEST(ModifiedMark, TheTitleIsMarkedWhileTheRecordDiffersFromGameAndSettingsFile) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    main.show();
    const QString settings = QString::fromStdString(game.editorDir + "/MINE.GIA");
    struct Step {
        const char* what;
        std::function<void()> act;
        bool marked;
    };
    const std::vector<Step> steps = {
        {"start", [] {}, false},
        {"edit", [&] { TypePower(game, "321"); }, true},
        {"undo", [&] { Trigger(game, "Undo1"); }, false},
        {"redo", [&] { Trigger(game, "Redo1"); }, true},
        {"export from the window",
         [&] { E2EGame::Click(main.Windows().enginePower, "Export data"); }, false},
        {"undo after the export", [&] { Trigger(game, "Undo1"); }, true},
        {"save settings",
         [&] {
             game.dialogs.fileAnswers = {settings};
             Trigger(game, "Savesettings1");
         },
         false},
        {"edit after saving", [&] { TypePower(game, "400"); }, true},
        {"load settings",
         [&] {
             game.dialogs.fileAnswers = {settings};
             Trigger(game, "Loadsettings1");
         },
         false},
        {"restore original settings", [&] { Trigger(game, "Restoreoriginalsettings1"); }, false},
        // The game holds the exported value, the current settings file the original ones.
        {"undo the restore", [&] { Trigger(game, "Undo1"); }, true},
        {"export all data", [&] { game.ExportAll(); }, false},
    };
    // The mark stands apart from the stars of the title's own text, which stays whole.
    const QString mark = QStringLiteral("\u25CF ");
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(main.isWindowModified(), step.marked) << step.what;
        const QString title = main.windowTitle();
        EXPECT_EQ(title.startsWith(mark), step.marked) << step.what;
        EXPECT_TRUE(title.mid(step.marked ? mark.size() : 0).startsWith(kMainTitle)) << step.what;
    }
}

TEST(CloseQuestion, EachAnswerKeepsOrLosesTheEditsAsItSays) {
    struct Case {
        const char* name;
        bool edit;
        SaveAnswer answer;
        std::optional<QString> saveAs; // the file dialog's answer when Save asks for a name
        bool closes;
        bool saved;
    };
    const std::vector<Case> cases = {
        {"unchanged: no question", false, SaveAnswer::Cancel, std::nullopt, true, false},
        {"save", true, SaveAnswer::Save, "SAVED.GIA", true, true},
        {"save, but the file name is not given", true, SaveAnswer::Save, std::nullopt, false,
         false},
        {"discard", true, SaveAnswer::Discard, std::nullopt, true, false},
        {"cancel", true, SaveAnswer::Cancel, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        E2EGame game(0, true);
        TMainForm& main = game.Start();
        main.show();
        if (c.edit)
            TypePower(game, "321");
        SettingsRecord edited = game.state.record;
        std::filesystem::remove(game.ConfigPath());
        game.dialogs.Clear();
        game.dialogs.saveAnswers = {c.answer};
        if (c.saveAs)
            game.dialogs.fileAnswers = {QString::fromStdString(game.editorDir + "/") + *c.saveAs};
        const bool closed = main.close();
        // Saving stores the description window's text; nothing else of the record changes.
        SetSettingsDescription(edited, SettingsDescription(game.state.record));

        EXPECT_EQ(closed, c.closes);
        EXPECT_EQ(main.isVisible(), !c.closes);
        EXPECT_EQ(game.dialogs.Count(ScriptedDialogs::Kind::AskToSave), c.edit ? 1 : 0);
        EXPECT_EQ(game.state.record, edited);
        EXPECT_EQ(std::filesystem::exists(game.ConfigPath()), c.closes);
        const std::string saved = game.editorDir + "/SAVED.GIA";
        EXPECT_EQ(std::filesystem::exists(saved), c.saved);
        if (c.saved) {
            EXPECT_EQ(E2EGame::ReadWhole(saved),
                      Bytes(edited.bytes().begin(), edited.bytes().end()));
        }
        // Kept edits are removed at a normal end only.
        const bool kept = std::filesystem::exists(game.editorDir + "/" + kUnsavedEditsFile);
        EXPECT_FALSE(c.closes && kept);
        if (!c.closes) {
            game.dialogs.saveAnswers = {SaveAnswer::Discard};
            EXPECT_TRUE(main.close());
        }
    }
}

} // namespace
} // namespace psn::test
