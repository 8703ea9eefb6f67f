// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "e2e_fixture.h"
#include "shell/compare_form.h"
#include "shell/languages.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/track_blocks.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

// The settings record holds the sample game's known values with three fields changed; the window
// must list exactly those three, under the windows that edit them, and write nothing.
TEST(CompareForm, ListsExactlyTheFieldsThatDifferFromTheGame) {
    test::TempDir dir;
    sample::Options options;
    options.edition = 6;
    options.gameDir = dir.str() + "/game/";
    options.withPictures = false;
    const sample::Installation inst = sample::MakeInstallation(options);
    const std::string editorDir = dir.str() + "/editor";
    std::filesystem::create_directories(editorDir + "/DATA");
    test::WriteFileBytes(editorDir + "/DATA/PLT.DAT", sample::PatchListBytes());

    AppState state;
    state.startDir = editorDir;
    state.edition = 6;
    state.config.SetGameDir(inst.gameDir);
    state.config.SetExePath(inst.exePath);
    state.config.SetNamesSource(1);
    state.config.SetCockpitSource(1);
    state.record = inst.Expected(1, 1);
    state.trackEntryKnown.fill(true); // the track editor has read them
    const auto tracks = sample::ExpectedTrackEntries(6);
    std::copy(tracks.begin(), tracks.end(), state.record.bytes().begin() + rec::kTrackEntries);
    state.record.setStr(rec::DriverName(7), rec::kDriverNameCapacity, "Nobody");
    const sample::SampleValues& v = *inst.values;
    ASSERT_NE(v.humanWeight, 1600);
    state.record.setU16(rec::kHumanWeight, 1600);
    const int compound = (v.tracks[15].compound + 1) % 4;
    state.record.setU8(TrackEntryOffset(15, trackentry::kCompound),
                       static_cast<std::uint8_t>(compound));
    state.record.setStr(rec::kDescription, rec::kDescriptionCapacity, "not in the game");
    const SettingsRecord settings = state.record;
    const auto exeBefore = test::ReadFileBytes(inst.exePath);

    ScriptedDialogs dialogs;
    AppContext context{state, dialogs, [](int code) { test::EndProgram(code); }};
    TCompareForm form(context);
    form.show();
    auto* tree = form.findChild<QTreeWidget*>("TreeView1");
    ASSERT_NE(tree, nullptr);

    const int kg = 726; // 1600 lb x 0.45359 = 725.744
    std::vector<QStringList> expectedGroups = {
        {"names (open \"Names and numbers\")", "car 7 driver", "'Nobody'",
         "'" + QString::fromLatin1(v.stateNames.driverNames[6].c_str()) + "'"},
        {"car tuning (open \"Car tuning\")", "human car weight", QString("1600 lb (%1 kg)").arg(kg),
         QString("%1 lb").arg(v.humanWeight)},
        {"tracks (open \"Track editor\")",
         "track 16 '" + QString::fromLatin1(v.trackNames[15].c_str()) + "' compound",
         QString("%1 (%2)").arg(compound).arg(QChar('A' + compound)),
         QString("%1 (%2)").arg(v.tracks[15].compound).arg(QChar('A' + v.tracks[15].compound))},
    };
    ASSERT_EQ(tree->topLevelItemCount(), static_cast<int>(expectedGroups.size()));
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = tree->topLevelItem(g);
        const QStringList& expected = expectedGroups[static_cast<std::size_t>(g)];
        EXPECT_EQ(group->text(0), expected[0]);
        ASSERT_EQ(group->childCount(), 1);
        EXPECT_EQ(group->child(0)->text(0), expected[1]);
        EXPECT_EQ(group->child(0)->text(1), expected[2]);
        EXPECT_TRUE(group->child(0)->text(2).startsWith(expected[3]))
            << group->child(0)->text(2).toStdString();
    }
    // In German a group line names its window as the window titles itself, and a row its field
    // as the undo steps do, a track's with the track's name.
    {
        const Language german(QStringLiteral("de"));
        form.Refresh();
        EXPECT_EQ(tree->topLevelItem(0)->text(0),
                  QString::fromUtf8("names (öffnen Sie „Namen und Nummern“)"));
        EXPECT_EQ(tree->topLevelItem(0)->child(0)->text(0), "Wagen 7 Fahrer");
        EXPECT_EQ(tree->topLevelItem(2)->child(0)->text(0),
                  "Strecke 16 '" + QString::fromLatin1(v.trackNames[15].c_str()) +
                      "' Reifenmischung");
    }
    form.Refresh();
    EXPECT_EQ(tree->topLevelItem(0)->text(0), expectedGroups[0][0]);
    EXPECT_TRUE(state.record == settings);
    EXPECT_TRUE(test::ReadFileBytes(inst.exePath) == exeBefore);
    EXPECT_FALSE(std::filesystem::exists(editorDir + "/DATA/ORIGIN.SET"));
    EXPECT_TRUE(dialogs.shown.empty());

    // A track block this run has not read yet is not the user's: it is not compared.
    state.trackEntryKnown.fill(false);
    form.Refresh();
    EXPECT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_TRUE(form.findChild<QLabel*>("Label1")->text().contains("not been read"));
    state.trackEntryKnown.fill(true);

    // With the settings put back to the game's values the window says they agree.
    state.record = inst.Expected(1, 1);
    std::copy(tracks.begin(), tracks.end(), state.record.bytes().begin() + rec::kTrackEntries);
    form.Refresh();
    EXPECT_EQ(tree->topLevelItemCount(), 0);
    EXPECT_TRUE(form.findChild<QLabel*>("Label1")->text().contains("agree"));
}

// Full-length names on both sides: the window widens until each column shows its rows whole.
TEST(CompareForm, WidensToShowFullLengthNamesWhole) {
    test::TempDir dir;
    sample::Options options;
    options.gameDir = dir.str() + "/game/";
    options.withPictures = false;
    const sample::Installation inst = sample::MakeInstallation(options);
    AppState state;
    state.startDir = dir.str();
    state.config.SetGameDir(inst.gameDir);
    state.config.SetExePath(inst.exePath);
    state.record = inst.Expected(1, 1);
    for (int number = 1; number <= 40; ++number)
        state.record.setStr(rec::DriverName(number), rec::kDriverNameCapacity,
                            std::string(rec::kDriverNameCapacity, 'W'));
    ScriptedDialogs dialogs;
    AppContext context{state, dialogs, [](int code) { test::EndProgram(code); }};
    TCompareForm form(context);
    form.show();
    QApplication::processEvents();
    auto* tree = form.findChild<QTreeWidget*>("TreeView1");
    ASSERT_GT(tree->topLevelItemCount(), 0);
    const int screen = form.screen()->availableGeometry().width();
    EXPECT_GT(form.width(), 640);
    EXPECT_TRUE(tree->header()->length() <= tree->viewport()->width() ||
                form.frameGeometry().width() >= screen)
        << tree->header()->length() << " in " << tree->viewport()->width();
}

// Reading for a comparison writes nothing, so a damaged game file is told and ends nothing.
TEST(CompareForm, ADamagedTrackFileIsReportedWithoutEndingTheProgram) {
    test::TempDir dir;
    sample::Options options;
    options.gameDir = dir.str() + "/game/";
    options.withPictures = false;
    const sample::Installation inst = sample::MakeInstallation(options);
    test::WriteFileBytes(inst.TrackPath(5), std::vector<std::uint8_t>(100, 0));
    AppState state;
    state.startDir = dir.str();
    state.config.SetGameDir(inst.gameDir);
    state.config.SetExePath(inst.exePath);
    state.record.setU16(rec::kHumanWeight, 1234);
    const SettingsRecord settings = state.record;
    ScriptedDialogs dialogs;
    std::vector<int> exits;
    AppContext context{state, dialogs, [&exits](int code) {
                           exits.push_back(code);
                           test::EndProgram(code);
                       }};
    TCompareForm form(context);
    form.show();
    EXPECT_TRUE(exits.empty());
    EXPECT_FALSE(context.ended);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown[0].text.contains("File access error"));
    EXPECT_EQ(form.findChild<QTreeWidget*>("TreeView1")->topLevelItemCount(), 0);
    EXPECT_TRUE(state.record == settings);
}

// The menu item opens the window over the running editor; after a start-up nothing differs.
TEST(CompareForm, OptionsMenuOpensItOverTheStartedEditor) {
    test::E2EGame game(0, true);
    game.Start();
    game.main->show();
    auto* action = game.main->findChild<QAction*>("Comparewithgame1");
    ASSERT_NE(action, nullptr);
    QString shown;
    int rows = -1;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TCompareForm*>(QApplication::activeModalWidget());
        if (!form)
            return;
        shown = form->findChild<QLabel*>("Label1")->text();
        rows = form->findChild<QTreeWidget*>("TreeView1")->topLevelItemCount();
        form->accept();
    });
    action->trigger();
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(shown.contains("agree")) << shown.toStdString();
}

} // namespace
} // namespace psn
