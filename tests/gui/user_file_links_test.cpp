// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The user's own files (settings, configuration, originals, bitmaps, psnedit's output) may be
// links, as people keep dotfiles: every writer writes through a link to a regular file and keeps
// the link, and refuses anything else by name, changing nothing.
#include "core/bitmap8_format.h"
#include "e2e_fixture.h"
#include "support/psnedit_run.h"

#include <QAction>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace psn::test {
namespace {

namespace sfs = std::filesystem;

struct Written {
    bool ok = false;
    std::string text; // what the user was told
};

TEST(UserFileLinks, EveryWriterWritesThroughALinkToAFileAndRefusesAnythingElse) {
    E2EGame game(0, true);
    game.Start();
    const std::string elsewhere = game.dir.str() + "/dotfiles";
    const std::string target = elsewhere + "/real.GIA";
    sfs::create_directories(elsewhere);
    const std::string before = game.editorDir + "/before.GIA";

    // Ctrl+S and Save As through the main window: a failure changes neither the current settings
    // file nor the title.
    const auto menuSave = [&](const char* action, const std::string& path) {
        const bool ask = std::string(action) == "SavesettingsAs1";
        game.state.currentSettingsFile = ask ? before : path;
        const QString title = game.main->windowTitle();
        game.dialogs.Clear();
        if (ask)
            game.dialogs.fileAnswers = {QString::fromStdString(path)};
        game.main->findChild<QAction*>(action)->trigger();
        Written written{game.dialogs.Messages().isEmpty(),
                        game.dialogs.Messages().join("\n").toStdString()};
        if (!written.ok) {
            EXPECT_EQ(game.main->windowTitle(), title);
            EXPECT_EQ(game.state.currentSettingsFile, ask ? before : path);
        } else if (ask) {
            EXPECT_EQ(game.state.currentSettingsFile, path);
            EXPECT_TRUE(game.main->windowTitle().contains("LINK.GIA"));
        }
        return written;
    };
    const auto result = [](const FileResult& r) { return Written{r.Ok(), r.message}; };
    const struct {
        std::string name;
        std::string path;
        std::function<Written(const std::string&)> write;
    } writers[] = {
        {"Save settings", game.editorDir + "/LINK.GIA",
         [&](const std::string& path) { return menuSave("Savesettings1", path); }},
        {"Save settings As", game.editorDir + "/LINK.GIA",
         [&](const std::string& path) { return menuSave("SavesettingsAs1", path); }},
        {"configuration", game.ConfigPath(),
         [&](const std::string&) { return result(WriteConfig(game.state)); }},
        {"originals snapshot", game.OriginPath(),
         [&](const std::string&) { return result(WriteOriginalSnapshot(game.state, true)); }},
        {"psnedit save", game.editorDir + "/LINK.GIA",
         [&](const std::string& path) {
             const Outcome run = Psnedit({"save", game.inst.gameDir, path});
             return Written{run.code == 0, run.err};
         }},
        {"bitmap", game.editorDir + "/TEMP/LINK.BMP",
         [&](const std::string& path) {
             try {
                 SaveBmpFile(MakeBitmap8(4, 4), path);
             } catch (const EFCreateError& error) {
                 return Written{false, error.what()};
             }
             return Written{true, {}};
         }},
    };
    const struct {
        std::string name;
        std::function<void(const std::string&)> make;
        std::string says; // in the refusal; empty: written through
    } kinds[] = {
        {"link to a file",
         [&](const std::string& path) {
             WriteFileBytes(target, {1, 2, 3});
             sfs::create_symlink(target, path);
         },
         ""},
        {"link to a folder", [&](const std::string& path) { sfs::create_symlink(elsewhere, path); },
         "a folder"},
        {"dangling link",
         [&](const std::string& path) { sfs::create_symlink(elsewhere + "/gone.GIA", path); },
         "does not exist"},
        {"FIFO", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); },
         "named pipe"},
    };
    for (const auto& writer : writers)
        for (const auto& kind : kinds) {
            SCOPED_TRACE(writer.name + ", " + kind.name);
            sfs::remove(writer.path);
            sfs::remove(target);
            kind.make(writer.path);
            const sfs::file_type type = sfs::symlink_status(writer.path).type();
            const Written written = writer.write(writer.path);
            EXPECT_EQ(sfs::symlink_status(writer.path).type(), type) << "the link is kept";
            if (kind.says.empty()) {
                EXPECT_TRUE(written.ok) << written.text;
                EXPECT_GT(ReadFileBytes(target).size(), 3U) << "the link's target is written";
                EXPECT_EQ(sfs::directory_iterator(elsewhere)->path(), target) << "nothing beside";
                continue;
            }
            EXPECT_FALSE(written.ok);
            EXPECT_NE(written.text.find(writer.path), std::string::npos) << written.text;
            EXPECT_NE(written.text.find(kind.says), std::string::npos) << written.text;
        }
}

} // namespace
} // namespace psn::test
