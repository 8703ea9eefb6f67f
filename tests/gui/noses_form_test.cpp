// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor_fixture.h"
#include "editors/noses_form.h"
#include "support/file_poke.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace psn::test {
namespace {

using Noses = ShownForm<TNosesForm>;

// Teams 1..14 named "Team 1".., in use unless listed.
void LineUp(SettingsRecord& r, std::initializer_list<int> notInUse = {}) {
    for (int t = 1; t <= 14; ++t) {
        r.setStr(rec::TeamName(t), rec::kTeamNameCapacity, "Team " + std::to_string(t));
        r.setU8(rec::TeamInUse(t), 1);
    }
    for (const int t : notInUse)
        r.setU8(rec::TeamInUse(t), 0);
}

void ClickRow(Noses& shown, int row) {
    auto* list = shown.Find<QListWidget>("ListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

TEST(NoseCones, RowsAreTheTeamsInUseAndEditTheirOwnTeam) {
    EditorSession session;
    LineUp(session.record(), {2, 5});
    session.record().setU8(rec::kNoseCones + 3 - 1, 1); // team 3 raised
    Noses shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Nose cones ");
    EXPECT_EQ(shown.form.size(), QSize(339, 311));
    auto* list = shown.Find<QListWidget>("ListBox1");
    ASSERT_EQ(list->count(), 12);
    EXPECT_EQ(list->item(1)->text(), "Team 3");
    EXPECT_EQ(list->height(), 12 * 16 + 4);
    EXPECT_EQ(list->currentRow(), 0);

    auto* raised = shown.form.findChildren<QRadioButton*>()[0];
    auto* lowered = shown.form.findChildren<QRadioButton*>()[1];
    EXPECT_EQ(raised->text(), "raised");
    EXPECT_TRUE(lowered->isChecked()); // team 1
    ClickRow(shown, 1);
    EXPECT_TRUE(raised->isChecked()); // row 1 is team 3, not team 2

    // Row 3 is team 6: choosing "raised" there changes team 6 alone.
    ClickRow(shown, 3);
    QTest::mouseClick(raised, Qt::LeftButton);
    std::vector<int> flags;
    for (int t = 0; t < 14; ++t)
        flags.push_back(session.record().u8(rec::kNoseCones + t));
    EXPECT_EQ(flags, (std::vector<int>{0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
    QTest::mouseClick(lowered, Qt::LeftButton);
    EXPECT_EQ(session.record().u8(rec::kNoseCones + 5), 0);
}

TEST(NoseCones, NoTeamsInUseLeaveNothingToEdit) {
    EditorSession session;
    Noses shown(session);
    auto* raised = shown.form.findChildren<QRadioButton*>()[0];
    EXPECT_EQ(shown.Find<QListWidget>("ListBox1")->count(), 0);
    EXPECT_FALSE(raised->isEnabled());
    QTest::mouseClick(raised, Qt::LeftButton);
    EXPECT_EQ(session.record(), SettingsRecord{});
}

TEST(NoseCones, ImportAndExportGoThroughBothTables) {
    EditorSession session;
    LineUp(session.record());
    constexpr std::size_t kSecond = 0x12E5B3 + 53;
    Poke(session.game.ExePath(), kSecond, {2}); // any non-zero byte is raised
    Noses shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(session.record().u8(rec::kNoseCones), 1);
    EXPECT_TRUE(shown.form.findChildren<QRadioButton*>()[0]->isChecked());
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(Peek(session.game.ExePath(), 0x12E5B3, 1)[0], 0);
    EXPECT_EQ(Peek(session.game.ExePath(), kSecond, 1)[0], 1);
    EXPECT_EQ(Peek(session.game.ExePath(), 0x12E5B3 + 4, 1)[0], 2); // team 2 lowered
    EXPECT_EQ(session.dialogs.Messages(),
              (QStringList{"Data has been imported!", "Data has been exported!"}));
}

} // namespace
} // namespace psn::test
