// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "game_palette.h"
#include "graphics/ccolors_form.h"
#include "graphics/pccolors_form.h"
#include "support/game_files.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace psn {
namespace {

using colours::kSurfaceWidth;

// Picture rows where the pixel value is the column (so every value 0..255 appears), the rest 7.
std::uint8_t ReferenceValue(int x, int y) {
    return y < 198 ? static_cast<std::uint8_t>(x % 256) : 7;
}

QPoint SwatchPoint(int colour) {
    const int s = colour - 11;
    return {20 * (s % 25) + 10, 198 + 15 * (s / 25) + 7};
}

struct ColourFormFixture {
    test::ScratchGame game;
    ScriptedDialogs dialogs;
    int exitCode = -1;
    AppContext context{game.state, dialogs, [this](int code) {
                           exitCode = code;
                           test::EndProgram(code);
                       }};

    explicit ColourFormFixture(bool withState = true) : game(0, withState) {
        std::vector<std::uint8_t> pixels;
        for (int y = 0; y < 375; ++y)
            for (int x = 0; x < kSurfaceWidth; ++x)
                pixels.push_back(ReferenceValue(x, y));
        const auto bytes = assets::BitmapFileBytes(500, 375, pixels, assets::GamePalette());
        for (const char* name : {"Dib1.dib", "DIB2.DIB"})
            test::WriteFileBytes(game.editorDir + "/DATA/" + name, bytes);
        SettingsRecord& r = game.state.record;
        for (int t = 1; t <= 14; ++t) {
            r.setStr(rec::TeamName(t), rec::kTeamNameCapacity, "Team " + std::to_string(t));
            r.setU8(rec::TeamInUse(t), t == 2 ? 0 : 1);
        }
    }
};

template <typename Form> std::uint8_t Shown(Form& form, int x, int y) {
    return form.Image()->WinG().Pixel(x, y);
}

void MoveMouse(QWidget* widget, QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

TEST(CockpitColours, ListsTeamsInUseAndRecoloursForTheRowsTeam) {
    ColourFormFixture f;
    SettingsRecord& r = f.game.state.record;
    r.setU8(rec::kCockpitColours + 3 * 2, 100); // team 3 cockpit
    TCColorsForm form(f.context);
    form.show();
    auto* list = form.findChild<QListWidget*>("ListBox1");
    ASSERT_EQ(list->count(), 13);
    EXPECT_EQ(list->item(1)->text(), "Team 3");
    EXPECT_EQ(list->height(), 16 * 13 + 4);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(form.CurrentTeam(), 3);
    EXPECT_EQ(Shown(form, 42, 5), 100);
    EXPECT_EQ(Shown(form, 56, 5), 114);
    EXPECT_EQ(Shown(form, 57, 5), 57);
}

TEST(CockpitColours, SwatchClickStoresColourAndRecoloursOnlyThatPart) {
    ColourFormFixture f;
    SettingsRecord& r = f.game.state.record;
    r.setU8(rec::kCockpitColours + 0, 20);
    r.setU8(rec::kCockpitColours + 1, 30);
    r.setU8(rec::kCockpitColours + 2, 200);
    TCColorsForm form(f.context);
    form.show();
    auto* image = form.findChild<QWidget*>("WinGImage1");
    std::vector<std::uint8_t> before(form.Image()->WinG().Surface(),
                                     form.Image()->WinG().Surface() + 500 * 198);
    QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(150));
    EXPECT_EQ(r.u8(rec::kCockpitColours), 150);
    for (int x = 0; x < kSurfaceWidth; ++x) {
        const int v = ReferenceValue(x, 0);
        const int expected =
            v >= 42 && v <= 56 ? v - 42 + 150 : before[static_cast<std::size_t>(x)];
        ASSERT_EQ(Shown(form, x, 100), expected) << x;
    }
    // Markers sit on the new colour's 15 swatches, not on the old ones.
    const QPoint marker = SwatchPoint(150);
    EXPECT_NE(Shown(form, marker.x(), marker.y()), 150);
    const QPoint oldMarker = SwatchPoint(20);
    EXPECT_EQ(Shown(form, oldMarker.x(), oldMarker.y()), 20);

    struct Case {
        const char* radio;
        int accepted, ignored;
        std::size_t byte;
    };
    for (const Case& c : {Case{"RadioButton951", 231, 232, 0}, Case{"RadioButton952", 230, 231, 1},
                          Case{"RadioButton953", 232, 233, 2}}) {
        QTest::mouseClick(form.findChild<QRadioButton*>(c.radio), Qt::LeftButton);
        QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(c.accepted));
        EXPECT_EQ(r.u8(rec::kCockpitColours + c.byte), c.accepted) << c.radio;
        QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(c.ignored));
        EXPECT_EQ(r.u8(rec::kCockpitColours + c.byte), c.accepted) << c.radio;
    }
    QTest::mouseClick(image, Qt::LeftButton, {}, {5, 198}); // a cell's background edge: colour 11
    EXPECT_EQ(r.u8(rec::kCockpitColours + 2), 11);
    QTest::mouseClick(image, Qt::LeftButton, {}, {300, 370}); // background below the last swatch
    EXPECT_EQ(r.u8(rec::kCockpitColours + 2), 11);
}

TEST(CockpitColours, PictureNamesAndPicksTheHoveredPart) {
    ColourFormFixture f;
    TCColorsForm form(f.context);
    form.show();
    auto* image = form.findChild<QWidget*>("WinGImage1");
    auto* label = form.findChild<QLabel*>("Label1");
    for (auto [x, text] : {std::pair{57, "Detail: (nothing)"},
                           {74, "Detail: (nothing)"},
                           {168, "Detail: (nothing)"},
                           {42, "Detail: Cockpit"},
                           {60, "Detail: Mirrors"},
                           {167, "Detail: Front wing"}}) {
        MoveMouse(image, {x, 50});
        EXPECT_EQ(label->text(), text) << x;
    }
    QTest::mouseClick(image, Qt::LeftButton, {}, {160, 20});
    EXPECT_EQ(form.CurrentPart(), 2);
    EXPECT_TRUE(form.findChild<QRadioButton*>("RadioButton953")->isChecked());
    QTest::mouseClick(image, Qt::LeftButton, {}, {100, 20}); // no part: nothing changes
    EXPECT_EQ(form.CurrentPart(), 2);
}

TEST(CockpitColours, ImportAndExportFollowTheSourceAndRenewChecksum) {
    for (const bool withState : {true, false}) {
        ColourFormFixture f(withState);
        const std::uint32_t exeAt = ExeOffset(ExeRow::CockpitColours, 0);
        f.game.PokeExe(exeAt, {1, 2, 3});
        if (withState) {
            auto sav = f.game.State();
            sav[state::kCockpitColours] = 250;
            test::SealTrailer(sav); // a save state is written only while its trailer fits
            test::WriteFileBytes(f.game.StatePath(), sav);
        }
        TCColorsForm form(f.context);
        form.show();
        QTest::mouseClick(form.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
        EXPECT_EQ(f.dialogs.Messages(), QStringList{"Data has been imported!"});
        EXPECT_EQ(f.game.state.record.u8(rec::kCockpitColours), withState ? 4 : 11);

        f.game.state.record.setU8(rec::kCockpitColours + 5, 77);
        QTest::mouseClick(form.findChild<QPushButton*>("BitBtn6"), Qt::LeftButton);
        EXPECT_EQ(f.dialogs.Messages().back(), "Data has been exported!");
        const auto file = withState ? f.game.State() : f.game.Exe();
        const std::size_t at = withState ? state::kCockpitColours : exeAt;
        EXPECT_EQ(file[at], withState ? 250 : 1);
        EXPECT_EQ(file[at + 5], 67);
        if (withState) {
            const auto sums =
                ComputeChecksum(std::span(file).first(std::min(file.size(), kChecksumReadLimit)));
            EXPECT_EQ(file[file.size() - 4], sums.byteSum & 0xFF);
            EXPECT_EQ(f.game.Exe()[exeAt + 5], 0); // the executable is left alone
        }
    }
}

TEST(CockpitColours, MissingPictureIsReportedAndWindowStillWorks) {
    ColourFormFixture f;
    std::filesystem::remove(f.game.editorDir + "/DATA/Dib1.dib");
    TCColorsForm form(f.context);
    ASSERT_EQ(f.dialogs.Messages().size(), 1);
    EXPECT_TRUE(f.dialogs.Messages()[0].startsWith("Cannot open file "));
    EXPECT_EQ(form.Image()->WinG().Width(), 500);
    form.show();
    QTest::mouseClick(form.findChild<QWidget*>("WinGImage1"), Qt::LeftButton, {}, SwatchPoint(100));
    EXPECT_EQ(f.game.state.record.u8(rec::kCockpitColours), 100);
}

TEST(PitCrewColours, SwatchClickRecoloursThePartIncludingTeamLogo) {
    ColourFormFixture f;
    SettingsRecord& r = f.game.state.record;
    TPCColorsForm form(f.context);
    form.show();
    auto* image = form.findChild<QWidget*>("WinGImage1");
    QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(230));
    EXPECT_EQ(r.u8(rec::kPitCrewColours + 2), 230);
    QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(231));
    EXPECT_EQ(r.u8(rec::kPitCrewColours + 2), 230);
    EXPECT_EQ(Shown(form, 42, 3), 230);
    EXPECT_EQ(Shown(form, 57, 3), 245);
    EXPECT_EQ(Shown(form, 58, 3), r.u8(rec::kPitCrewColours + 3));

    QTest::mouseClick(form.findChild<QRadioButton*>("RadioButton9514"), Qt::LeftButton);
    EXPECT_EQ(form.CurrentPart(), 13);
    QTest::mouseClick(image, Qt::LeftButton, {}, SwatchPoint(100));
    EXPECT_EQ(r.u8(rec::kPitCrewColours + 15), 100);
    EXPECT_EQ(Shown(form, 250, 3), 100);
    EXPECT_EQ(Shown(form, 255, 3), 105);
    EXPECT_EQ(Shown(form, 249, 3), (r.u8(rec::kPitCrewColours + 14) + 15) & 0xFF);
    EXPECT_EQ(Shown(form, 41, 3), 41);

    auto* label = form.findChild<QLabel*>("Label1");
    MoveMouse(image, {58, 10});
    EXPECT_EQ(label->text(), "Detail: Legs/ Pit Monitor");
    MoveMouse(image, {57, 10});
    EXPECT_EQ(label->text(), "Detail: Feet");
    QTest::mouseClick(image, Qt::LeftButton, {}, {220, 10});
    EXPECT_TRUE(form.findChild<QRadioButton*>("RadioButton9512")->isChecked());
}

TEST(PitCrewColours, ImportExportKeepHiddenBytes) {
    ColourFormFixture f;
    const std::uint32_t at = ExeOffset(ExeRow::PitCrewColours, 0);
    std::vector<std::uint8_t> block(224);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i);
    f.game.PokeExe(at, block);
    TPCColorsForm form(f.context);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(f.game.state.record.u8(rec::kPitCrewColours), 10);
    EXPECT_EQ(f.game.state.record.u8(rec::kPitCrewColours + 17), 27);
    f.game.PokeExe(at, std::vector<std::uint8_t>(224, 0));
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn6"), Qt::LeftButton);
    const auto exe = f.game.Exe();
    EXPECT_TRUE(std::equal(block.begin(), block.end(), exe.begin() + at));
    EXPECT_EQ(f.dialogs.Messages(),
              (QStringList{"Data has been imported!", "Data has been exported!"}));
}

} // namespace
} // namespace psn
