// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the file layer reports reaches the user in the user's language, with the file named: a
// refused game file, a command a stop interrupted (naming the program that was stopped), a file
// that is no settings file.
#include "core/commit.h"
#include "e2e_fixture.h"
#include "shell/languages.h"
#include "shell/settings_commands.h"

#include <fstream>
#include <gtest/gtest.h>

namespace psn::test {
namespace {

TEST(WordedMessages, AGermanSessionIsToldOfRefusalsRecoveriesAndBadFilesInGermanWithTheFile) {
    const Language german(QStringLiteral("de"));
    E2EGame game(0, true);
    game.Start();
    QWidget* names = game.main->Windows().names;
    const QString state = QString::fromStdString(game.inst.statePath);

    // A save state whose trailer does not fit is refused.
    const Bytes original = ReadFileBytes(game.inst.statePath);
    Bytes damaged = original;
    damaged.back() ^= 0xFF;
    WriteFileBytes(game.inst.statePath, damaged);
    game.dialogs.Clear();
    E2EGame::Click(names, "Daten ins Spiel exportieren");
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    QString shown = game.dialogs.Messages().front();
    EXPECT_TRUE(shown.contains(state + ": ist nicht der Spielstand des Spiels: seine Prüfsumme "
                                       "am Ende passt nicht; sie blieb unverändert"))
        << shown.toStdString();
    WriteFileBytes(game.inst.statePath, original);

    // A command of psnedit that a stop interrupted, then one of a version that named no program.
    const std::string record = game.inst.gameDir + "/" + kCommitRecordName;
    const std::string stateName = fs::FileNamePart(game.inst.statePath);
    for (const auto& [line, says] :
         {std::pair{"by psnedit\n", "Das Programm psnedit wurde angehalten, während es die "
                                    "Spieldateien änderte. Die Änderung wurde jetzt "
                                    "abgeschlossen in:\n"},
          std::pair{"", "Ein Programm wurde angehalten, während es die Spieldateien änderte. Die "
                        "Änderung wurde jetzt abgeschlossen in:\n"}}) {
        WriteFileBytes(game.inst.statePath + kNewSuffix, original);
        std::ofstream(record) << "psniaed commit record\ncomplete\n"
                              << line << "replace " << stateName << "\nend\n";
        game.dialogs.Clear();
        E2EGame::Click(names, "Daten aus dem Spiel importieren");
        ASSERT_FALSE(game.dialogs.Messages().empty());
        shown = game.dialogs.Messages().front();
        EXPECT_TRUE(shown.startsWith(QString::fromUtf8(says))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(state)) << shown.toStdString();
        EXPECT_FALSE(std::filesystem::exists(record));
    }

    // A folder chosen as a settings file.
    const std::string folder = game.editorDir + "/TEMP";
    game.dialogs.Clear();
    EXPECT_FALSE(LoadSettingsFile(game.context, names, folder));
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    EXPECT_EQ(game.dialogs.Messages().front(),
              QString::fromStdString("„" + folder +
                                     "“ ist keine Einstellungsdatei: es ist ein Ordner, keine "
                                     "Datei. Es wurde nichts geladen; wählen Sie eine "
                                     "Einstellungsdatei, die der Editor oder psnedit "
                                     "gespeichert hat."));
    EXPECT_TRUE(game.exits.empty());
}

// A damaged patch list and a track file cut short: the start reads every other block and says
// what it left out in the user's language, naming each file.
TEST(WordedMessages, DamagedDataFilesAtTheStartAreToldInTheUsersLanguageAndTheProgramGoesOn) {
    E2EGame game(0, true);
    WriteFileBytes(game.editorDir + "/DATA/PLT.DAT", {1, 2, 3, 4, 5});
    const std::string track = game.inst.TrackPath(9);
    WriteFileBytes(track, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const Language german(QStringLiteral("de"));
    game.Start();
    EXPECT_EQ(game.main->StartupResult(), TMainForm::Startup::Loaded);
    const QStringList shown = game.dialogs.Messages();
    ASSERT_EQ(shown.size(), 2) << shown.join(" | ").toStdString();
    EXPECT_EQ(shown[0], "Die Patchliste .\\DATA\\PLT.DAT ist beschädigt.");
    EXPECT_TRUE(shown[1].startsWith("Die Streckendaten dieser Streckendateien konnten nicht "
                                    "gelesen werden:\n\n"))
        << shown[1].toStdString();
    EXPECT_TRUE(shown[1].contains(QString::fromStdString(fs::FileNamePart(track)) +
                                  ": die Datei ist abgeschnitten: sie enthält nur 10 Bytes"))
        << shown[1].toStdString();
    EXPECT_TRUE(game.exits.empty());
}

} // namespace
} // namespace psn::test
