// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window set's rows make every window once, and the main window's picture buttons, made from
// the rows, each open their own window.
#include "e2e_fixture.h"
#include "shell/window_set.h"
#include "ui/picture_button.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace psn {
namespace {

using test::E2EGame;

TEST(WindowSet, EveryRowMakesAWindowOfItsOwnUnderANameOfItsOwn) {
    E2EGame game(0, true);
    const WindowSet& set = game.Start().Windows();
    const std::vector<QWidget*> windows = set.All();
    ASSERT_EQ(windows.size(), WindowRows().size());
    std::set<QWidget*> distinct;
    std::set<std::string> names, buttons;
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const WindowRow& row = WindowRows()[i];
        EXPECT_NE(windows[i], nullptr) << row.name;
        EXPECT_EQ(windows[i], row.window(set)) << row.name;
        EXPECT_TRUE(distinct.insert(windows[i]).second) << row.name << " repeats a window";
        // The screenshots are files of these names.
        EXPECT_TRUE(names.insert(row.name).second) << row.name << " repeats a name";
        EXPECT_EQ(std::string(row.name).find_first_not_of("abcdefghijklmnopqrstuvwxyz_"),
                  std::string::npos)
            << row.name;
        if (row.button.name) {
            EXPECT_TRUE(buttons.insert(row.button.name).second) << row.button.name;
        }
    }
}

// Each button opens its row's window modally; the main window hides meanwhile only where the row
// says so, and is back once the window closes.
TEST(WindowSet, EachPictureButtonOpensItsRowsWindow) {
    E2EGame game(0, true);
    TMainForm& main = game.Start();
    main.show();
    QStringList made;
    for (const PictureButton* button : main.centralWidget()->findChildren<PictureButton*>())
        made << button->objectName();
    // The order a screen reader walks them: column by column, top to bottom.
    EXPECT_EQ(
        made,
        QStringList({"NamesButton", "PowerButton", "GripButton", "FailureButton", "TuningButton",
                     "NosesButton", "PitLaneButton", "CockpitColoursButton", "PitCrewButton",
                     "CarJamsButton", "HelmetsButton", "CamerasButton", "CockpitManagerButton",
                     "TrackManagerButton", "TrackEditorButton", "ExitButton", "CarSetsButton"}));
    int opened = 0;
    for (const WindowRow& row : WindowRows()) {
        if (!row.button.name)
            continue;
        QWidget* window = row.window(main.Windows());
        auto* button = main.findChild<PictureButton*>(row.button.name);
        ASSERT_TRUE(button) << row.button.name;
        bool shown = false, mainShown = true;
        QTimer::singleShot(0, [&] {
            shown = window->isVisible() && window->isModal();
            mainShown = main.isVisible();
            if (auto* dialog = qobject_cast<QDialog*>(window))
                dialog->reject();
            else
                window->hide();
        });
        button->click();
        EXPECT_TRUE(shown) << row.button.name;
        EXPECT_EQ(mainShown, !row.button.hideMain) << row.button.name;
        EXPECT_FALSE(window->isVisible()) << row.button.name;
        EXPECT_TRUE(main.isVisible()) << row.button.name;
        ++opened;
    }
    EXPECT_EQ(opened, 14);
}

} // namespace
} // namespace psn
