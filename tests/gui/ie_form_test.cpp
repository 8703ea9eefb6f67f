// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/checksum.h"
#include "core/editions.h"
#include "core/record_map.h"
#include "shell/ie_form.h"
#include "support/program_end.h"
#include "support/scratch_game.h"
#include "tests/support/scripted_dialogs.h"

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
    AppContext context{game.state, dialogs, [this](int code) {
                           exits.push_back(code);
                           test::EndProgram(code);
                       }};
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
    // A save state is written only while its trailer fits; the export's change must renew it.
    f.game.state.record.setU8(1, 5); // the length of the first driver's name
    f.dialogs.confirmAnswers = {false};
    f.Click("Button2");
    const auto after = f.game.State();
    const auto sums = ComputeChecksum(std::span(after.data(), after.size()));
    EXPECT_EQ(after[after.size() - 4] | (after[after.size() - 3] << 8), sums.byteSum);
    EXPECT_EQ(after[after.size() - 2] | (after[after.size() - 1] << 8), sums.rotatingSum);
    EXPECT_NE(sums.byteSum, 0);
}

// Import all data takes the cockpit colours from the save-state file or the executable as the
// source says; without a save-state file it leaves the record's own, which only the start-up
// reads from the executable.
TEST(IEForm, ImportAllTakesCockpitColoursOnlyWithASaveStateFile) {
    enum From { Kept, Exe, State };
    const struct {
        bool withState;
        int source;
        From from;
    } cases[] = {{false, 1, Kept}, {false, 0, Kept}, {true, 1, State}, {true, 0, Exe}};
    constexpr std::size_t kBytes = 60; // 20 teams x 3 parts
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.withState) + " " + std::to_string(c.source));
        IEFormFixture f;
        if (!c.withState)
            std::filesystem::remove(f.game.StatePath());
        else {
            auto state = f.game.State();
            std::fill_n(state.begin() + state::kCockpitColours, kBytes, 0x30);
            test::WriteFileBytes(f.game.StatePath(), state);
        }
        f.game.PokeExe(ExeOffset(ExeRow::CockpitColours, 0),
                       std::vector<std::uint8_t>(kBytes, 0x20));
        f.game.state.config.SetCockpitSource(c.source);
        for (std::size_t i = 0; i < kBytes; ++i)
            f.game.state.record.setU8(rec::kCockpitColours + i, 0xA5);
        f.dialogs.confirmAnswers = {false}; // the blocks are in; the track files are declined
        f.Click("Button1");
        // The game stores each colour 10 below its palette index.
        const std::uint8_t expected = c.from == Kept ? 0xA5 : c.from == Exe ? 0x2A : 0x3A;
        for (std::size_t i = 0; i < kBytes; ++i)
            ASSERT_EQ(f.game.state.record.u8(rec::kCockpitColours + i), expected) << i;
        EXPECT_TRUE(f.exits.empty());
    }
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
