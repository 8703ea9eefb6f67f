// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_form.h"
#include "shell/path_form.h"
#include "shell/start_form.h"
#include "shell_fixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

using Startup = TMainForm::Startup;

TEST(ShellStartup, LoadsWithAndWithoutStateFileAndShowsEdition) {
    struct Case {
        int edition;
        bool withState;
        std::uint8_t editionByte; // 0: the edition's own byte
        const char* label;
    };
    const Case cases[] = {
        {0, true, 0, nullptr},
        {3, false, 0, nullptr},
        {0, true, 'Q', "PSN: English Version 1.0b"}, // unknown byte: edition 0
    };
    for (const Case& c : cases) {
        ShellFixture f(c.edition, c.withState);
        if (c.editionByte)
            f.game.PokeExe(kEditionByteOffset, {c.editionByte});
        f.WriteConfigFile();
        f.game.state.edition = 0;
        TMainForm form(f.context);
        EXPECT_EQ(form.StartupResult(), Startup::Loaded);
        EXPECT_TRUE(f.dialogs.shown.empty()) << f.dialogs.Messages().join("|").toStdString();
        const QString expected =
            c.label ? QString(c.label)
                    : "PSN: " + QString::fromLatin1(EditionName(c.edition).c_str());
        EXPECT_EQ(form.findChild<QLabel*>("EditionLabel")->text(), expected);
        EXPECT_EQ(f.game.state.config.Edition(), c.editionByte ? 0 : c.edition);
        EXPECT_EQ(form.windowTitle(), "* Brenwick PSN Editor * DEMO *");
        EXPECT_FALSE(f.game.state.exe.IsOpen());
        EXPECT_FALSE(f.game.state.stateFile.IsOpen());
        EXPECT_TRUE(fs::Exists(f.EditorPath("DATA/ORIGIN.SET")));
        ASSERT_NE(form.StartForm(), nullptr);
        EXPECT_EQ(form.StartForm()->Position(), 100);
    }
}

TEST(ShellStartup, ProgressStandsAtFourThenNinetyTwoBeforeHundred) {
    for (const bool withState : {true, false}) {
        ShellFixture f(0, withState);
        f.WriteConfigFile();
        auto values = std::make_shared<std::vector<int>>();
        WhenShown<TStartForm>([values](TStartForm* form) {
            auto* bar = form->findChild<QProgressBar*>("ProgressBar1");
            QObject::connect(bar, &QProgressBar::valueChanged,
                             [values](int value) { values->push_back(value); });
        });
        TMainForm form(f.context);
        ASSERT_GE(values->size(), 3u);
        EXPECT_EQ(values->front(), 4);
        EXPECT_EQ(values->back(), 100);
        // Without a save-state file the names are read once, one advance fewer.
        EXPECT_EQ((*values)[values->size() - 2], withState ? 92 : 88);
        // The main window closes the progress window when it is first shown.
        QPointer<TStartForm> progress = form.StartForm();
        EXPECT_TRUE(progress->isVisible());
        form.show();
        EXPECT_FALSE(progress && progress->isVisible());
    }
}

TEST(ShellStartup, MissingPatchListIsReportedAndStartUpGoesOn) {
    ShellFixture f;
    f.WriteConfigFile();
    std::filesystem::remove(f.EditorPath("DATA/PLT.DAT"));
    TMainForm form(f.context);
    EXPECT_EQ(form.StartupResult(), Startup::Loaded);
    EXPECT_EQ(f.dialogs.Count(ScriptedDialogs::Kind::Error), 1);
    EXPECT_TRUE(f.exitCodes.empty());
    EXPECT_FALSE(f.game.state.exe.IsOpen());
    EXPECT_EQ(form.StartForm()->Position(), 100);
}

TEST(ShellStartup, FirstStartLocatesTheGameAndStoresTheLocation) {
    ShellFixture f;
    f.game.state.config = ConfigRecord{};
    const QString exe = QString::fromStdString(f.game.ExePath());
    // A name that does not exist keeps the window open; the existing file is taken.
    f.dialogs.fileAnswers = {QString::fromStdString(f.game.gameDir + "NOPE.EXE"), exe};
    WhenShown<TPathForm>([](TPathForm* form) {
        auto* locate = form->findChild<QPushButton*>("Button1");
        QTest::mouseClick(locate, Qt::LeftButton);
        EXPECT_TRUE(form->isVisible());
        // Closing by the close box is refused until the game is found.
        form->close();
        EXPECT_TRUE(form->isVisible());
        QTest::mouseClick(locate, Qt::LeftButton);
    });
    TMainForm form(f.context);
    EXPECT_EQ(form.StartupResult(), Startup::Loaded);
    ASSERT_EQ(f.dialogs.Count(ScriptedDialogs::Kind::Open), 2);
    const FileDialogRequest& request = f.dialogs.shown[0].request;
    EXPECT_EQ(request.title, "Locate psn.exe file");
    EXPECT_EQ(request.filter, "PSN main executable|PSN.EXE");
    EXPECT_EQ(request.fileName, "PSN.EXE");
    EXPECT_EQ(request.initialDir, "\\");
    const ConfigRecord& config = f.game.state.config;
    EXPECT_EQ(config.ExePath(), f.game.ExePath());
    EXPECT_EQ(config.GameDir(), f.game.gameDir);
    EXPECT_EQ(config.NamesSource(), 1);
    EXPECT_EQ(config.CockpitSource(), 1);
    EXPECT_EQ(fs::CurrentDirectory(), f.game.editorDir);
}

TEST(ShellStartup, CancelWhileLocatingEndsWithoutLoading) {
    ShellFixture f;
    // Shown before the main window, the locating window is still centred on the screen.
    QPoint centre, screenCentre;
    WhenShown<TPathForm>([&](TPathForm* form) {
        centre = form->geometry().center();
        screenCentre = form->screen()->availableGeometry().center();
        QTest::mouseClick(form->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    });
    {
        TMainForm form(f.context);
        EXPECT_EQ(form.StartupResult(), Startup::Cancelled);
        EXPECT_EQ(form.StartForm(), nullptr);
        EXPECT_FALSE(form.isVisible());
    }
    EXPECT_LE((centre - screenCentre).manhattanLength(), 8) << centre.x() << "," << centre.y();
    EXPECT_FALSE(fs::Exists(f.EditorPath("psniaed.set")));
    EXPECT_FALSE(fs::Exists(f.EditorPath("DATA/ORIGIN.SET")));
    EXPECT_FALSE(fs::Exists(f.game.ExePath() + ".bak"));
}

TEST(ShellStartup, UnusableStoredExecutableLeadsBackToTheLocatingWindow) {
    struct Case {
        const char* name;
        const char* messagePart;
    };
    const Case cases[] = {{"gone", "no longer exists"}, {"short", "not the game's executable"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShellFixture f;
        f.game.state.config.SetExePath(f.game.gameDir + "OLD.EXE");
        WriteFileBytes(f.game.gameDir + "OLD.EXE", f.game.Exe());
        f.WriteConfigFile();
        const std::string stored = f.game.gameDir + "OLD.EXE";
        if (std::string(c.name) == "gone")
            std::filesystem::remove(stored);
        else
            WriteFileBytes(stored, {1, 2, 3});
        f.dialogs.fileAnswers = {QString::fromStdString(f.game.ExePath())};
        WhenShown<TPathForm>([](TPathForm* form) {
            QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
        });
        TMainForm form(f.context);
        EXPECT_EQ(form.StartupResult(), Startup::Loaded);
        ASSERT_EQ(f.dialogs.Count(ScriptedDialogs::Kind::Error), 1);
        EXPECT_TRUE(f.dialogs.Messages().front().contains(c.messagePart));
        EXPECT_TRUE(f.dialogs.Messages().front().contains("OLD.EXE"));
        EXPECT_EQ(f.game.state.config.ExePath(), f.game.ExePath());
        EXPECT_TRUE(f.exitCodes.empty());
    }
}

TEST(ShellStartup, FileAccessErrorEndsAfterTheWarningAndWritesNothing) {
    ShellFixture f;
    f.WriteConfigFile();
    const auto configBefore = ReadFileBytes(f.EditorPath("psniaed.set"));
    f.game.state.faults->failAt = 3;
    EXPECT_THROW(TMainForm form(f.context), test::ProgramEnded);
    // An injected failure reads as the system's input/output error.
    EXPECT_EQ(f.dialogs.Messages(),
              QStringList{" File access error! \n" + QString::fromStdString(f.game.ExePath()) +
                          ": Input/output error"});
    EXPECT_EQ(f.exitCodes, std::vector<int>{1});
    EXPECT_FALSE(f.game.state.exe.IsOpen());
    EXPECT_EQ(ReadFileBytes(f.EditorPath("psniaed.set")), configBefore);
    EXPECT_FALSE(fs::Exists(f.EditorPath("DATA/ORIGIN.SET")));
}

TEST(ShellStartup, ClosingWritesTheConfiguration) {
    ShellFixture f;
    f.WriteConfigFile();
    std::filesystem::remove(f.EditorPath("psniaed.set"));
    f.dialogs.fileAnswers = {QString::fromStdString(f.game.ExePath())};
    WhenShown<TPathForm>([](TPathForm* form) {
        QTest::mouseClick(form->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    });
    TMainForm form(f.context);
    form.show();
    form.close();
    ConfigRecord stored;
    const auto bytes = ReadFileBytes(f.EditorPath("psniaed.set"));
    ASSERT_EQ(bytes.size(), ConfigRecord::kSize);
    std::copy(bytes.begin(), bytes.end(), stored.Bytes().begin());
    EXPECT_EQ(stored.ExePath(), f.game.ExePath());
    EXPECT_EQ(stored.GameDir(), f.game.gameDir);
}

} // namespace
} // namespace psn::test
