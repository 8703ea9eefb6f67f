// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The editor's own files that it writes beside the game (the originals snapshot, the
// configuration) may fail to be written; each failure reaches the user with the file and the
// reason, and the program goes on.
#include "e2e_fixture.h"
#include "shell/languages.h"
#include "support/file_size_limit.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace psn::test {
namespace {

using Kind = ScriptedDialogs::Kind;

TEST(ReportedFailures, WritesOfTheEditorsOwnFilesThatFailAreShownWithFileAndReason) {
    struct Case {
        const char* name;
        std::function<void(E2EGame&)> run;
        const char* file;   // the file the warning names
        const char* reason; // and the system's reason
    };
    const Case cases[] = {
        {"the originals snapshot at the first start",
         [](E2EGame& game) {
             const FileSizeLimit full(1024); // the snapshot holds 2846 bytes
             game.main = std::make_unique<TMainForm>(game.context);
         },
         "ORIGIN.SET", "File too large"},
        {"the track entries added to the originals snapshot",
         [](E2EGame& game) {
             // The snapshot was taken before the track files were there.
             ASSERT_TRUE(WriteOriginalSnapshot(game.state, false).Ok());
             const FileSizeLimit full(1024);
             game.main = std::make_unique<TMainForm>(game.context);
             EXPECT_TRUE(OriginalTracksPending(game.state)) << "a later read tries again";
         },
         "ORIGIN.SET", "File too large"},
        {"the configuration at close",
         [](E2EGame& game) {
             game.Start();
             // A folder where the configuration goes.
             std::filesystem::remove(game.ConfigPath());
             std::filesystem::create_directories(game.ConfigPath() + "/taken");
             game.main->close();
         },
         "psniaed.set", "is a folder"},
    };
    for (const Case& c : cases) {
        E2EGame game(0, true);
        c.run(game);
        EXPECT_EQ(game.main->StartupResult(), TMainForm::Startup::Loaded) << c.name;
        EXPECT_TRUE(game.exits.empty()) << c.name << ": the program goes on";
        const QStringList messages = game.dialogs.Messages();
        ASSERT_EQ(messages.size(), 1) << c.name << ": " << messages.join(" | ").toStdString();
        EXPECT_EQ(game.dialogs.Count(Kind::Warning), 1) << c.name;
        EXPECT_TRUE(messages.front().contains(c.file) && messages.front().contains(c.reason))
            << c.name << ": " << messages.front().toStdString();
    }

    // In French the track entries' failure is French, with the file and the system's reason.
    E2EGame game(0, true);
    const Language french(QStringLiteral("fr"));
    cases[1].run(game);
    const QStringList messages = game.dialogs.Messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages.front().contains("ORIGIN.SET") &&
                messages.front().contains("Les valeurs d'origine des données des circuits"))
        << messages.front().toStdString();
}

} // namespace
} // namespace psn::test
