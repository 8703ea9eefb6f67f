// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "shell/ie_form.h"
#include "support/scratch_game.h"
#include "ui/scripted_dialogs.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace psn {
namespace {

using Kind = ScriptedDialogs::Kind;

struct IEFormFixture {
    test::ScratchGame game;
    ScriptedDialogs dialogs;
    std::vector<int> exits;
    AppContext context{game.state, dialogs, [this](int code) { exits.push_back(code); }};
    TIEForm form{context};

    IEFormFixture() {
        test::WriteFileBytes(game.editorDir + "/DATA/PLT.DAT", {}); // a patch list of no records
        form.show();
    }

    QRadioButton* Choice(const char* group, int item) {
        return form.findChild<QGroupBox*>(group)->findChildren<QRadioButton*>().at(item);
    }
    void Click(const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);
    }
};

TEST(IEForm, GroupsShowTheStoredSourcesAndEachChangesOnlyItsOwn) {
    IEFormFixture f;
    f.game.state.config.SetNamesSource(0);
    f.form.hide();
    f.form.show();
    EXPECT_TRUE(f.Choice("RadioGroup1", 0)->isChecked());
    EXPECT_TRUE(f.Choice("RadioGroup2", 1)->isChecked());
    EXPECT_FALSE(f.form.findChild<QGroupBox*>("RadioGroup3")->isVisible());

    QTest::mouseClick(f.Choice("RadioGroup2", 0), Qt::LeftButton);
    EXPECT_EQ(f.game.state.config.CockpitSource(), 0);
    EXPECT_EQ(f.game.state.config.NamesSource(), 0);
    QTest::mouseClick(f.Choice("RadioGroup1", 1), Qt::LeftButton);
    EXPECT_EQ(f.game.state.config.NamesSource(), 1);
    EXPECT_EQ(f.game.state.config.CockpitSource(), 0);
}

TEST(IEForm, DecliningTheTrackFilesEndsWithoutTheClosingMessage) {
    for (const char* button : {"Button1", "Button2"}) {
        IEFormFixture f;
        f.dialogs.confirmAnswers = {false};
        f.Click(button);
        EXPECT_EQ(f.dialogs.Count(Kind::Confirm), 1) << button;
        EXPECT_EQ(f.dialogs.Count(Kind::Information), 0) << button;
        EXPECT_TRUE(f.exits.empty());
    }
}

TEST(IEForm, ExportAllRenewsTheSaveStateChecksum) {
    IEFormFixture f;
    auto bytes = f.game.State();
    bytes[100] = 7;
    test::WriteFileBytes(f.game.StatePath(), bytes);
    f.dialogs.confirmAnswers = {false};
    f.Click("Button2");
    const auto after = f.game.State();
    const auto sums = ComputeChecksum(std::span(after.data(), after.size()));
    EXPECT_EQ(after[after.size() - 4] | (after[after.size() - 3] << 8), sums.byteSum);
    EXPECT_EQ(after[after.size() - 2] | (after[after.size() - 1] << 8), sums.rotatingSum);
    EXPECT_NE(sums.byteSum, 0);
}

TEST(IEForm, MissingExecutableEndsTheProgramAfterOneWarning) {
    for (const char* button : {"Button1", "Button2"}) {
        IEFormFixture f;
        std::filesystem::remove(f.game.ExePath());
        const auto state = f.game.State();
        f.Click(button);
        EXPECT_EQ(f.dialogs.Messages(),
                  QStringList{" File access error! \n" + QString::fromStdString(f.game.ExePath()) +
                              ": No such file or directory"})
            << button;
        EXPECT_EQ(f.exits, std::vector<int>{1});
        EXPECT_EQ(f.game.State(), state) << "nothing written after the failure";
    }
}

} // namespace
} // namespace psn
