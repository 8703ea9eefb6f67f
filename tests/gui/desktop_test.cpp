// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor on a Linux desktop: the desktop entry finds its windows, file dialogs open where a
// user's files are, and the Help menu says what the editor is and needs.
#include "core/converter.h"
#include "e2e_fixture.h"
#include "shell/main_form.h"
#include "shell/program.h"
#include "shell_fixture.h"
#include "ui/converter_runner.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

// Sets an environment variable for the scope; an empty value unsets it.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnv() {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// Docks tie a window to its desktop entry by the entry's StartupWMClass, which must be the class
// Qt gives every window on X11: the application's name.
TEST(Desktop, TheEntrysStartupWMClassIsTheWindowsClass) {
    SetUpApplication();
    QFile entry(PSN_SOURCE_DIR "/packaging/org.brenwick.psniaed.desktop");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const auto match =
        QRegularExpression("^StartupWMClass=(.*)$", QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(entry.readAll()));
    ASSERT_TRUE(match.hasMatch());
    EXPECT_EQ(match.captured(1), kWindowClass);
    EXPECT_EQ(QCoreApplication::applicationName(), kWindowClass);
}

// A file manager starts "psniaed %f": the file is taken against the folder the editor was started
// from, Qt's and the editor's own options are no file, and a file that does not load is named in
// a message while the editor goes on with its settings unchanged.
TEST(Desktop, TheSettingsFileTheEditorIsOpenedWithIsLoadedOrNamed) {
    const auto argument = [](std::vector<const char*> args) {
        args.insert(args.begin(), "psniaed");
        return SettingsFileArgument(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                                    "/home/u/start");
    };
    EXPECT_EQ(argument({}), "");
    EXPECT_EQ(argument({"KIMI97.GIA"}), "/home/u/start/KIMI97.GIA");
    EXPECT_EQ(argument({"../saves/a b.gia", "second.gia"}), "/home/u/start/../saves/a b.gia");
    EXPECT_EQ(argument({"/media/cd/ORIGIN.GIA"}), "/media/cd/ORIGIN.GIA");
    EXPECT_EQ(argument({"--reverse", "x.gia"}), "/home/u/start/x.gia");
    EXPECT_EQ(argument({"--", "-odd.gia"}), "/home/u/start/-odd.gia");

    E2EGame game(0, true);
    TMainForm& main = game.Start();
    const SettingsRecord before = game.state.record;
    const std::string bad = game.editorDir + "/short.gia";
    WriteFileBytes(bad, Bytes(100, 1));
    main.OpenSettingsFile(bad);
    ASSERT_EQ(game.dialogs.Count(Kind::Error), 1);
    EXPECT_TRUE(game.dialogs.Messages().back().contains("short.gia"));
    EXPECT_EQ(game.state.record, before);
    EXPECT_EQ(game.state.currentSettingsFile, "");
    main.OpenSettingsFile(game.editorDir + "/missing.gia");
    EXPECT_EQ(game.dialogs.Count(Kind::Error), 2);
    EXPECT_EQ(game.state.record, before);
    EXPECT_FALSE(main.isWindowModified());
}

// The root of the drive a Windows game lives on is the Wine prefix's drive_c; other folders are
// taken as they are asked for.
TEST(Desktop, FileDialogsOpenOnTheDriveOfAWindowsGameElseAtHome) {
    QTemporaryDir home, prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("drive_c"));
    const QString ownWine = home.path() + "/.wine/drive_c";
    struct Case {
        const char* name;
        QString winePrefix;
        bool homeWine;
        QString initialDir, folder;
        QString expected;
    };
    const Case cases[] = {
        {"no Wine", {}, false, "\\", {}, home.path()},
        {"~/.wine", {}, true, "\\", {}, ownWine},
        {"WINEPREFIX first", prefix.path(), true, "\\", {}, prefix.path() + "/drive_c"},
        {"WINEPREFIX without drive_c", home.path() + "/none", true, "\\", {}, ownWine},
        {"the current folder", {}, true, ".", {}, "."},
        {"a folder given", prefix.path(), true, "\\", "/srv", "/srv"},
    };
    const ScopedEnv homeEnv("HOME", home.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ScopedEnv wine("WINEPREFIX", c.winePrefix);
        QDir(home.path() + "/.wine").removeRecursively();
        if (c.homeWine) {
            ASSERT_TRUE(QDir().mkpath(ownWine));
        }
        FileDialogRequest request;
        request.initialDir = c.initialDir;
        request.folder = c.folder;
        EXPECT_EQ(DialogFolder(request), c.expected);
    }
}

class DesktopShell : public ::testing::Test {
protected:
    DesktopShell() : homeEnv("HOME", home.path()), wine("WINEPREFIX", {}) {
        f.WriteConfigFile();
        form = std::make_unique<TMainForm>(f.context);
        form->CreateOtherWindows();
    }
    void Trigger(const char* action) {
        f.dialogs.shown.clear();
        QAction* item = form->findChild<QAction*>(action);
        ASSERT_NE(item, nullptr) << action;
        item->trigger();
    }
    QTemporaryDir home;
    ScopedEnv homeEnv, wine;
    ShellFixture f;
    std::unique_ptr<TMainForm> form;
};

// Settings files are the user's: the first dialog opens at home, later ones where the last
// settings file was.
TEST_F(DesktopShell, SettingsDialogsOpenWhereTheLastSettingsFileWasElseAtHome) {
    const QString elsewhere = QString::fromStdString(f.EditorPath("TEMP"));
    f.dialogs.fileAnswers = {elsewhere + "/MINE.GIA"};
    Trigger("Savesettings1");
    ASSERT_EQ(f.dialogs.Count(Kind::Save), 1);
    EXPECT_EQ(f.dialogs.shown[0].folder, home.path());
    for (const char* action : {"SavesettingsAs1", "Loadsettings1"}) {
        SCOPED_TRACE(action);
        Trigger(action);
        ASSERT_EQ(f.dialogs.shown.size(), 1u);
        EXPECT_EQ(f.dialogs.shown[0].folder, QFileInfo(elsewhere).absoluteFilePath());
    }
}

TEST_F(DesktopShell, HelpSaysWhatTheEditorIsAndWhereItsFoldersAre) {
    const QString editor = QString::fromStdString(f.game.state.startDir);
    const QString game = QString::fromStdString(f.game.state.config.GameDir());
    const std::pair<const char*, QStringList> items[] = {
        {"About1",
         {"Brenwick PSN Editor " PSN_VERSION, "GPL-3.0-or-later", qVersion(),
          "Editor folder: " + editor, "Game folder: " + game}},
        {"Gettingstarted1",
         {"psniaed-sample-game",
          QString(kConverterProgram) + ": put it into the editor folder " + editor,
          editor + "/DATA", "PSN.EXE"}},
    };
    for (const auto& [action, expected] : items) {
        SCOPED_TRACE(action);
        Trigger(action);
        ASSERT_EQ(f.dialogs.Count(Kind::Information), 1);
        for (const QString& part : expected)
            EXPECT_TRUE(f.dialogs.shown[0].text.contains(part))
                << part.toStdString() << " in " << f.dialogs.shown[0].text.toStdString();
    }
}

TEST(Desktop, AMissingConverterIsLookedForInANamedFolder) {
    ScratchGame game(0, true);
    const ScopedEnv path("PATH", "/nonexistent");
    const ConverterOutcome outcome =
        ConverterRunner(game.state)
            .Run(ExtractHelmetsCommand(game.state.config.GameDir()), kHelmetsBitmap);
    ASSERT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains(
        QString("not found in the editor's folder (%1)").arg(game.state.startDir.c_str())))
        << outcome.error.toStdString();
}

} // namespace
} // namespace psn::test
