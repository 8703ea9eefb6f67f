// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every list of every window: moving the current row by keyboard acts exactly as clicking that
// row, and coming back from being minimised keeps the user's place.
#include "e2e_fixture.h"
#include "graphics/wing_image.h"
#include "shell/window_set.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace psn {
namespace {

using test::E2EGame;

// Everything a user can see of a window, and the record behind it.
std::vector<std::string> Snapshot(QWidget* window, const SettingsRecord& record) {
    std::vector<std::string> seen;
    for (QLineEdit* edit : window->findChildren<QLineEdit*>())
        seen.push_back("edit " + edit->objectName().toStdString() + ": " +
                       edit->text().toStdString());
    for (QComboBox* box : window->findChildren<QComboBox*>())
        seen.push_back("combo " + box->objectName().toStdString() + ": " +
                       std::to_string(box->currentIndex()));
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
        seen.push_back("button " + button->objectName().toStdString() + ": " +
                       std::to_string(button->isChecked()) + button->text().toStdString());
    for (QLabel* label : window->findChildren<QLabel*>())
        seen.push_back("label: " + label->text().toStdString());
    for (QAbstractSlider* slider : window->findChildren<QAbstractSlider*>())
        seen.push_back("slider " + slider->objectName().toStdString() + ": " +
                       std::to_string(slider->value()));
    for (QListWidget* list : window->findChildren<QListWidget*>())
        seen.push_back("list " + list->objectName().toStdString() + ": " +
                       std::to_string(list->currentRow()));
    for (TWinGImage* image : window->findChildren<TWinGImage*>()) {
        const TWinG& surface = image->WinG();
        seen.push_back("picture " + image->objectName().toStdString() + ": " +
                       std::string(reinterpret_cast<const char*>(surface.Surface()),
                                   static_cast<std::size_t>(surface.Stride()) * surface.Height()));
    }
    seen.emplace_back(reinterpret_cast<const char*>(record.bytes().data()), record.bytes().size());
    return seen;
}

void ClickCurrentRow(QListWidget* list) {
    QListWidgetItem* item = list->currentItem();
    ASSERT_NE(item, nullptr);
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

struct NamedWindow {
    const char* name;
    QWidget* window;
};

std::vector<NamedWindow> WindowsWithLists(const WindowSet& w) {
    std::vector<NamedWindow> all = {
        {"names", w.names},
        {"engine power", w.enginePower},
        {"grip", w.grip},
        {"failures", w.failures},
        {"pit line", w.pitLine},
        {"noses", w.noses},
        {"tuning", w.tuning},
        {"cockpit manager", w.cockpitManager},
        {"track manager", w.trackManager},
        {"cameras", w.cameras},
        {"car sets", w.carSets},
        {"cockpit colours", w.cockpitColours},
        {"pit crew colours", w.pitCrewColours},
        {"helmets", w.helmets},
        {"car JAMs", w.carJams},
        {"track editor", w.trackEditor},
    };
    std::vector<NamedWindow> withLists;
    for (const NamedWindow& named : all)
        if (named.window && !named.window->findChildren<QListWidget*>().isEmpty())
            withLists.push_back(named);
    return withLists;
}

void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
}

// After each key, clicking the row the key made current changes nothing more: the key has
// already done what the click does.
TEST(KeyboardLists, MovingTheCurrentRowByKeyboardActsAsClickingIt) {
    E2EGame game(0, true);
    const WindowSet& w = game.Start().Windows();
    const auto windows = WindowsWithLists(w);
    EXPECT_GE(windows.size(), 10u);
    for (const NamedWindow& named : windows) {
        SCOPED_TRACE(named.name);
        ShowActive(named.window);
        for (QListWidget* list : named.window->findChildren<QListWidget*>()) {
            if (!list->isVisible() || !list->isEnabled() || list->count() < 3)
                continue;
            SCOPED_TRACE(list->objectName().toStdString());
            list->setFocus();
            const QString last = list->item(list->count() - 1)->text();
            const QChar letter = last.isEmpty() ? QChar('x') : last[0].toLower();
            const std::pair<const char*, std::function<void()>> keys[] = {
                {"Down", [&] { QTest::keyClick(list, Qt::Key_Down); }},
                {"Down again", [&] { QTest::keyClick(list, Qt::Key_Down); }},
                {"End", [&] { QTest::keyClick(list, Qt::Key_End); }},
                {"Up", [&] { QTest::keyClick(list, Qt::Key_Up); }},
                {"Home", [&] { QTest::keyClick(list, Qt::Key_Home); }},
                {"Page Down", [&] { QTest::keyClick(list, Qt::Key_PageDown); }},
                {"Page Up", [&] { QTest::keyClick(list, Qt::Key_PageUp); }},
                {"a letter", [&] { QTest::keyClicks(list, QString(letter)); }},
            };
            for (const auto& [key, press] : keys) {
                SCOPED_TRACE(key);
                const int before = list->currentRow();
                press();
                if (list->currentRow() == before || list->currentRow() < 0)
                    continue;
                const auto byKeyboard = Snapshot(named.window, game.state.record);
                ClickCurrentRow(list);
                EXPECT_EQ(Snapshot(named.window, game.state.record), byKeyboard);
            }
        }
        named.window->hide();
    }
    EXPECT_TRUE(game.exits.empty());
}

// The Cockpit colors window recolours the team the keyboard moved to.
TEST(KeyboardLists, ASwatchRecoloursTheTeamHighlightedByKeyboard) {
    E2EGame game(0, true);
    QWidget* window = game.Start().Windows().cockpitColours;
    ShowActive(window);
    auto* list = window->findChild<QListWidget*>("ListBox1");
    list->setCurrentRow(0);
    ClickCurrentRow(list);
    QTest::keyClick(list, Qt::Key_Down);
    std::vector<int> inUse;
    for (int t = 1; t <= 20; ++t)
        if (game.state.record.u8(rec::TeamInUse(t)) != 0)
            inUse.push_back(t);
    ASSERT_GE(inUse.size(), 2u);
    const SettingsRecord before = game.state.record;
    // A swatch of the grid below the picture, a colour no part has yet.
    QTest::mouseClick(window->findChild<QWidget*>("WinGImage1"), Qt::LeftButton, {}, {330, 235});
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < before.bytes().size(); ++i)
        if (before.bytes()[i] != game.state.record.bytes()[i])
            changed.push_back(i);
    ASSERT_FALSE(changed.empty());
    for (const std::size_t offset : changed)
        EXPECT_EQ((offset - rec::kCockpitColours) / rec::kCockpitColourStride + 1,
                  static_cast<std::size_t>(inUse[1]))
            << offset;
    window->hide();
}

// Restoring a minimised window is no new showing: the current rows and what they show stay.
TEST(KeyboardLists, RestoringAMinimisedWindowKeepsTheUsersPlace) {
    E2EGame game(0, true);
    const WindowSet& w = game.Start().Windows();
    for (const NamedWindow& named : WindowsWithLists(w)) {
        SCOPED_TRACE(named.name);
        ShowActive(named.window);
        for (QListWidget* list : named.window->findChildren<QListWidget*>())
            if (list->isVisible() && list->isEnabled() && list->count() >= 3) {
                list->setFocus();
                QTest::keyClick(list, Qt::Key_End);
            }
        const auto placed = Snapshot(named.window, game.state.record);
        named.window->setWindowState(Qt::WindowMinimized);
        named.window->setWindowState(Qt::WindowNoState);
        EXPECT_EQ(Snapshot(named.window, game.state.record), placed);
        named.window->hide();
    }
}

} // namespace
} // namespace psn
