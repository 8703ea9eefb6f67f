// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game_palette.h"
#include "graphics/camera_form.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace psn {
namespace {

struct CameraFixture {
    test::ScratchGame game;
    ScriptedDialogs dialogs;
    AppContext context{game.state, dialogs, [](int code) { test::EndProgram(code); }};

    explicit CameraFixture(int pictureWidth = 601) {
        std::vector<std::uint8_t> pixels;
        for (int y = 0; y < 135; ++y)
            for (int x = 0; x < pictureWidth; ++x)
                pixels.push_back(static_cast<std::uint8_t>(10 + x / 100 + 10 * (y / 68)));
        test::WriteFileBytes(
            game.editorDir + "/DATA/Dib3.dib",
            assets::BitmapFileBytes(pictureWidth, 135, pixels, assets::GamePalette()));
        SettingsRecord& r = game.state.record;
        const std::uint16_t row2[] = {65535, 10, 32768, 32767, 1000, 8192, 65535, 7};
        for (int w = 0; w < 8; ++w)
            r.setU16(rec::kCameras + 16 * 1 + 2 * w, row2[w]);
    }
};

QLineEdit* Edit(QWidget& form, const char* name) {
    return form.findChild<QLineEdit*>(name);
}

void ClickCamera(TCameraForm& form, int row) {
    auto* list = form.findChild<QListWidget*>("ListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// Types into a box and leaves it with Enter, which moves the focus on.
void Type(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_FALSE(box->hasFocus()) << box->text().toStdString();
}

TEST(Cameras, ShowsRowOfClickedCameraAndItsView) {
    CameraFixture f;
    TCameraForm form(f.context);
    form.show();
    const TView& view = form.Image()->View();
    EXPECT_EQ(std::tuple(view.Left(), view.Top(), view.Width(), view.Height()),
              std::tuple(401, 68, 100, 67));
    ClickCamera(form, 1);
    EXPECT_EQ(form.CurrentCamera(), 1);
    EXPECT_EQ(Edit(form, "Edit3")->text(), "-1");
    EXPECT_EQ(Edit(form, "Edit5")->text(), "10");
    EXPECT_EQ(Edit(form, "Edit1")->text(), "-32768");
    EXPECT_EQ(Edit(form, "Edit4")->text(), "180.000");
    EXPECT_EQ(Edit(form, "Edit6")->text(), "5.490");
    EXPECT_EQ(Edit(form, "Edit2")->text(), "45.000");
    EXPECT_EQ(Edit(form, "Edit7")->text(), "65535");
    EXPECT_EQ(Edit(form, "Edit8")->text(), "7");
    EXPECT_EQ(view.Left(), 101);
    EXPECT_EQ(view.Top(), 0);
    ClickCamera(form, 5);
    EXPECT_EQ(view.Left(), 501);
    EXPECT_EQ(view.Width(), 100);
    EXPECT_EQ(form.Image()->grab().toImage().pixel(50, 30), form.Image()->WinG().Colour(15));
}

TEST(Cameras, NarrowPictureShrinksCameraSixView) {
    CameraFixture f(550);
    TCameraForm form(f.context);
    ClickCamera(form, 5);
    EXPECT_EQ(form.Image()->View().Left(), 501);
    EXPECT_EQ(form.Image()->View().Width(), 49);
}

TEST(Cameras, LeavingBoxesStoresLow16BitsAndKeepsValueOnBadText) {
    CameraFixture f;
    TCameraForm form(f.context);
    form.show();
    QApplication::setActiveWindow(&form);
    ClickCamera(form, 2);
    const SettingsRecord& r = f.game.state.record;
    const std::size_t row = rec::kCameras + 16 * 2;
    Type(Edit(form, "Edit3"), "32768");
    EXPECT_EQ(r.s16(row + 0), -32768);
    Type(Edit(form, "Edit7"), "65537");
    EXPECT_EQ(r.u16(row + 12), 1);
    Type(Edit(form, "Edit4"), "0.5");
    EXPECT_EQ(r.u16(row + 6), 91);
    Type(Edit(form, "Edit2"), "180.000");
    EXPECT_EQ(r.u16(row + 10), 32768);
    Type(Edit(form, "Edit6"), "1,5");
    EXPECT_EQ(r.u16(row + 8), 273);
    Type(Edit(form, "Edit5"), "high");
    Type(Edit(form, "Edit6"), "1.5.0");
    EXPECT_EQ(f.dialogs.Messages(), (QStringList{"'high' is not a valid integer value",
                                                 "'1.5.0' is not a valid floating point value"}));
    EXPECT_EQ(r.u16(row + 2), 0);
    EXPECT_EQ(r.u16(row + 8), 273);
    // Refused boxes show the kept values again, so passing through them says nothing more.
    EXPECT_EQ(Edit(form, "Edit5")->text(), "0");
    EXPECT_EQ(Edit(form, "Edit6")->text(), "1.500");
    for (const char* name : {"Edit5", "Edit6"}) {
        Edit(form, name)->setFocus();
        QTest::keyClick(Edit(form, name), Qt::Key_Return);
    }
    EXPECT_EQ(f.dialogs.Messages().size(), 2);
    ClickCamera(form, 2);
    EXPECT_EQ(Edit(form, "Edit4")->text(), "0.500");
    EXPECT_EQ(Edit(form, "Edit2")->text(), "-180.000");
}

TEST(Cameras, ImportRefreshesBoxesAndExportWritesEveryRow) {
    CameraFixture f;
    std::vector<std::uint8_t> block(176);
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i + 1);
    f.game.PokeExe(0x13735A, block);
    TCameraForm form(f.context);
    form.show();
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(Edit(form, "Edit3")->text(), QString::number(1 + 2 * 256));
    f.game.PokeExe(0x13735A, std::vector<std::uint8_t>(176, 0));
    QTest::mouseClick(form.findChild<QPushButton*>("BitBtn6"), Qt::LeftButton);
    const auto exe = f.game.Exe();
    EXPECT_TRUE(std::equal(block.begin(), block.end(), exe.begin() + 0x13735A));
    EXPECT_EQ(f.dialogs.Messages(),
              (QStringList{"Data has been imported!", "Data has been exported!"}));
}

} // namespace
} // namespace psn
