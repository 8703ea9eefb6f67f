// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/editions.h"
#include "editor_fixture.h"
#include "editors/lineup.h"
#include "editors/power_form.h"
#include "support/file_poke.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <filesystem>

namespace psn::test {
namespace {

using Power = ShownForm<TEPowerForm>;

const char* const kValueBoxes[14] = {"Edit2",  "Edit4",  "Edit6",  "Edit8",  "Edit16",
                                     "Edit15", "Edit14", "Edit11", "Edit24", "Edit23",
                                     "Edit22", "Edit19", "Edit30", "Edit29"};

// Team t: qualification 100t, other sessions 100t + 1, for all 20 entries.
void Powers(SettingsRecord& r) {
    for (int t = 1; t <= 20; ++t) {
        r.setU16(rec::EnginePowerQual(t), std::uint16_t(100 * t));
        r.setU16(rec::EnginePowerOther(t), std::uint16_t(100 * t + 1));
    }
    for (int t = 1; t <= 14; ++t) {
        r.setStr(rec::TeamName(t), 13, "T" + std::to_string(t));
        r.setStr(rec::EngineName(t), 13, "E" + std::to_string(t));
    }
}

void ChooseSession(Power& shown, int index) {
    auto choices = shown.Find<QWidget>("RadioGroup1")->findChildren<QRadioButton*>();
    QTest::mouseClick(choices[index], Qt::LeftButton, {}, QPoint(8, 10));
}

std::vector<int> Column(const SettingsRecord& r, std::size_t (*entry)(int), int count = 14) {
    std::vector<int> values;
    for (int t = 1; t <= count; ++t)
        values.push_back(r.u16(entry(t)));
    return values;
}

TEST(PowerForm, ShowsTheChosenSessionOnSlidersAndBoxes) {
    EditorSession session;
    Powers(session.record());
    session.record().setU16(rec::EnginePowerQual(2), 65535); // a stored word below the bias
    session.record().setU16(rec::kHumanPowerQual, 450);
    session.record().setU16(rec::kHumanPowerOther, 460);
    Power shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Engine power");
    // As designed, but wider where the two session choices need it at this font.
    EXPECT_EQ(shown.form.height(), 441);
    EXPECT_GE(shown.form.width(), 611);
    EXPECT_EQ(QApplication::focusWidget(), shown.Find<QWidget>("BitBtn1"));
    EXPECT_EQ(shown.Find<QLineEdit>("Edit28")->text(), "T14-E14");
    EXPECT_TRUE(shown.Find<QLineEdit>("Edit1")->isReadOnly());
    auto* bar1 = shown.Find<QSlider>("TrackBar1");
    EXPECT_EQ(bar1->maximum(), 1579);
    EXPECT_EQ(bar1->pageStep(), 10);
    EXPECT_EQ(bar1->value(), 100);
    EXPECT_EQ(shown.Find<QSlider>("TrackBar2")->value(), 1579);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit4")->text(), "65535");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit29")->text(), "1400");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit25")->text(), "100");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit26")->text(), "450");
    ChooseSession(shown, 1);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit26")->text(), "460");
    EXPECT_EQ(shown.Find<QSlider>("TrackBar14")->value(), 1401);
    EXPECT_EQ(session.record().u16(rec::EnginePowerQual(2)), 65535); // showing stored nothing
    // Typing is limited to four characters.
    for (const char* box : {"Edit29", "Edit25", "Edit26"}) {
        auto* edit = shown.Find<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "123456");
        EXPECT_EQ(edit->text(), "1234") << box;
        edit->setText("100");
    }
}

TEST(PowerForm, MovingASliderStoresEverySliderOfTheSession) {
    EditorSession session;
    Powers(session.record());
    session.record().setU16(rec::EnginePowerOther(5), 40000);
    Power shown(session);
    ChooseSession(shown, 1);
    auto* bar = shown.Find<QSlider>("TrackBar3");
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_PageUp);
    const SettingsRecord& r = session.record();
    EXPECT_EQ(r.u16(rec::EnginePowerOther(3)), 311);
    EXPECT_EQ(r.u16(rec::EnginePowerOther(5)), 1579); // its slider stood at the end
    EXPECT_EQ(r.u16(rec::EnginePowerQual(3)), 300);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit6")->text(), "311");
}

TEST(PowerForm, LeavingANumberBoxStoresAllBoxesAndClamps) {
    struct Case {
        const char* text;
        int stored;
    };
    for (const Case c : {Case{"2000", 1579}, Case{"-5", 1579}, Case{"0", 0}, Case{"1579", 1579},
                         Case{"$10", 16}}) {
        EditorSession session;
        Powers(session.record());
        session.record().setU16(rec::EnginePowerOther(9), 65000); // clamped in the other session
        session.record().setU16(rec::EnginePowerQual(16), 65000); // not a team of the window
        Power shown(session);
        shown.Enter("Edit16", c.text); // team 5
        const SettingsRecord& r = session.record();
        EXPECT_EQ(r.u16(rec::EnginePowerQual(5)), c.stored) << c.text;
        EXPECT_EQ(r.u16(rec::EnginePowerOther(9)), 1579) << c.text;
        EXPECT_EQ(r.u16(rec::EnginePowerQual(16)), 65000) << c.text;
        EXPECT_EQ(shown.Find<QSlider>("TrackBar5")->value(), std::min(c.stored, 1579));
        EXPECT_TRUE(session.dialogs.Messages().isEmpty());
    }
}

TEST(PowerForm, ANonNumberStopsTheStoreAtThatBox) {
    EditorSession session;
    Powers(session.record());
    session.record().setU16(rec::EnginePowerQual(14), 3000);
    Power shown(session);
    shown.Find<QLineEdit>("Edit2")->setText("11");   // team 1
    shown.Find<QLineEdit>("Edit15")->setText("x");   // team 6
    shown.Find<QLineEdit>("Edit14")->setText("777"); // team 7
    shown.Enter("Edit4", "22");                      // team 2, left: all boxes are read
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"'x' is not a valid integer value"});
    const auto values = Column(session.record(), rec::EnginePowerQual);
    EXPECT_EQ(values[0], 11);
    EXPECT_EQ(values[1], 22);
    EXPECT_EQ(values[5], 600);
    EXPECT_EQ(values[6], 700);
    EXPECT_EQ(values[13], 3000); // the clamp is skipped as well
}

TEST(PowerForm, SteppingStaysWithinRange) {
    struct Case {
        const char* button;
        const char* step;
        std::uint16_t before, after;
    };
    const Case cases[] = {{"Button1", "100", 1500, 1579},  {"Button2", "100", 50, 0},
                          {"Button1", "100", 200, 300},    {"Button1", "-100", 50, 0},
                          {"Button2", "-100", 1500, 1579}, {"Button1", "0", 65535, 1579}};
    for (const Case& c : cases) {
        EditorSession session;
        Powers(session.record());
        session.record().setU16(rec::EnginePowerOther(1), c.before);
        Power shown(session);
        ChooseSession(shown, 1);
        shown.Enter("Edit25", c.step);
        QTest::mouseClick(shown.Find<QPushButton>(c.button), Qt::LeftButton);
        EXPECT_EQ(session.record().u16(rec::EnginePowerOther(1)), c.after)
            << c.button << " " << c.step << " on " << c.before;
        EXPECT_EQ(session.record().u16(rec::EnginePowerQual(1)), 100);
        EXPECT_EQ(session.record().u16(rec::EnginePowerOther(15)), 1501);
    }
}

TEST(PowerForm, CopiesNameTheSourceFirstAndHumanPowerIsRaw) {
    EditorSession session;
    Powers(session.record());
    Power shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton); // Qual=Other
    SettingsRecord& r = session.record();
    EXPECT_EQ(Column(r, rec::EnginePowerOther), Column(r, rec::EnginePowerQual));
    EXPECT_EQ(r.u16(rec::EnginePowerOther(15)), 1501);
    for (int t = 1; t <= 14; ++t)
        r.setU16(rec::EnginePowerOther(t), 7);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn5"), Qt::LeftButton); // Other=Qual
    EXPECT_EQ(Column(r, rec::EnginePowerQual), std::vector<int>(14, 7));
    EXPECT_EQ(r.u16(rec::EnginePowerQual(15)), 1500);

    // Enter does not move on from the human box; the user leaves it with Tab.
    const auto typeHuman = [&](const char* text) {
        auto* edit = shown.Find<QLineEdit>("Edit26");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    };
    typeHuman("9999");
    EXPECT_EQ(r.u16(rec::kHumanPowerQual), 9999);
    ChooseSession(shown, 1);
    typeHuman("-1");
    EXPECT_EQ(r.u16(rec::kHumanPowerOther), 65535);
    EXPECT_EQ(r.u16(rec::kHumanPowerQual), 9999);
}

TEST(PowerForm, RandomPowerSwitchTurnsBackOnFromTheBackupOrSaysItCannot) {
    EditorSession session;
    Powers(session.record());
    const std::uint32_t at = ExeOffset(ExeRow::RandomPowerPatch, 0);
    const std::vector<std::uint8_t> call = {0xE8, 1, 2, 3, 4};
    Poke(session.game.ExePath(), at, call);
    Poke(session.game.ExePath(), ExeOffset(ExeRow::EnginePower, 0), {0x95, 0x80}); // 100 BHP
    Power shown(session);
    auto* box = shown.Find<QCheckBox>("CheckBox1");
    auto* importButton = shown.Find<QPushButton>("BitBtn2");
    auto* exportButton = shown.Find<QPushButton>("BitBtn6");
    QTest::mouseClick(importButton, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(shown.Find<QLineEdit>("Edit2")->text(), "100");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit4")->text(), "32719"); // a zero word wraps
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
    EXPECT_EQ(session.record().u8(rec::kRandomPowerSwitch), 0);
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_EQ(Peek(session.game.ExePath(), at, 5), std::vector<std::uint8_t>(5, 0x90));
    EXPECT_EQ(Peek(session.game.ExePath(), ExeOffset(ExeRow::EnginePower, 0), 2),
              (std::vector<std::uint8_t>{0x95, 0x80}));
    // The first export kept the original, which still holds the call.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_EQ(Peek(session.game.ExePath(), at, 5), call);
    QTest::mouseClick(importButton, Qt::LeftButton);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(session.dialogs.Messages(),
              (QStringList{"Data has been imported!", "Data has been exported!",
                           "Data has been exported!", "Data has been imported!"}));

    // Without a backup the game keeps the switch off, and the window says so and shows it.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    ASSERT_TRUE(std::filesystem::remove(session.game.ExePath() + ".bak"));
    session.dialogs.shown.clear();
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, 10));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    EXPECT_EQ(Peek(session.game.ExePath(), at, 5), std::vector<std::uint8_t>(5, 0x90));
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(session.record().u8(rec::kRandomPowerSwitch), 0);
    ASSERT_EQ(session.dialogs.Messages().size(), 1);
    EXPECT_TRUE(session.dialogs.Messages()[0].contains("cannot be turned back on"))
        << session.dialogs.Messages()[0].toStdString();
    EXPECT_TRUE(session.dialogs.Messages()[0].contains("PSN.EXE.bak"));
}

} // namespace
} // namespace psn::test
