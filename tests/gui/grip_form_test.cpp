// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editor_fixture.h"
#include "editors/grip_form.h"
#include "editors/lineup.h"
#include "support/file_poke.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace psn::test {
namespace {

using Grip = ShownForm<TGripForm>;

// Slot k holds the car number given (0 = empty); driver n is "D<n>"; grip of number n is
// 100n (qualification), 100n + 1 (other sessions), 100n + 2 (range).
void LineUp(SettingsRecord& r, const std::vector<int>& numbers) {
    for (std::size_t k = 0; k < numbers.size(); ++k)
        r.setU8(rec::SlotNumber(int(k) + 1), std::uint8_t(numbers[k]));
    for (int n = 1; n <= 40; ++n) {
        r.setStr(rec::DriverName(n), 24, "D" + std::to_string(n));
        r.setU16(rec::GripQual(n), std::uint16_t(100 * n));
        r.setU16(rec::GripOther(n), std::uint16_t(100 * n + 1));
        r.setU16(rec::GripRange(n), std::uint16_t(100 * n + 2));
    }
}

QStringList Rows(Grip& shown, const char* name) {
    QStringList rows;
    auto* list = shown.Find<QListWidget>(name);
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

void ClickRow(Grip& shown, const char* name, int row) {
    auto* list = shown.Find<QListWidget>(name);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

void ChooseTable(Grip& shown, int index) {
    auto choices = shown.Find<QWidget>("RadioGroup1")->findChildren<QRadioButton*>();
    QTest::mouseClick(choices[index], Qt::LeftButton, {}, QPoint(8, 10));
}

QString EditText(Grip& shown) {
    return shown.Find<QLineEdit>("Edit1")->text();
}

// With all 40 cars numbered the lists scroll; a driver and his value stay on one line whichever
// list is scrolled, and a value that wrapped below the offset shows whole.
TEST(GripForm, EachDriverListScrollsWithItsValueList) {
    EditorSession session;
    std::vector<int> numbers(40);
    for (int k = 0; k < 40; ++k)
        numbers[std::size_t(k)] = k + 1;
    LineUp(session.record(), numbers);
    session.record().setU16(rec::GripQual(39), 65535);
    Grip shown(session);
    for (const auto& [names, values] :
         {std::pair{"ListBox1", "ListBox3"}, {"ListBox2", "ListBox4"}}) {
        SCOPED_TRACE(names);
        auto* driver = shown.Find<QListWidget>(names);
        auto* value = shown.Find<QListWidget>(values);
        ASSERT_GT(value->verticalScrollBar()->maximum(), 0);
        value->verticalScrollBar()->setValue(value->verticalScrollBar()->maximum());
        EXPECT_EQ(driver->indexAt(QPoint(4, 4)).row(), value->indexAt(QPoint(4, 4)).row());
        driver->verticalScrollBar()->setValue(2);
        EXPECT_EQ(value->verticalScrollBar()->value(), 2);
        EXPECT_EQ(driver->indexAt(QPoint(4, 4)).row(), value->indexAt(QPoint(4, 4)).row());
    }
    auto* last = shown.Find<QListWidget>("ListBox3");
    ASSERT_EQ(last->item(19)->text(), "65535");
    EXPECT_LE(last->fontMetrics().horizontalAdvance("65535") + 6, last->viewport()->width());
}

TEST(GripForm, ListsNumberedDriversWithTheChosenTable) {
    EditorSession session;
    // Team 2 has only a second driver; slot 29 (beyond the teams) is listed as well.
    std::vector<int> numbers = {1, 2, 0, 4, 5, 6};
    numbers.resize(40, 0);
    numbers[28] = 30;
    LineUp(session.record(), numbers);
    Grip shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Computer cars grip");
    EXPECT_EQ(shown.form.size(), QSize(936, 331));
    EXPECT_EQ(shown.Find<QLineEdit>("Edit57")->text(), "100");
    shown.Enter("Edit57", "1234567");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit57")->text(), "12345");
    EXPECT_EQ(Rows(shown, "ListBox1"), (QStringList{"D1", "D5", "D30"}));
    EXPECT_EQ(Rows(shown, "ListBox3"), (QStringList{"100", "500", "3000"}));
    EXPECT_EQ(Rows(shown, "ListBox2"), (QStringList{"D2", "D4", "D6"}));
    EXPECT_EQ(Rows(shown, "ListBox4"), (QStringList{"200", "400", "600"}));
    EXPECT_EQ(EditText(shown), "100");
    EXPECT_EQ(shown.Find<QListWidget>("ListBox3")->currentRow(), 0);
    ChooseTable(shown, 2);
    EXPECT_EQ(Rows(shown, "ListBox4"), (QStringList{"202", "402", "602"}));
    EXPECT_EQ(EditText(shown), "102");

    // Each row stands for its own slot's number, also after the team with one driver.
    const struct {
        const char* list;
        int row;
        const char* value;
    } clicks[] = {{"ListBox1", 1, "502"},
                  {"ListBox4", 1, "402"},
                  {"ListBox2", 2, "602"},
                  {"ListBox3", 2, "3002"}};
    for (const auto& click : clicks) {
        ClickRow(shown, click.list, click.row);
        EXPECT_EQ(EditText(shown), click.value) << click.list << click.row;
    }
    EXPECT_EQ(shown.Find<QListWidget>("ListBox1")->currentRow(), 2);
    EXPECT_TRUE(shown.Find<QListWidget>("ListBox2")->selectedItems().isEmpty());
    shown.Enter("Edit1", "32767");
    EXPECT_EQ(session.record().u16(rec::GripRange(30)), 32767);
}

TEST(GripForm, TypedValuesOutsideTheTableRangeAreIgnored) {
    struct Case {
        int table;
        const char* text;
        std::uint16_t stored; // car 1 afterwards
        bool message;
    };
    const Case cases[] = {{0, "17016", 17016, false}, {0, "17017", 100, false},
                          {1, "17017", 101, false},   {2, "17017", 17017, false},
                          {2, "32768", 102, false},   {0, "-1", 100, false},
                          {0, "$10", 16, false},      {1, "12x", 101, true}};
    for (const Case& c : cases) {
        EditorSession session;
        LineUp(session.record(), {1, 2});
        Grip shown(session);
        ChooseTable(shown, c.table);
        shown.Enter("Edit1", c.text);
        const std::size_t entry = c.table == 0   ? rec::GripQual(1)
                                  : c.table == 1 ? rec::GripOther(1)
                                                 : rec::GripRange(1);
        EXPECT_EQ(session.record().u16(entry), c.stored) << c.text;
        EXPECT_EQ(session.dialogs.Messages().size(), c.message ? 1u : 0u) << c.text;
        if (!c.message) {
            EXPECT_EQ(EditText(shown), QString::number(c.stored));
        }
    }
}

TEST(GripForm, SteppingClampsToTheTableRange) {
    struct Case {
        int table;
        const char* button;
        const char* step;
        std::uint16_t before, after;
    };
    const Case cases[] = {
        {0, "Button1", "100", 16950, 17016}, {1, "Button1", "100", 500, 600},
        {0, "Button2", "100", 60, 0},        {2, "Button1", "100", 32700, 32767},
        {2, "Button1", "100", 17000, 17100}, {2, "Button2", "100", 100, 0},
        {0, "Button1", "-50", 20, 0},        {0, "Button2", "-50", 17000, 17016},
        {0, "Button1", "0", 65535, 17016},   {0, "Button2", "100", 65535, 65435},
    };
    for (const Case& c : cases) {
        EditorSession session;
        LineUp(session.record(), {7, 0, 9});
        const std::size_t entry = c.table == 0   ? rec::GripQual(7)
                                  : c.table == 1 ? rec::GripOther(7)
                                                 : rec::GripRange(7);
        session.record().setU16(entry, c.before);
        Grip shown(session);
        ChooseTable(shown, c.table);
        shown.Enter("Edit57", c.step);
        QTest::mouseClick(shown.Find<QPushButton>(c.button), Qt::LeftButton);
        EXPECT_EQ(session.record().u16(entry), c.after)
            << c.button << " " << c.step << " on " << c.before;
        EXPECT_EQ(session.record().u16(rec::GripQual(8)), 800); // no slot holds number 8
    }
}

TEST(GripForm, NumbersInTwoSlotsStepTwiceAndCopiesCoverNumberedCarsOnly) {
    EditorSession session;
    LineUp(session.record(), {3, 3, 4});
    Grip shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("Button1"), Qt::LeftButton);
    EXPECT_EQ(session.record().u16(rec::GripQual(3)), 500);
    EXPECT_EQ(session.record().u16(rec::GripQual(4)), 500);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton); // Qual=Other
    EXPECT_EQ(session.record().u16(rec::GripQual(4)), 401);
    EXPECT_EQ(session.record().u16(rec::GripQual(5)), 500);
    session.record().setU16(rec::GripQual(4), 1234);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn5"), Qt::LeftButton); // Other=Qual
    EXPECT_EQ(session.record().u16(rec::GripOther(4)), 1234);
    EXPECT_EQ(session.record().u16(rec::GripOther(5)), 501);
    EXPECT_EQ(Rows(shown, "ListBox3"), (QStringList{"301", "1234"}));
}

// Numbers above 40 (possible in a game file) have no grip entry and must not write into the
// record beyond the table.
TEST(GripForm, NumbersWithoutGripEntriesAreLeftOut) {
    EditorSession session;
    LineUp(session.record(), {1, 2, 128, 41});
    const SettingsRecord before = session.record();
    Grip shown(session);
    EXPECT_EQ(Rows(shown, "ListBox1"), QStringList{"D1"});
    EXPECT_EQ(Rows(shown, "ListBox2"), QStringList{"D2"});
    shown.Enter("Edit57", "0");
    QTest::mouseClick(shown.Find<QPushButton>("Button2"), Qt::LeftButton);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton);
    SettingsRecord expected = before;
    expected.setU16(rec::GripQual(1), 101);
    expected.setU16(rec::GripQual(2), 201);
    EXPECT_EQ(session.record(), expected);
}

TEST(GripForm, ImportShowsAndExportWritesBothBlocks) {
    EditorSession session;
    LineUp(session.record(), {1, 2});
    const std::uint32_t grip = ExeOffset(ExeRow::Grip, 0);
    Poke(session.game.ExePath(), grip, {0x87, 0x3D, 0xFF, 0x7F}); // 0 and 17016
    Poke(session.game.ExePath(), ExeOffset(ExeRow::GripRange, 0), {0x34, 0x12, 0xAB, 0xCD});
    Grip shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"Data has been imported!"});
    EXPECT_EQ(Rows(shown, "ListBox3")[0], "0");
    ChooseTable(shown, 1);
    EXPECT_EQ(EditText(shown), "17016");
    ChooseTable(shown, 2);
    EXPECT_EQ(EditText(shown), "4660");
    shown.Enter("Edit1", "20000");
    session.record().setU16(rec::GripQual(1), 5);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages().back(), "Data has been exported!");
    EXPECT_EQ(Peek(session.game.ExePath(), grip, 4),
              (std::vector<std::uint8_t>{0x8C, 0x3D, 0xFF, 0x7F}));
    EXPECT_EQ(Peek(session.game.ExePath(), ExeOffset(ExeRow::GripRange, 0), 4),
              (std::vector<std::uint8_t>{0x20, 0x4E, 0xAB, 0xCD}));
}

} // namespace
} // namespace psn::test
