// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/editions.h"
#include "editor_fixture.h"
#include "editors/lineup.h"
#include "editors/names_form.h"
#include "support/file_poke.h"
#include "support/game_files.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace psn::test {
namespace {

using Names = ShownForm<TNamesForm>;

// Teams "Team t" with engines "Eng t"; team t's drivers have numbers 2t+1 and 2t+2 (so no box
// shows its own index by chance), driver n is called "Driver n".
void LineUp(SettingsRecord& r) {
    for (int t = 1; t <= 14; ++t) {
        r.setStr(rec::TeamName(t), 13, "Team " + std::to_string(t));
        r.setStr(rec::EngineName(t), 13, "Eng " + std::to_string(t));
        r.setU8(rec::TeamInUse(t), 1);
        r.setU8(rec::SlotNumber(FirstSlot(t)), std::uint8_t(2 * t + 1));
        r.setU8(rec::SlotNumber(SecondSlot(t)), std::uint8_t(2 * t + 2));
    }
    for (int n = 1; n <= 40; ++n)
        r.setStr(rec::DriverName(n), 24, "Driver " + std::to_string(n));
}

void ClickRow(Names& shown, int row) {
    auto* list = shown.Find<QListWidget>("ListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Types into an editable box and leaves it with Tab.
void Type(Names& shown, const char* name, const QString& text) {
    auto* box = shown.Find<QComboBox>(name);
    box->setFocus();
    box->lineEdit()->selectAll();
    // Key by key, as typed; QTest's own key clicks only know ASCII.
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box->lineEdit(), &press);
    }
    QTest::keyClick(box, Qt::Key_Tab);
}

void Choose(Names& shown, const char* name, int index) {
    auto* box = shown.Find<QComboBox>(name);
    box->setFocus();
    box->setCurrentIndex(index);
    emit box->activated(index); // what picking the entry from the drop-down list does
}

TEST(NamesForm, ShowsTheLineUpAndTeamOnesOwnDrivers) {
    EditorSession session;
    LineUp(session.record());
    session.record().setU8(rec::TeamInUse(3), 0);
    session.record().setU8(rec::SlotMark(2), 1);
    Names shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Names and numbers");
    EXPECT_EQ(shown.form.size(), QSize(843, 363));
    auto* list = shown.Find<QListWidget>("ListBox1");
    ASSERT_EQ(list->count(), 14);
    EXPECT_EQ(list->item(2)->text(), "Team 3-Eng 3");
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox5")->lineEdit()->maxLength(), 13);
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox6")->lineEdit()->maxLength(), 13);
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox1")->lineEdit()->maxLength(), 24);
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox4")->lineEdit()->maxLength(), 24);
    auto* number1 = shown.Find<QComboBox>("ComboBox2");
    EXPECT_FALSE(number1->isEditable());
    ASSERT_EQ(number1->count(), 40);
    EXPECT_EQ(number1->itemText(39), "40");
    EXPECT_EQ(number1->currentText(), "3");
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox1")->currentText(), "Driver 3");
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox4")->currentText(), "Driver 4");

    // Picture boxes: 1st drivers are CheckBox9515.., 2nd drivers CheckBox951..
    auto* first1 = shown.Find<QPushButton>("CheckBox9515");
    auto* second1 = shown.Find<QPushButton>("CheckBox951");
    auto* first3 = shown.Find<QPushButton>("CheckBox9517");
    auto* second14 = shown.Find<QPushButton>("CheckBox9514");
    EXPECT_EQ(first1->text(), "3");
    EXPECT_EQ(second1->text(), "4");
    EXPECT_TRUE(second1->isChecked());
    EXPECT_FALSE(first1->isChecked());
    EXPECT_FALSE(first3->isEnabled());
    EXPECT_EQ(second14->text(), "30");

    ClickRow(shown, 2);
    EXPECT_FALSE(shown.Find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(shown.Find<QComboBox>("ComboBox5")->isEnabled());
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox5")->currentText(), "Team 3");
    EXPECT_EQ(number1->currentText(), "7");
}

TEST(NamesForm, EditsApplyToTheTeamLeftInTheList) {
    EditorSession session;
    LineUp(session.record());
    Names shown(session);
    ClickRow(shown, 4);
    Type(shown, "ComboBox5", "Fourteen chars");
    SettingsRecord& r = session.record();
    EXPECT_EQ(r.str(rec::TeamName(5), 13), "Fourteen char");
    EXPECT_EQ(shown.Find<QListWidget>("ListBox1")->item(4)->text(), "Fourteen char-Eng 5");
    Type(shown, "ComboBox6", QString::fromUtf8("V\u00e9\u20ac8")); // the euro sign cannot be typed
    EXPECT_EQ(r.str(rec::EngineName(5), 13), "V\xE9"
                                             "8");
    EXPECT_EQ(r.str(rec::TeamName(1), 13), "Team 1");

    // Second driver of team 5 gets number 40; his name box now edits driver 40's name.
    r.setU8(rec::SlotMark(10), 1);
    Choose(shown, "ComboBox3", 39);
    EXPECT_EQ(SlotNumber(r, 10), 40);
    EXPECT_TRUE(SlotSelected(r, 10));
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox4")->currentText(), "Driver 40");
    EXPECT_EQ(shown.Find<QPushButton>("CheckBox955")->text(), "40");
    Type(shown, "ComboBox4", "A name of twenty-five chars");
    EXPECT_EQ(DriverName(r, 40), "A name of twenty-five ch");
    EXPECT_EQ(DriverName(r, 12), "Driver 12");
    Type(shown, "ComboBox1", "Ferdinand");
    EXPECT_EQ(DriverName(r, 11), "Ferdinand");
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox4")->itemText(10), "Ferdinand");
}

TEST(NamesForm, LeavingBoxesUnchangedKeepsEveryByte) {
    EditorSession session;
    LineUp(session.record());
    SettingsRecord& r = session.record();
    r.setStr(rec::DriverName(3), 24, "Jos\xE9 \xA5\xFF");
    r.setStr(rec::TeamName(1), 13, "\xC6\xD8\xC5");
    const SettingsRecord before = r;
    Names shown(session);
    for (const char* box : {"ComboBox5", "ComboBox6", "ComboBox1", "ComboBox4"}) {
        shown.Find<QComboBox>(box)->setFocus();
        QTest::keyClick(shown.Find<QComboBox>(box), Qt::Key_Tab);
    }
    ClickRow(shown, 6);
    for (const char* box : {"ComboBox1", "ComboBox4"}) {
        shown.Find<QComboBox>(box)->setFocus();
        QTest::keyClick(shown.Find<QComboBox>(box), Qt::Key_Return); // Enter moves on as well
        EXPECT_NE(QApplication::focusWidget(), shown.Find<QComboBox>(box));
        EXPECT_NE(QApplication::focusWidget(), shown.Find<QComboBox>(box)->lineEdit());
    }
    EXPECT_EQ(r, before);
}

TEST(NamesForm, SwitchesMarksAndTeamsInUse) {
    EditorSession session;
    LineUp(session.record());
    SettingsRecord& r = session.record();
    Names shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("CheckBox9528"), Qt::LeftButton);
    EXPECT_TRUE(SlotSelected(r, 27));
    QTest::mouseClick(shown.Find<QPushButton>("CheckBox9528"), Qt::LeftButton);
    EXPECT_FALSE(SlotSelected(r, 27));
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox2"), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(r.u8(rec::kFirstDriverSwitch), 1);
    ClickRow(shown, 13);
    ASSERT_EQ(shown.Find<QListWidget>("ListBox1")->currentRow(), 13);
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(r.u8(rec::TeamInUse(14)), 0);
    EXPECT_FALSE(shown.Find<QPushButton>("CheckBox9514")->isEnabled());
    EXPECT_FALSE(shown.Find<QComboBox>("ComboBox1")->isEnabled());
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox1"), Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(r.u8(rec::TeamInUse(14)), 1);
    EXPECT_TRUE(shown.Find<QComboBox>("ComboBox1")->isEnabled());
}

struct SourceCase {
    bool withState;
    int namesSource;
    const char* expectedTeam1; // after import
    bool stateWritten;
};

TEST(NamesForm, ImportAndExportFollowTheNamesSource) {
    for (const SourceCase c :
         {SourceCase{true, 1, "State", true}, SourceCase{true, 0, "Exe", false},
          SourceCase{false, 1, "Exe", false}}) {
        EditorSession session;
        ScratchGame& game = session.game;
        if (!c.withState)
            std::filesystem::remove(game.StatePath());
        game.state.config.SetNamesSource(c.namesSource);
        Poke(game.ExePath(), ExeOffset(ExeRow::TeamNames, 0), {'E', 'x', 'e'});
        Poke(game.ExePath(), ExeOffset(ExeRow::CarNumbers, 0), {5, 6});
        if (c.withState) {
            Poke(game.StatePath(), state::kTeamNames, {'S', 't', 'a', 't', 'e'});
            Poke(game.StatePath(), state::kCarNumbers, {0x81, 2});
            auto sav = game.State(); // a save state is written only while its trailer fits
            SealTrailer(sav);
            WriteFileBytes(game.StatePath(), sav);
        }
        Names shown(session);
        QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"Data has been imported!"});
        const SettingsRecord& r = session.record();
        EXPECT_EQ(r.str(rec::TeamName(1), 13), c.expectedTeam1);
        EXPECT_EQ(shown.Find<QListWidget>("ListBox1")->item(0)->text(),
                  QString(c.expectedTeam1) + "-");
        EXPECT_EQ(TeamsInUse(r), std::vector<int>{1});

        session.record().setStr(rec::DriverName(7), 24, "Seven");
        session.record().setU8(rec::kFirstDriverSwitch, 0);
        const auto stateBefore = c.withState ? game.State() : std::vector<std::uint8_t>{};
        QTest::mouseClick(shown.Find<QPushButton>("BitBtn6"), Qt::LeftButton);
        EXPECT_EQ(session.dialogs.Messages().back(), "Data has been exported!");
        EXPECT_EQ(Peek(game.ExePath(), ExeOffset(ExeRow::DriverNames, 0) + 6 * 24, 6),
                  (std::vector<std::uint8_t>{'S', 'e', 'v', 'e', 'n', 0}));
        EXPECT_EQ(Peek(game.ExePath(), ExeOffset(ExeRow::FirstDriverSwitch, 0), 1)[0], 0xDE);
        if (!c.withState)
            continue;
        const auto sav = game.State();
        EXPECT_EQ(sav[state::kDriverNames + 6 * 24] == 'S', c.stateWritten);
        const ChecksumTrailer sums = ComputeChecksum(sav);
        EXPECT_EQ(sav[sav.size() - 4] | sav[sav.size() - 3] << 8, sums.byteSum);
        EXPECT_EQ(sav[sav.size() - 2] | sav[sav.size() - 1] << 8, sums.rotatingSum);
        if (!c.stateWritten) {
            for (const auto& [at, byte] : Changes(stateBefore, sav))
                EXPECT_GE(at, sav.size() - 4) << "only the trailer may change";
        }
    }
}

TEST(NamesForm, FailedExportIsFatalAndRestoreReloadsWithoutRefresh) {
    EditorSession session;
    LineUp(session.record());
    // The originals name team 1 differently from what the window shows.
    SettingsRecord original = session.record();
    original.setStr(rec::TeamName(1), 13, "Original 1");
    WriteFileBytes(session.game.editorDir + "/DATA/ORIGIN.SET",
                   std::vector<std::uint8_t>(original.bytes().begin(), original.bytes().end()));
    Names shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn3"), Qt::LeftButton);
    EXPECT_EQ(session.record(), original);
    EXPECT_EQ(session.game.state.currentSettingsFile, "./DATA/ORIGIN.SET");
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox5")->currentText(), "Team 1") << "refreshed";
    EXPECT_TRUE(session.dialogs.Messages().isEmpty());

    std::filesystem::remove(session.game.ExePath());
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn6"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(),
              QStringList{" File access error! \n" +
                          QString::fromStdString(session.game.ExePath()) +
                          ": No such file or directory"});
    EXPECT_EQ(session.exitCode, 1);
}

} // namespace
} // namespace psn::test
