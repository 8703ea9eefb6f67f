// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editor_fixture.h"
#include "editors/failures_form.h"
#include "editors/lineup.h"
#include "support/file_poke.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>

namespace psn::test {
namespace {

using Failures = ShownForm<TFailuresForm>;

// Team t is "T<t>-E<t>" with failure value 1000t; the listed teams are not in use.
void Teams(SettingsRecord& r, std::initializer_list<int> notInUse = {}) {
    for (int t = 1; t <= 20; ++t)
        r.setU16(rec::Failure(t), std::uint16_t(1000 * t));
    for (int t = 1; t <= 14; ++t) {
        r.setStr(rec::TeamName(t), 13, "T" + std::to_string(t));
        r.setStr(rec::EngineName(t), 13, "E" + std::to_string(t));
        r.setU8(rec::TeamInUse(t), 1);
    }
    for (const int t : notInUse)
        r.setU8(rec::TeamInUse(t), 0);
}

QStringList Rows(Failures& shown, const char* name) {
    QStringList rows;
    auto* list = shown.Find<QListWidget>(name);
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void ClickRow(Failures& shown, const char* name, int row) {
    auto* list = shown.Find<QListWidget>(name);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

std::vector<int> Values(const SettingsRecord& r) {
    std::vector<int> values;
    for (int t = 1; t <= 20; ++t)
        values.push_back(r.u16(rec::Failure(t)));
    return values;
}

TEST(FailuresForm, ListsTeamsInUseAndEachRowEditsItsOwnTeam) {
    EditorSession session;
    Teams(session.record(), {2, 13});
    Failures shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Car failure");
    EXPECT_EQ(shown.form.size(), QSize(702, 388));
    EXPECT_EQ(shown.Find<QLabel>("Label3")->text(), "0");
    EXPECT_EQ(shown.Find<QLabel>("Label4")->text(), "65535");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit57")->text(), "100");
    const QStringList teams = Rows(shown, "ListBox1");
    ASSERT_EQ(teams.size(), 12);
    EXPECT_EQ(teams[1], "T3-E3");
    EXPECT_EQ(Rows(shown, "ListBox2")[1], "3000");
    EXPECT_EQ(shown.Find<QSlider>("TrackBar2")->value(), 2000); // not listed, still a slider
    EXPECT_EQ(shown.Find<QSlider>("TrackBar2")->pageStep(), 10);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit1")->text(), "1000");

    ClickRow(shown, "ListBox2", 1);
    EXPECT_EQ(shown.Find<QListWidget>("ListBox1")->currentRow(), 1);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit1")->text(), "3000");
    shown.Enter("Edit1", "70000");
    auto expected = Values(session.record());
    expected[2] = 4464; // 70000 modulo 65536, into team 3
    EXPECT_EQ(Values(session.record()), expected);
    EXPECT_EQ(shown.Find<QSlider>("TrackBar3")->value(), 4464);

    ClickRow(shown, "ListBox1", 11); // team 14 after two teams that are not in use
    shown.Enter("Edit1", "-1");
    EXPECT_EQ(session.record().u16(rec::Failure(14)), 65535);
    shown.Enter("Edit1", "many");
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"'many' is not a valid integer value"});
    EXPECT_EQ(session.record().u16(rec::Failure(14)), 65535);
}

TEST(FailuresForm, SlidersStoreAllFourteenTeams) {
    EditorSession session;
    Teams(session.record(), {5});
    Failures shown(session);
    auto* bar = shown.Find<QSlider>("TrackBar5");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_PageUp);
    auto expected = Values(SettingsRecord{});
    for (int t = 1; t <= 20; ++t)
        expected[t - 1] = 1000 * t;
    expected[4] = 5010;
    EXPECT_EQ(Values(session.record()), expected);
}

TEST(FailuresForm, StepsMoveTheFourteenTeamsWithinRange) {
    EditorSession session;
    Teams(session.record());
    session.record().setU16(rec::Failure(1), 65500);
    session.record().setU16(rec::Failure(2), 50);
    Failures shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("Button1"), Qt::LeftButton);
    const SettingsRecord& r = session.record();
    EXPECT_EQ(r.u16(rec::Failure(1)), 65535);
    EXPECT_EQ(r.u16(rec::Failure(3)), 3100);
    EXPECT_EQ(r.u16(rec::Failure(15)), 15000);
    shown.Enter("Edit57", "200");
    QTest::mouseClick(shown.Find<QPushButton>("Button2"), Qt::LeftButton);
    EXPECT_EQ(r.u16(rec::Failure(2)), 0);
    EXPECT_EQ(r.u16(rec::Failure(3)), 2900);
    EXPECT_EQ(Rows(shown, "ListBox2")[2], "2900");
}

TEST(FailuresForm, ImportAndExportTheBlock) {
    EditorSession session(6);
    Teams(session.record());
    const std::uint32_t block = ExeOffset(ExeRow::Failures, 6);
    Poke(session.game.ExePath(), block, {0x34, 0x12});
    Failures shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(Rows(shown, "ListBox2")[0], "4660");
    EXPECT_EQ(session.record().u16(rec::Failure(20)), 0);
    shown.Enter("Edit1", "65535");
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(Peek(session.game.ExePath(), block, 4),
              (std::vector<std::uint8_t>{0xFF, 0xFF, 0, 0}));
    EXPECT_EQ(session.dialogs.Messages(),
              (QStringList{"Data has been imported!", "Data has been exported!"}));
}

} // namespace
} // namespace psn::test
