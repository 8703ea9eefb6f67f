// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "graphics/helmet_form.h"
#include "shell/main_form.h"
#include "shell_fixture.h"
#include "support/fake_converter.h"
#include "ui/picture_view.h"

#include <QElapsedTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

struct HelmetStartup : ::testing::Test {
    test::ShellFixture f;
    Bitmap8 sheet = test::PatternPicture(256, 180, 21);
    std::string tempSheet = f.EditorPath("TEMP/HELMETS.BMP");

    HelmetStartup() {
        f.WriteConfigFile();
        test::WriteArchive(f.game.gameDir, "HELMETS1.JAM", sheet);
        // Left from an earlier run: must never be taken for this run's sheet.
        SaveBmpFile(test::PatternPicture(256, 180, 99), tempSheet);
    }
    const Bitmap8& ShownSheet(TMainForm& form) {
        auto* helmets = qobject_cast<THelmetForm*>(form.Windows().helmets);
        EXPECT_NE(helmets, nullptr);
        helmets->show();
        return helmets->findChild<PictureView*>("Image1")->Picture();
    }
};

TEST_F(HelmetStartup, ExtractsAFreshSheetForTheHelmetWindow) {
    test::InstallStandIn(f.game.editorDir);
    TMainForm form(f.context);
    form.CreateOtherWindows();
    EXPECT_EQ(ShownSheet(form).pixels, sheet.pixels);
    // Other windows may report their own shipped pictures; the converter is not for a box.
    EXPECT_FALSE(f.dialogs.Messages().join("\n").contains("PSNJAM"));
}

TEST_F(HelmetStartup, FinishesWithoutAConverterAndTheHelmetWindowSaysWhy) {
    QElapsedTimer clock;
    clock.start();
    TMainForm form(f.context);
    form.CreateOtherWindows();
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(form.StartupResult(), TMainForm::Startup::Loaded);
    EXPECT_FALSE(std::filesystem::exists(tempSheet));
    EXPECT_TRUE(ShownSheet(form).Empty());
    auto* view = form.Windows().helmets->findChild<PictureView*>("Image1");
    EXPECT_TRUE(view->Note().contains("not available"));
    EXPECT_TRUE(view->Note().contains("PSNJAM.EXE was not found"));
    // Other windows may report their own shipped pictures; the converter is not for a box.
    EXPECT_FALSE(f.dialogs.Messages().join("\n").contains("PSNJAM"));
}

} // namespace
} // namespace psn
