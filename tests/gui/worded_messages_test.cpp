// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the file layer and the pictures' side report reaches the user in the user's language, with
// the file named: a refused game file, a command a stop interrupted (naming the program that was
// stopped), a file that is no settings file, a failing converter, a bitmap the editor cannot take.
#include "core/commit.h"
#include "core/converter.h"
#include "e2e_fixture.h"
#include "graphics/helmet_form.h"
#include "shell/languages.h"
#include "shell/seasons_form.h"
#include "shell/settings_commands.h"
#include "shell/start_folder.h"
#include "support/fake_converter.h"
#include "support/zip_maker.h"
#include "tracks/track_install.h"
#include "ui/message_text.h"
#include "ui/picture_view.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <chrono>
#include <cstdlib>
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

void ClickButton(QWidget* window, const char* name) {
    auto* button = window->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST(WordedMessages, AGermanSessionIsToldOfConverterFailuresAndBadBitmapsInGermanWithTheFile) {
    using namespace std::chrono_literals;
    const Language german(QStringLiteral("de"));
    E2EGame game(0, true);
    InstallFakeConverter(game.editorDir, "echo kaputt >&2; exit 3");
    game.Start();
    const QString archive =
        QString::fromStdString(ExtractHelmetsCommand(game.state.config.GameDir()).archive);
    const QString asked = "Der Editor brauchte den Konverter, um die Helme aus " + archive +
                          " zu extrahieren (\"PSNJAM.EXE -j" + archive;

    // The start-up's extraction failed: the helmet window's note says why, naming its buttons as
    // they read.
    auto* helmets = qobject_cast<THelmetForm*>(game.main->Windows().helmets);
    ASSERT_NE(helmets, nullptr);
    helmets->show();
    const QString note = helmets->findChild<PictureView*>("Image1")->Note();
    EXPECT_TRUE(note.startsWith("Der Helmbogen ist nicht verfügbar.\n\nDer Bitmap-Konverter "
                                "PSNJAM.EXE endete mit dem Exit-Code 3, ohne .\\TEMP\\HELMETS.BMP "
                                "zu schreiben.\n" +
                                asked))
        << note.toStdString();
    EXPECT_TRUE(note.contains("\n\nkaputt\n\n")) << note.toStdString();
    EXPECT_TRUE(note.endsWith(QString::fromUtf8("Verwenden Sie „Aus dem Spiel importieren“ oder "
                                                "„Alle Helme aus Bitmap laden“.")))
        << note.toStdString();

    // A converter that does not finish in time, asked from the window.
    InstallFakeConverter(game.editorDir, "sleep 20");
    helmets->Converter().timeout = 300ms;
    game.dialogs.Clear();
    ClickButton(helmets, "BitBtn5");
    ASSERT_EQ(game.dialogs.Messages().size(), 1);
    QString shown = game.dialogs.Messages().front();
    EXPECT_TRUE(shown.startsWith("Der Bitmap-Konverter PSNJAM.EXE war nach 0.3 Sekunden nicht "
                                 "fertig. Er wurde angehalten.\n" +
                                 asked))
        << shown.toStdString();
    helmets->hide();

    // Bitmaps the user chooses for a car painting: no bitmap, a folder, one of another depth.
    QWidget* jams = game.main->Windows().carJams;
    jams->show();
    const QString text = QString::fromStdString(game.dir.str() + "/notes.bmp");
    WriteFileBytes(text.toStdString(), {'h', 'e', 'l', 'l', 'o'});
    const QString folder = QString::fromStdString(game.editorDir + "/TEMP");
    const QString deep = QString::fromStdString(game.dir.str() + "/deep.bmp");
    QImage picture(8, 8, QImage::Format_RGB888);
    picture.fill(QColor(1, 2, 3));
    ASSERT_TRUE(picture.save(deep, "BMP"));
    const QString choose = QString::fromUtf8("\n\nWählen Sie eine andere Datei, oder speichern Sie "
                                             "das Bild erneut als BMP-Datei.");
    for (const auto& [file, says] :
         {std::pair{text, QString::fromUtf8("„") + text +
                              QString::fromUtf8("“ ist keine "
                                                "BMP-Bitmap.") +
                              choose},
          std::pair{folder, "Die Datei " + folder + " kann nicht geöffnet werden\n" + folder +
                                ": ist ein Ordner, keine Datei"},
          std::pair{deep, QString::fromUtf8("„deep.bmp“ hat 24 Bit pro Pixel: Seine Farben "
                                            "wurden den 256 Farben der Lackierung angeglichen, "
                                            "jeweils die nächstliegende.")}}) {
        game.dialogs.Clear();
        game.dialogs.fileAnswers = {file};
        ClickButton(jams, "Button951");
        ASSERT_EQ(game.dialogs.Messages().size(), 1) << file.toStdString();
        EXPECT_TRUE(game.dialogs.Messages().front().startsWith(says))
            << game.dialogs.Messages().front().toStdString();
    }
    EXPECT_EQ(game.dialogs.shown.front().request.title, "Bitmap-Datei laden");
    EXPECT_EQ(game.dialogs.shown.front().request.filter, "BMP-Dateien|*.BMP");
    jams->hide();

    // What every editor window says after a transfer.
    game.dialogs.Clear();
    E2EGame::Click(game.main->Windows().names, "Daten aus dem Spiel importieren");
    EXPECT_EQ(game.dialogs.Messages(), QStringList{"Die Daten wurden importiert!"});
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

namespace psn::test {
namespace {

// The installers' questions, the season store's refusals and why the editor folder cannot be
// made ready are worded in the session's language.
TEST(WordedMessages, AGermanSessionIsAskedForTheCdAndToldOfSeasonAndStartFolderRefusalsInGerman) {
    const Language german(QStringLiteral("de"));
    E2EGame game(0, true);
    ::setenv("XDG_DATA_HOME", (game.dir.str() + "/user").c_str(), 1);
    game.Start();

    std::filesystem::remove_all(game.inst.gameDir + "/CIRCUITS");
    game.dialogs.Clear();
    game.dialogs.confirmAnswers = {false};
    EXPECT_FALSE(PrepareTrackEditor(game.context, game.main.get()));
    EXPECT_EQ(game.dialogs.Messages(),
              QStringList{"Sie haben die Streckendateien nicht auf Ihrer Festplatte installiert. "
                          "Sie brauchen sie, um mit dem Streckeneditor zu arbeiten. Möchten Sie "
                          "sie jetzt installieren?"});

    TSeasonsForm seasons(game.context);
    seasons.show();
    auto* name = seasons.findChild<QLineEdit*>("NameEdit");
    ASSERT_NE(name, nullptr);
    name->setText("stock");
    ClickButton(&seasons, "KeepButton");
    game.dialogs.Clear();
    ClickButton(&seasons, "KeepButton");
    EXPECT_EQ(game.dialogs.Messages(),
              QStringList{"Eine Saison „stock“ gibt es bereits; wählen Sie einen anderen Namen "
                          "oder löschen Sie sie zuerst."});

    // A damaged manifest is named in the list's status, and an unsafe archive is refused, both in
    // German with the file and the reason in place.
    const std::string broken = game.dir.str() + "/user/psniaed/seasons/seasons/broken.season";
    std::ofstream(broken) << "junk\n";
    seasons.Refresh();
    EXPECT_EQ(seasons.findChild<QLabel*>("StatusLabel")->text(),
              QString::fromStdString("Beschädigte Saisons ausgelassen: " + broken +
                                     ": ist kein Saisonmanifest: Zeile 1 ist nicht „psniaed "
                                     "season 1“."));
#ifdef PSN_SEASON_FILES
    const std::string pack = game.dir.str() + "/pack.zip";
    const auto zip = MakeZip({{"../PSN.EXE", {1, 2, 3}}});
    std::ofstream(pack, std::ios::binary)
        .write(reinterpret_cast<const char*>(zip.data()), static_cast<std::streamsize>(zip.size()));
    game.dialogs.Clear();
    game.dialogs.fileAnswers = {QString::fromStdString(pack)};
    ClickButton(&seasons, "ImportButton");
    EXPECT_EQ(game.dialogs.Messages().value(0).section('\n', 0, 0),
              QString::fromStdString(pack + ": der Eintrag „../PSN.EXE“ führt aus dem Ordner des "
                                            "Archivs hinaus („..“). Nichts wurde importiert."));
#endif
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_TRUE(game.exits.empty());

    // No folder for the editor's own files at the start.
    const StartFolder start = ChooseStartFolder({game.dir.str(), "", "", "", ""});
    EXPECT_EQ(Worded(start.error),
              "Weder XDG_DATA_HOME noch HOME nennt einen Ordner für die eigenen Dateien des "
              "Editors. Setzen Sie HOME oder starten Sie den Editor aus einem Editorordner (einem, "
              "der DATA enthält).");
}

} // namespace
} // namespace psn::test
