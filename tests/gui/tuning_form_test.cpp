// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editor_fixture.h"
#include "editors/tuning_blocks.h"
#include "editors/tuning_form.h"
#include "support/file_poke.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>

namespace psn::test {
namespace {

using Tuning = ShownForm<TCTuningForm>;

void InstallLedPicture(EditorSession& session) {
    std::filesystem::copy_file(std::string(PSN_APP_DIR) + "/DATA/LEDS.BMP",
                               session.game.state.StartPath(kLedPicture),
                               std::filesystem::copy_options::overwrite_existing);
}

void WritePatchList(EditorSession& session, const std::vector<std::uint8_t>& bytes) {
    WriteFileBytes(session.game.state.StartPath(kPatchListFile), bytes);
}

TEST(CarTuning, ShowingFillsEveryControlFromTheRecord) {
    EditorSession session;
    auto& r = session.record();
    r.setU16(rec::kLight1Speed, 100);
    r.setU16(rec::kLight3Speed, 0);
    r.setU8(rec::kPracticeFuel, 5);
    r.setU8(rec::kQualifyingFuel, 9);
    r.setU16(rec::kHumanWeight, 1530);
    r.setU16(rec::kComputerWeight, 1300);
    r.setU8(rec::kLight0Colour, 3);
    r.setU8(rec::kLight3Colour, 7); // only possible from a file: no entry selected
    r.setU8(rec::kFuelDisplaySwitch, 1);
    Tuning shown(session);
    EXPECT_EQ(shown.form.windowTitle(), "Car tuning");
    EXPECT_EQ(shown.form.size(), QSize(551, 396));
    EXPECT_EQ(shown.Find<QLineEdit>("Edit7")->text(), "6254");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit5")->text(), "6154");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit11")->text(), "5");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit12")->text(), "10");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit1")->text(), "1530 lb");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit2")->text(), "694 kg");
    EXPECT_EQ(shown.Find<QLineEdit>("Edit4")->text(), "590 kg");
    EXPECT_EQ(shown.Find<QScrollBar>("ScrollBar1")->value(), 1530);
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox4")->currentIndex(), 2);
    EXPECT_EQ(shown.Find<QComboBox>("ComboBox1")->currentIndex(), -1);
    EXPECT_TRUE(shown.Find<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_FALSE(shown.Find<QCheckBox>("CheckBox951")->isChecked());
    EXPECT_FALSE(shown.Find<QCheckBox>("CheckBox952")->isVisible());
    EXPECT_TRUE(session.dialogs.shown.empty());
}

TEST(CarTuning, SpeedAndFuelEntriesConvertOrKeepTheValue) {
    struct Case {
        const char* edit;
        QString text;
        std::size_t offset;
        bool word;
        int stored;
        QString shown;
    };
    EditorSession session;
    session.record().setU16(rec::kLight2Speed, 500);
    session.record().setU8(rec::kQualifyingFuel, 3);
    session.record().setU8(rec::kPracticeFuel, 8);
    Tuning shown(session);
    for (const Case& c : {
             Case{"Edit7", "6000", rec::kLight1Speed, true, 0, "6154"},
             Case{"Edit7", "17000", rec::kLight1Speed, true, 10846, "17000"},
             Case{"Edit5", "$2000", rec::kLight3Speed, true, 8192 - 6154, "8192"},
             Case{"Edit5", "71690", rec::kLight3Speed, true, 0, "6154"}, // low 16 bits: 6154
             Case{"Edit6", "fast", rec::kLight2Speed, true, 500, "6654"},
             Case{"Edit12", "10", rec::kQualifyingFuel, false, 9, "10"},
             Case{"Edit12", "0", rec::kQualifyingFuel, false, 255, "256"},
             Case{"Edit12", "ten", rec::kQualifyingFuel, false, 255, "256"},
             Case{"Edit11", "300", rec::kPracticeFuel, false, 44, "44"},
             Case{"Edit11", "", rec::kPracticeFuel, false, 44, "44"},
         }) {
        shown.Enter(c.edit, c.text);
        const auto& r = session.record();
        EXPECT_EQ(c.word ? r.u16(c.offset) : r.u8(c.offset), c.stored)
            << c.edit << " " << c.text.toStdString();
        EXPECT_EQ(shown.Find<QLineEdit>(c.edit)->text(), c.shown) << c.edit;
    }
    EXPECT_TRUE(session.dialogs.shown.empty());
}

TEST(CarTuning, OpeningABoxsOwnContextMenuDoesNotLeaveIt) {
    EditorSession session;
    session.record().setU16(rec::kLight1Speed, 1000);
    session.record().setU16(rec::kLight2Speed, 1000);
    session.record().setU16(rec::kLight3Speed, 1000);
    session.record().setU8(rec::kPracticeFuel, 30);
    session.record().setU8(rec::kQualifyingFuel, 30);
    Tuning shown(session);
    const SettingsRecord before = session.record();
    const std::pair<const char*, QString> boxes[] = {{"Edit5", "7154"},
                                                     {"Edit6", "7154"},
                                                     {"Edit7", "7154"},
                                                     {"Edit11", "30"},
                                                     {"Edit12", "31"}};
    for (const auto& [name, shownText] : boxes) {
        QLineEdit* edit = shown.Find<QLineEdit>(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "70");
        // The box's menu pops up without blocking; the half-typed text must survive it.
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(4, 4),
                                    edit->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(edit, &menuEvent);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << name;
        EXPECT_EQ(session.record().bytes(), before.bytes()) << name;
        EXPECT_EQ(edit->text(), "70") << name;
        edit->setText(shownText); // so that leaving it for the next box changes nothing
        menu->close();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(session.record().bytes(), before.bytes());
}

TEST(CarTuning, LinkedSlidersMoveTogether) {
    EditorSession session;
    session.record().setU16(rec::kHumanWeight, 1200);
    session.record().setU16(rec::kComputerWeight, 1300);
    Tuning shown(session);
    auto* human = shown.Find<QScrollBar>("ScrollBar1");
    auto* computer = shown.Find<QScrollBar>("ScrollBar2");
    human->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(session.record().u16(rec::kHumanWeight), 1220);
    EXPECT_EQ(session.record().u16(rec::kComputerWeight), 1300);

    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox1"), Qt::LeftButton);
    computer->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(session.record().u16(rec::kComputerWeight), 1280);
    EXPECT_EQ(session.record().u16(rec::kHumanWeight), 1280);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit1")->text(), "1280 lb");

    // Still linked: showing sets the human slider first, and the computer weight follows it.
    session.record().setU16(rec::kHumanWeight, 1600);
    session.record().setU16(rec::kComputerWeight, 900);
    shown.Reshow();
    EXPECT_EQ(session.record().u16(rec::kHumanWeight), 1600);
    EXPECT_EQ(session.record().u16(rec::kComputerWeight), 1600);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit3")->text(), "1600 lb");
}

TEST(CarTuning, WeightsAboveTheSliderRangeAreClamped) {
    EditorSession session;
    session.record().setU16(rec::kHumanWeight, 12000);
    session.record().setU16(rec::kComputerWeight, 65535);
    Tuning shown(session);
    EXPECT_EQ(session.record().u16(rec::kHumanWeight), 10000);
    EXPECT_EQ(session.record().u16(rec::kComputerWeight), 10000);
    // Again with the sliders already at the maximum, so they do not move.
    session.record().setU16(rec::kHumanWeight, 20000);
    shown.Reshow();
    EXPECT_EQ(session.record().u16(rec::kHumanWeight), 10000);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit1")->text(), "10000 lb");
}

TEST(CarTuning, SwitchesStoreTheirState) {
    EditorSession session;
    Tuning shown(session);
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox2"), Qt::LeftButton);
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox951"), Qt::LeftButton);
    EXPECT_EQ(session.record().u8(rec::kFuelDisplaySwitch), 1);
    EXPECT_EQ(session.record().u8(rec::kTeamPerformanceSwitch), 1);
    QTest::mouseClick(shown.Find<QCheckBox>("CheckBox2"), Qt::LeftButton);
    EXPECT_EQ(session.record().u8(rec::kFuelDisplaySwitch), 0);
}

// The pixel indices of a rectangle of a picture, row by row.
std::vector<int> Pixels(const QImage& image, const QRect& rect) {
    std::vector<int> pixels;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            pixels.push_back(image.pixelIndex(x, y));
    return pixels;
}

TEST(CarTuning, ChoosingAColourDrawsItsSpriteOnTheLight) {
    EditorSession session;
    InstallLedPicture(session);
    for (int k = 0; k < 4; ++k)
        session.record().setU8(LightColour(k), 0);
    Tuning shown(session);
    const QImage blank = shown.form.LedImage();
    ASSERT_EQ(blank.size(), QSize(100, 59));
    ASSERT_EQ(blank.format(), QImage::Format_Indexed8);

    auto* box = shown.Find<QComboBox>("ComboBox2"); // light 2
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // "Green"
    QTest::keyClick(box, Qt::Key_Down); // "Yellow"
    EXPECT_EQ(session.record().u8(rec::kLight2Colour), 2);
    const QImage lit = shown.form.LedImage();
    // The 10 x 10 sprite stretched to 11 x 11: the first row and column repeat its first pixels.
    const QRect place = LedPlace(2);
    const QRect sprite = LedSprite(2);
    EXPECT_EQ(place, QRect(44, 24, 11, 11));
    EXPECT_EQ(sprite, QRect(85, 12, 10, 10));
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 11; ++x)
            ASSERT_EQ(lit.pixelIndex(44 + x, 24 + y),
                      blank.pixelIndex(85 + x * 10 / 11, 12 + y * 10 / 11))
                << x << "," << y;
    EXPECT_NE(Pixels(lit, place), Pixels(blank, place));
    // Everything outside the light's place is unchanged.
    QImage rest = lit;
    DrawLed(rest, blank, 2, 0);
    EXPECT_EQ(rest, blank);
}

TEST(CarTuning, DrawLedPlacesEachLightOnItsOwnRectangle) {
    QImage picture(100, 59, QImage::Format_Indexed8);
    QVector<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.push_back(qRgb(i, i, i));
    picture.setColorTable(colours);
    picture.fill(0);
    for (int colour = 1; colour <= 3; ++colour) {
        const QRect s = LedSprite(colour);
        for (int y = s.top(); y <= s.bottom(); ++y)
            for (int x = s.left(); x <= s.right(); ++x)
                picture.setPixel(x, y, static_cast<uint>(colour));
    }
    const QImage blank = picture;
    for (int k = 0; k < 4; ++k)
        DrawLed(picture, blank, k, 3 - k % 3);
    for (int k = 0; k < 4; ++k) {
        const QRect expected(10 + 17 * k, 34 - 5 * k, 11, 11);
        EXPECT_EQ(LedPlace(k), expected);
        for (const int v : Pixels(picture, expected))
            ASSERT_EQ(v, 3 - k % 3) << k;
        // The pixels just outside the place stay as they were.
        EXPECT_EQ(picture.pixelIndex(expected.right() + 1, expected.top()), 0);
        EXPECT_EQ(picture.pixelIndex(expected.left(), expected.bottom() + 1), 0);
    }
}

TEST(CarTuning, ExportAndImportGoThroughThePatchListInEditionZero) {
    EditorSession session;
    WritePatchList(session, {0x00, 0x40, 0x00, 0x00, 0x11, 0x22});
    Poke(session.game.ExePath(), 0x4000, {0x11}); // the list fits: the game holds its off byte
    session.record().setU8(rec::kPatchListSwitch, 1);
    session.record().setU8(rec::kPracticeFuel, 6);
    Tuning shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"Data has been exported!"});
    const auto exe = session.game.Exe();
    EXPECT_EQ(exe[0x4000], 0x22);
    EXPECT_EQ(exe[0xA4798], 6);

    Poke(session.game.ExePath(), 0x4000, {0x11});
    Poke(session.game.ExePath(), 0xABFD0, {19});
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages().last(), "Data has been imported!");
    EXPECT_EQ(session.record().u8(rec::kPatchListSwitch), 0);
    EXPECT_EQ(shown.Find<QLineEdit>("Edit12")->text(), "20");
    EXPECT_EQ(session.exitCode, -1);
}

TEST(CarTuning, MissingPatchListIsReportedAndNothingIsWritten) {
    EditorSession session;
    session.record().setU8(rec::kPracticeFuel, 6);
    Tuning shown(session);
    const auto before = session.game.Exe();
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    ASSERT_EQ(session.dialogs.shown.size(), 1u);
    EXPECT_EQ(session.dialogs.shown[0].kind, ScriptedDialogs::Kind::Error);
    EXPECT_TRUE(session.dialogs.shown[0].text.contains("PLT.DAT"));
    EXPECT_EQ(session.game.Exe(), before);
    EXPECT_EQ(session.exitCode, -1);
}

TEST(CarTuning, OtherEditionsNeitherOpenNorNeedThePatchList) {
    EditorSession session(1);
    session.record().setU8(rec::kPatchListSwitch, 1);
    session.record().setU16(rec::kComputerWeight, 1400);
    Tuning shown(session);
    EXPECT_FALSE(shown.Find<QCheckBox>("CheckBox952")->isEnabled());
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn4"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(),
              (QStringList{"Data has been exported!", "Data has been imported!"}));
    EXPECT_EQ(session.record().u8(rec::kPatchListSwitch), 1);
    EXPECT_EQ(session.record().u16(rec::kComputerWeight), 1400);
}

TEST(CarTuning, FailedExportEndsTheProgram) {
    EditorSession session;
    std::filesystem::remove(session.game.ExePath());
    Tuning shown(session);
    QTest::mouseClick(shown.Find<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(session.dialogs.Messages(),
              QStringList{" File access error! \n" +
                          QString::fromStdString(session.game.ExePath()) +
                          ": No such file or directory"});
    EXPECT_EQ(session.exitCode, 1);
}

} // namespace
} // namespace psn::test
