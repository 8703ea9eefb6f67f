// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor_fixture.h"
#include "editors/pitline_form.h"
#include "support/file_poke.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace psn::test {
namespace {

using PitLine = ShownForm<TPitLineForm>;

void LineUp(SettingsRecord& r, std::initializer_list<int> notInUse = {}) {
    for (int t = 1; t <= 14; ++t) {
        r.setStr(rec::TeamName(t), rec::kTeamNameCapacity, "Team " + std::to_string(t));
        r.setU8(rec::TeamInUse(t), 1);
        r.setU8(rec::kPitOrder + t - 1, static_cast<std::uint8_t>(15 - t)); // 14, 13, .. 1
    }
    for (const int t : notInUse)
        r.setU8(rec::TeamInUse(t), 0);
}

std::vector<int> PitOrder(const SettingsRecord& r) {
    std::vector<int> order;
    for (int p = 0; p < 14; ++p)
        order.push_back(r.u8(rec::kPitOrder + p));
    return order;
}

QStringList Rows(PitLine& shown) {
    QStringList rows;
    auto* list = shown.Find<QListWidget>("ListBox1");
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

// Presses on one row, moves the mouse in steps and lets go over another point.
void Drag(PitLine& shown, int fromRow, QPoint to) {
    auto* list = shown.Find<QListWidget>("ListBox1");
    QWidget* viewport = list->viewport();
    const QPoint from = list->visualItemRect(list->item(fromRow)).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = from + (to - from) * step / 4;
        QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

QPoint RowCentre(PitLine& shown, int row) {
    auto* list = shown.Find<QListWidget>("ListBox1");
    return list->visualItemRect(list->item(row)).center();
}

TEST(PitLine, ListShowsTheTeamsInUseInPitOrder) {
    EditorSession session;
    LineUp(session.record(), {13});
    PitLine shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Pit line settings");
    EXPECT_EQ(shown.form.size(), QSize(478, 308));
    const QStringList rows = Rows(shown);
    ASSERT_EQ(rows.size(), 13);
    EXPECT_EQ(rows[0], "Team 14");
    EXPECT_EQ(rows[1], "Team 12");
    auto* list = shown.Find<QListWidget>("ListBox1");
    EXPECT_EQ(list->height(), 13 * 16 + 4);
    QLabel* exit = nullptr;
    for (QLabel* label : shown.form.findChildren<QLabel*>())
        if (label->text() == "pit line exit")
            exit = label;
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->y(), list->geometry().bottom() + 1);
    EXPECT_EQ(shown.Find<QPushButton>("BitBtn2")->text(), "Export data into game");
}

TEST(PitLine, DraggingExchangesTwoRowsAndTheirPositions) {
    EditorSession session;
    LineUp(session.record());
    PitLine shown(session);
    Drag(shown, 0, RowCentre(shown, 2));
    EXPECT_EQ(PitOrder(session.record()),
              (std::vector<int>{12, 13, 14, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(Rows(shown).mid(0, 3), (QStringList{"Team 12", "Team 13", "Team 14"}));
}

TEST(PitLine, DraggingWithAHiddenTeamExchangesTheShownPositions) {
    EditorSession session;
    LineUp(session.record(), {13}); // position 2 holds team 13, not shown
    PitLine shown(session);
    Drag(shown, 0, RowCentre(shown, 1)); // "Team 14" onto "Team 12"
    EXPECT_EQ(PitOrder(session.record()),
              (std::vector<int>{12, 13, 14, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}));
}

TEST(PitLine, DropsBesideTheRowsOrClicksChangeNothing) {
    EditorSession session;
    LineUp(session.record(), {1, 2, 3, 4}); // a short list leaves room below its rows
    PitLine shown(session);
    const auto before = PitOrder(session.record());
    auto* list = shown.Find<QListWidget>("ListBox1");
    list->resize(list->width(), 300); // room below the last row
    Drag(shown, 0, QPoint(20, 280));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(shown, 3));
    Drag(shown, 2, RowCentre(shown, 2));
    EXPECT_EQ(PitOrder(session.record()), before);
    EXPECT_TRUE(session.dialogs.shown.empty());
}

TEST(PitLine, SliderStoresTwiceItsPositionAndShowsBothUnits) {
    struct Case {
        std::uint16_t raw;
        std::uint16_t stored;
        QString kph, mph;
    };
    EditorSession session;
    session.record().setU8(rec::kSpeedCheckSwitch, 1);
    PitLine shown(session);
    auto* slider = shown.Find<QScrollBar>("ScrollBar1");
    for (const Case& c :
         {Case{20001, 20000, "99 kph", "61 mph"}, Case{65535, 65534, "324 kph", "201 mph"},
          Case{0, 0, "0 kph", "0 mph"},
          Case{1, 1, "0 kph", "0 mph"}}) { // the slider stays at 0: nothing is stored
        session.record().setU16(rec::kPitSpeed, c.raw);
        shown.Reshow();
        EXPECT_EQ(session.record().u16(rec::kPitSpeed), c.stored) << c.raw;
        EXPECT_EQ(shown.Find<QLineEdit>("Edit1")->text(), c.kph) << c.raw;
        EXPECT_EQ(shown.Find<QLineEdit>("Edit2")->text(), c.mph) << c.raw;
    }
    slider->setValue(100);
    slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(session.record().u16(rec::kPitSpeed), 328);
}

TEST(PitLine, SpeedCheckSwitchEnablesTheSpeedControls) {
    EditorSession session;
    PitLine shown(session);
    auto* check = shown.Find<QCheckBox>("CheckBox951");
    EXPECT_FALSE(shown.Find<QScrollBar>("ScrollBar1")->isEnabled());
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_EQ(session.record().u8(rec::kSpeedCheckSwitch), 1);
    EXPECT_TRUE(shown.Find<QScrollBar>("ScrollBar1")->isEnabled());
    EXPECT_TRUE(shown.Find<QLineEdit>("Edit2")->isEnabled());
}

TEST(PitLine, ImportAndExport) {
    EditorSession session;
    LineUp(session.record());
    Poke(session.game.ExePath(), 0x1DD12F, {3, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    Poke(session.game.ExePath(), 0x91B73, {0x74});
    Poke(session.game.ExePath(), 0x138844, {0x21, 0x4E}); // 20001
    PitLine shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(Rows(shown).mid(0, 2), (QStringList{"Team 3", "Team 1"}));
    EXPECT_TRUE(shown.Find<QCheckBox>("CheckBox951")->isChecked());
    EXPECT_EQ(session.record().u16(rec::kPitSpeed), 20000); // the reshown slider stored it
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox951"), Qt::LeftButton);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(Peek(session.game.ExePath(), 0x91B73, 1)[0], 235);
    EXPECT_EQ(Peek(session.game.ExePath(), 0x138844, 2), (std::vector<std::uint8_t>{0x20, 0x4E}));
    EXPECT_EQ(session.dialogs.Messages(),
              (QStringList{"Data has been imported!", "Data has been exported!"}));
}

} // namespace
} // namespace psn::test

namespace psn::test {
namespace {

// The restore button restores the whole record here too, as in every other editor window.
TEST(PitLine, RestoreLoadsTheOriginalSettings) {
    EditorSession session;
    SettingsRecord original;
    original.setU16(rec::kPitSpeed, 1234);
    original.setU8(rec::kPitOrder, 7);
    WriteFileBytes(session.game.state.StartPath(kOriginalSettings),
                   std::vector<std::uint8_t>(original.bytes().begin(), original.bytes().end()));
    PitLine shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(session.record(), original);
    EXPECT_TRUE(session.dialogs.shown.empty());
}

} // namespace
} // namespace psn::test
