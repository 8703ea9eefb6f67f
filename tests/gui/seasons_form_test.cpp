// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "seasons/season_store.h"
#include "shell/seasons_form.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "tools/samplegame/sample_game.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

std::map<std::string, std::vector<std::uint8_t>> GameFiles(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const std::string& name : seasons::SeasonFiles())
        if (const std::string path = fs::ResolveCase(dir + name); std::filesystem::exists(path))
            files[name] = test::ReadFileBytes(path);
    return files;
}

// Keeps two seasons through the window, switches back to the first after the confirmation that
// names what changes, and finds the game's files and the record read back as they were.
TEST(SeasonsForm, KeepsSeasonsAndSwitchesTheGameAndTheRecordBack) {
    test::TempDir dir;
    const std::string data = dir.str() + "/user";
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    sample::Options options;
    options.gameDir = dir.str() + "/game/";
    options.withPictures = false;
    const sample::Installation inst = sample::MakeInstallation(options);
    const std::string editorDir = dir.str() + "/editor";
    std::filesystem::create_directories(editorDir + "/DATA");
    test::WriteFileBytes(editorDir + "/DATA/PLT.DAT", sample::PatchListBytes());
    AppState state;
    state.startDir = editorDir;
    state.config.SetGameDir(inst.gameDir);
    state.config.SetExePath(inst.exePath);
    state.config.SetNamesSource(1);
    state.config.SetCockpitSource(1);
    ScriptedDialogs dialogs;
    AppContext context{state, dialogs, [](int code) { test::EndProgram(code); }};
    TSeasonsForm form(context);
    form.show();
    auto* list = form.findChild<QTreeWidget*>("SeasonList");
    auto* name = form.findChild<QLineEdit*>("NameEdit");
    auto* keep = form.findChild<QPushButton*>("KeepButton");
    auto* switchButton = form.findChild<QPushButton*>("SwitchButton");
    ASSERT_TRUE(list && name && keep && switchButton);
    EXPECT_FALSE(switchButton->isEnabled()) << "nothing is chosen yet";

    name->setText("stock");
    keep->click();
    const auto stock = GameFiles(inst.gameDir);
    // Engine power of team 1 raised in the game, as an export of the editor would.
    auto exe = test::ReadFileBytes(inst.exePath);
    const std::uint32_t at = ExeOffset(ExeRow::EnginePower, 0);
    exe[at] ^= 0x11;
    test::WriteFileBytes(inst.exePath, exe);
    name->setText("faster");
    keep->click();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "faster");
    EXPECT_EQ(list->topLevelItem(0)->text(4), "the same as the game");
    EXPECT_EQ(list->topLevelItem(1)->text(4), "files that differ: 1");

    list->topLevelItem(1)->setSelected(true);
    ASSERT_TRUE(switchButton->isEnabled());
    dialogs.shown.clear();
    dialogs.confirmAnswers = {false};
    switchButton->click();
    ASSERT_FALSE(dialogs.shown.empty());
    EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Kind::Confirm);
    EXPECT_TRUE(dialogs.shown[0].text.contains("PSN.EXE")) << dialogs.shown[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown[0].text.contains("engine")) << dialogs.shown[0].text.toStdString();
    EXPECT_FALSE(GameFiles(inst.gameDir) == stock) << "cancelled: nothing written";

    dialogs.shown.clear();
    switchButton->click();
    EXPECT_TRUE(GameFiles(inst.gameDir) == stock);
    // The record was read again from the switched game.
    const SettingsRecord expected = inst.Expected(1, 1);
    EXPECT_EQ(state.record.u16(rec::EnginePowerQual(1)), expected.u16(rec::EnginePowerQual(1)));
    EXPECT_EQ(list->topLevelItemCount(), 3) << "the game as it was is kept first";
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace psn
