// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/game_lock.h"
#include "core/sample_packs.h"
#include "editor_fixture.h"
#include "shell/languages.h"
#include "support/program_end.h"
#include "tests/support/scripted_dialogs.h"
#include "track_fixture.h"
#include "tracks/car_set_form.h"
#include "tracks/cockpit_manager_form.h"
#include "tracks/cockpit_table.h"
#include "tracks/track_install.h"
#include "tracks/track_manager_blocks.h"
#include "tracks/track_manager_form.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace psn::test {
namespace {

namespace stdfs = std::filesystem;

struct InstallSession : EditorSession {
    explicit InstallSession(int edition = 0) : EditorSession(edition, false) {}
    std::string Data(const std::string& name) const { return game.editorDir + "/DATA/" + name; }
};

FreeSpaceProbe Free(std::uintmax_t bytes) {
    return [bytes](const std::string&) { return std::optional<std::uintmax_t>(bytes); };
}

void Click(QWidget* window, const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(name), Qt::LeftButton);
}

// A cockpit data file whose line n has the fields n % 200, 1, 2, 3.
void WriteCockpitData(const std::string& path, int badLine = 0) {
    std::ofstream out(path, std::ios::binary);
    for (int n = 1; n <= 190; ++n) {
        std::string line(60, ' ');
        const std::string f1 = std::to_string(n % 200);
        line.replace(36 - f1.size(), f1.size(), f1);
        line.replace(41, 1, "1");
        line.replace(48, 1, "2");
        line.replace(55, 1, "3");
        if (n == badLine)
            line.replace(33, 3, "7  ");
        out << line << "\r\n";
    }
}

struct CockpitSession : InstallSession {
    explicit CockpitSession(int edition = 0) : InstallSession(edition) {
        stdfs::create_directories(game.gameDir + "BITMAPS");
        WriteFileBytes(game.gameDir + "BITMAPS/CPITHI.PCX", {1, 1});
        WriteFileBytes(game.gameDir + "BITMAPS/CPITLOW.PCX", {2, 2});
        WriteFileBytes(Data("M197HI.PCX"), {10, 10, 10});
        WriteFileBytes(Data("M197LO.PCX"), {20, 20, 20});
        form.freeSpace = Free(1 << 20);
    }
    std::vector<std::uint8_t> Hi() const {
        return ReadFileBytes(game.gameDir + "BITMAPS/CPITHI.PCX");
    }
    std::vector<std::uint8_t> Lo() const {
        return ReadFileBytes(game.gameDir + "BITMAPS/CPITLOW.PCX");
    }
    TInstCForm form{context};
};

TEST(CockpitManager, InstallsTheChosenCockpitForTheEdition) {
    CockpitSession session(3);
    WriteCockpitData(session.Data("M197.DAs"));
    WriteCockpitData(session.Data("M197.DAT"), 5); // other editions' file is not read
    ASSERT_TRUE(session.form.findChild<QRadioButton*>("RadioButton10")->isChecked());
    Click(&session.form, "BitBtn2");
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"New cockpit installed!"});
    EXPECT_EQ(session.Hi(), (std::vector<std::uint8_t>{10, 10, 10}));
    EXPECT_EQ(session.Lo(), (std::vector<std::uint8_t>{20, 20, 20}));
    const auto exe = session.game.Exe();
    EXPECT_EQ(exe[0xEA3A2], 1);
    EXPECT_EQ(exe[1431310], 3); // row 2 of edition 3, line 3
    EXPECT_EQ(exe[CockpitTable(3)[120].primary[0]], 122);
}

TEST(CockpitManager, DamagedDataOrMissingPictureChangesNothing) {
    {
        CockpitSession session;
        WriteCockpitData(session.Data("M197.DAT"), 140);
        const auto exe = session.game.Exe();
        Click(&session.form, "BitBtn2");
        const QString file = QString::fromStdString(session.Data("M197.DAT"));
        EXPECT_EQ(session.dialogs.Messages(),
                  QStringList{"The cockpit data file " + file +
                              " cannot be used:\n'7  ' is not a valid integer value\nNothing was "
                              "changed."});
        EXPECT_EQ(session.game.Exe(), exe);
        EXPECT_EQ(session.Hi(), (std::vector<std::uint8_t>{1, 1}));

        // In German the whole message is German, the file and the field as they are.
        const Language german(QStringLiteral("de"));
        session.dialogs.Clear();
        Click(&session.form, "BitBtn2");
        EXPECT_EQ(session.dialogs.Messages(),
                  QStringList{"Die Cockpit-Datendatei " + file +
                              " kann nicht verwendet werden:\n'7  ' ist keine gültige ganze "
                              "Zahl\nEs wurde nichts geändert."});
        EXPECT_EQ(session.game.Exe(), exe);
    }
    {
        CockpitSession session;
        WriteCockpitData(session.Data("M197.DAT"));
        stdfs::remove(session.Data("M197LO.PCX"));
        const auto exe = session.game.Exe();
        Click(&session.form, "BitBtn2");
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"Cannot copy cockpit file!"});
        EXPECT_EQ(session.game.Exe(), exe);
        EXPECT_EQ(session.Hi(), (std::vector<std::uint8_t>{1, 1}));
    }
    {
        CockpitSession session;
        WriteCockpitData(session.Data("M197.DAT"));
        session.form.freeSpace = Free(kInstallSpaceNeeded);
        Click(&session.form, "BitBtn2");
        EXPECT_TRUE(session.dialogs.shown.empty());
        EXPECT_EQ(session.Hi(), (std::vector<std::uint8_t>{1, 1}));
    }
}

struct TrackManagerSession : InstallSession {
    explicit TrackManagerSession(int edition = 0) : InstallSession(edition) {
        for (const StretchFile& file : Stretches()) {
            WriteFileBytes(game.state.StartPath(file.bonus), {0xB1, 0xB2, 0xB3});
            WriteFileBytes(game.state.StartPath(file.original), {0x01, 0x02});
        }
        WriteFileBytes(Data("F1CT07.DAT"), MakeTrackFile(DistinctTrack(13)));
        cdDir = game.dir.str() + "/cd";
        InstallTrackFiles(cdDir + "/");
    }
    std::vector<std::uint8_t> At(ExeRow row, std::size_t count) const {
        const auto exe = game.Exe();
        const auto start = exe.begin() + ExeOffset(row, game.state.edition);
        return {start, start + static_cast<long>(count)};
    }
    std::string cdDir;
    Tinsttform form{context};
};

TEST(TrackManager, BonusTrackWithInstalledTracksNeedsNoCd) {
    TrackManagerSession session(6);
    InstallTrackFiles(session.game.gameDir);
    stdfs::permissions(TrackPath(session.game.gameDir, 6), stdfs::perms::owner_read,
                       stdfs::perm_options::replace);
    Click(&session.form, "BitBtn2");
    EXPECT_EQ(session.dialogs.Messages(), QStringList{"Track installed!"});
    for (ExeRow row : {ExeRow::TrackManager32, ExeRow::TrackManager33, ExeRow::TrackManager34})
        EXPECT_EQ(session.At(row, 4), (std::vector<std::uint8_t>{0xB1, 0xB2, 0xB3, 0}));
    EXPECT_EQ(ExeOffset(ExeRow::TrackManager32, 6), 0x56BE31u);
    EXPECT_EQ(ReadFileBytes(TrackPath(session.game.gameDir, 6)), MakeTrackFile(DistinctTrack(13)));
}

TEST(TrackManager, BonusTrackOnAFreshGameOffersTheCd) {
    TrackManagerSession session;
    Click(&session.form, "BitBtn2");
    EXPECT_EQ(session.dialogs.Messages(), (QStringList{kInsertCdMessage, "Track installed!"}));
    std::vector<std::string> files;
    for (const auto& entry : stdfs::directory_iterator(session.game.gameDir + "CIRCUITS"))
        files.push_back(entry.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"F1CT07.DAT"});
}

// An install that stops keeps nothing of itself, not even the CIRCUITS folder it made, so that
// the next try asks for the CD again and installs every track file with the bonus track.
TEST(TrackManager, BonusTrackAfterAFailedInstallStillCopiesEveryTrackFromTheCd) {
    TrackManagerSession session;
    WriteFileBytes(session.Data("TRKL.DAT"), {});
    session.dialogs.fileAnswers = {QString::fromStdString(session.cdDir + "/PSN.EXE")};
    Click(&session.form, "BitBtn2");
    EXPECT_EQ(session.dialogs.Count(ScriptedDialogs::Kind::Error), 1);
    EXPECT_FALSE(stdfs::exists(session.game.gameDir + "CIRCUITS"));

    WriteFileBytes(session.Data("TRKL.DAT"), {0xB1, 0xB2, 0xB3});
    session.dialogs.Clear();
    session.dialogs.fileAnswers = {QString::fromStdString(session.cdDir + "/PSN.EXE")};
    Click(&session.form, "BitBtn2");
    EXPECT_EQ(session.dialogs.Messages(), (QStringList{kInsertCdMessage, "Track installed!"}));
    for (int t = 0; t < kTrackCount; ++t)
        EXPECT_EQ(ReadFileBytes(TrackPath(session.game.gameDir, t)),
                  MakeTrackFile(DistinctTrack(t == 6 ? 13 : t)))
            << "track " << t + 1;

    // A folder that lacks track files counts as missing too.
    stdfs::remove(TrackPath(session.game.gameDir, 2));
    session.dialogs.Clear();
    Click(&session.form, "BitBtn2");
    EXPECT_EQ(session.dialogs.Messages(), (QStringList{kInsertCdMessage, "Track installed!"}));
}

// The stretches and the track files are one command: cancelling the CD dialog writes neither.
TEST(TrackManager, OriginalTracksWriteTheStretchesOnlyWithTheTrackFiles) {
    TrackManagerSession session(1);
    const auto before = session.At(ExeRow::TrackManager33, 3);
    Click(&session.form, "BitBtn1");
    EXPECT_EQ(session.dialogs.Messages(), QStringList{kInsertCdMessage});
    EXPECT_EQ(session.At(ExeRow::TrackManager33, 3), before);

    session.dialogs.Clear();
    session.dialogs.fileAnswers.push_back(QString::fromStdString(session.cdDir + "/PSN.EXE"));
    Click(&session.form, "BitBtn1");
    EXPECT_EQ(session.dialogs.Messages(),
              (QStringList{kInsertCdMessage, "Original tracks installed!"}));
    EXPECT_EQ(session.At(ExeRow::TrackManager33, 3), (std::vector<std::uint8_t>{1, 2, 0}));
    for (int t = 0; t < kTrackCount; ++t)
        EXPECT_EQ(ReadFileBytes(TrackPath(session.game.gameDir, t)),
                  MakeTrackFile(DistinctTrack(t)));
}

TEST(TrackManager, DamagedDataFileWritesNoStretch) {
    for (const char* broken : {"TRKLO.DAT", "ENGTN_O.DAT"}) {
        TrackManagerSession session;
        WriteFileBytes(session.Data(broken), {});
        const auto exe = session.game.Exe();
        Click(&session.form, "BitBtn1");
        ASSERT_EQ(session.dialogs.Count(ScriptedDialogs::Kind::Error), 1) << broken;
        EXPECT_EQ(session.dialogs.Messages(),
                  QStringList{QString("The data file %1 is empty!").arg(broken)});
        EXPECT_EQ(session.game.Exe(), exe);
        EXPECT_EQ(session.exitCode, -1);
    }
    TrackManagerSession session;
    const Language french(QStringLiteral("fr"));
    stdfs::remove(session.Data("TRKLO.DAT"));
    Click(&session.form, "BitBtn1");
    EXPECT_EQ(session.dialogs.Messages(),
              QStringList{"Impossible de lire le fichier de données TRKLO.DAT !"});
}

struct CarSetSession : InstallSession {
    CarSetSession() {
        stdfs::create_directories(game.gameDir + "GAMEJAMS");
        for (const char* archive : CarSetArchives()) {
            WriteFileBytes(Data(archive), {7, 7});
            WriteFileBytes(game.gameDir + "GAMEJAMS/" + archive, {1});
            stdfs::permissions(game.gameDir + "GAMEJAMS/" + archive, stdfs::perms::owner_read,
                               stdfs::perm_options::replace);
        }
        form.freeSpace = Free(50001);
    }
    TInstCarSetForm form{context};
};

// The set is installed whole or not at all.
TEST(CarSetInstaller, CopiesEveryArchiveOrNone) {
    {
        CarSetSession session;
        Click(&session.form, "Button1");
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"New carset installed!"});
        for (const char* archive : CarSetArchives())
            EXPECT_EQ(ReadFileBytes(session.game.gameDir + "GAMEJAMS/" + archive),
                      (std::vector<std::uint8_t>{7, 7}));
    }
    {
        CarSetSession session;
        stdfs::remove(session.Data("FERRARI.JAM"));
        stdfs::remove(session.Data("SIMTEK.JAM"));
        Click(&session.form, "Button1");
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"Cannot copy carset files!"});
        for (const char* archive : CarSetArchives())
            EXPECT_EQ(ReadFileBytes(session.game.gameDir + "GAMEJAMS/" + archive),
                      (std::vector<std::uint8_t>{1}));
    }
    {
        CarSetSession session;
        stdfs::remove_all(session.game.editorDir + "/DATA");
        Click(&session.form, "Button1");
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"Cannot copy carset files!"});
    }
    {
        CarSetSession session;
        session.form.freeSpace = Free(kInstallSpaceNeeded);
        Click(&session.form, "Button1");
        EXPECT_TRUE(session.dialogs.shown.empty());
        EXPECT_EQ(ReadFileBytes(session.game.gameDir + "GAMEJAMS/LOTUS.JAM"),
                  std::vector<std::uint8_t>{1});
    }
}

// Every file under a folder, by path, so that a leftover or a changed file shows.
std::map<std::string, std::vector<std::uint8_t>> GameFiles(const std::string& dir) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    for (const auto& entry : stdfs::recursive_directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().filename() != kGameLockName)
            files[entry.path().string()] = ReadFileBytes(entry.path().string());
    return files;
}

// A copy whose target turns out to be a folder fails only when the command commits. The
// installer then shows its own message with the file and the reason below it, changes no
// game file, and the program goes on: with the folder gone, the same click installs.
TEST(Installers, TargetThatCannotBeReplacedIsReportedAndNothingChanges) {
    struct Case {
        std::string what;
        std::function<std::shared_ptr<InstallSession>()> make;
        std::function<void(InstallSession&)> act;
        std::string target; // relative to the game folder
        QString failure, success;
    };
    const auto cockpit = [] {
        auto session = std::make_shared<CockpitSession>();
        WriteCockpitData(session->Data("M197.DAT"));
        return std::shared_ptr<InstallSession>(std::move(session));
    };
    const auto trackManager = [](bool tracksInstalled) {
        return [tracksInstalled] {
            auto session = std::make_shared<TrackManagerSession>();
            if (tracksInstalled)
                InstallTrackFiles(session->game.gameDir);
            stdfs::create_directories(session->game.gameDir + "CIRCUITS");
            return std::shared_ptr<InstallSession>(std::move(session));
        };
    };
    const auto cd = [](InstallSession& s) {
        s.dialogs.fileAnswers = {
            QString::fromStdString(static_cast<TrackManagerSession&>(s).cdDir + "/PSN.EXE")};
    };
    const Case cases[] = {
        {"cockpit", cockpit,
         [](InstallSession& s) { Click(&static_cast<CockpitSession&>(s).form, "BitBtn2"); },
         "BITMAPS/CPITLOW.PCX", "Cannot copy cockpit file!", "New cockpit installed!"},
        {"car set",
         [] { return std::shared_ptr<InstallSession>(std::make_shared<CarSetSession>()); },
         [](InstallSession& s) { Click(&static_cast<CarSetSession&>(s).form, "Button1"); },
         "GAMEJAMS/TYRRELL.JAM", "Cannot copy carset files!", "New carset installed!"},
        {"bonus track", trackManager(true),
         [](InstallSession& s) { Click(&static_cast<TrackManagerSession&>(s).form, "BitBtn2"); },
         "CIRCUITS/F1CT07.DAT", "Cannot copy track file!", "Track installed!"},
        {"original tracks", trackManager(false),
         [cd](InstallSession& s) {
             cd(s);
             Click(&static_cast<TrackManagerSession&>(s).form, "BitBtn1");
         },
         "CIRCUITS/F1CT12.DAT", "Cannot copy track file!", "Original tracks installed!"},
        {"track files from the CD", trackManager(false),
         [cd](InstallSession& s) {
             cd(s);
             if (CopyTracksFromCd(s.context, nullptr))
                 s.dialogs.Information(nullptr, "copied");
         },
         "CIRCUITS/F1CT03.DAT", kCdCopyFailed, "copied"},
    };
    {
        // In German the CD copy's failure is German, with the file and the system's reason.
        const Language german(QStringLiteral("de"));
        const auto session = trackManager(false)();
        const std::string target = session->game.gameDir + "CIRCUITS/F1CT03.DAT";
        stdfs::create_directories(target);
        cd(*session);
        EXPECT_FALSE(CopyTracksFromCd(session->context, nullptr));
        const QString shown = session->dialogs.Messages().last();
        EXPECT_TRUE(shown.startsWith("Nicht alle Streckendateien konnten von der CD kopiert "
                                     "werden!\n" +
                                     QString::fromStdString(target) + ": "))
            << shown.toStdString();
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto session = c.make();
        const std::string target = session->game.gameDir + c.target;
        stdfs::remove(target);
        stdfs::create_directories(target);
        const auto before = GameFiles(session->game.gameDir);
        c.act(*session);
        const QStringList messages = session->dialogs.Messages();
        ASSERT_FALSE(messages.isEmpty());
        const QString shown = messages.last();
        EXPECT_TRUE(shown.startsWith(c.failure + "\n" + QString::fromStdString(target) + ": "))
            << shown.toStdString();
        EXPECT_GT(shown.size(), c.failure.size() + 1 + static_cast<int>(target.size()) + 2)
            << "the reason is given";
        EXPECT_EQ(session->exitCode, -1);
        EXPECT_FALSE(session->context.ended);
        EXPECT_TRUE(GameFiles(session->game.gameDir) == before);

        stdfs::remove(target);
        session->dialogs.Clear();
        c.act(*session);
        EXPECT_EQ(session->dialogs.Messages().last(), c.success);
    }
}

// Packs made for the sample game name it in DATA's manifest: another game is refused with where
// the real pack goes, the sample installation takes them, and a real file in a sample's place is
// no sample.
TEST(SamplePacks, InstallersWriteASamplePackOnlyIntoItsSampleInstallation) {
    const auto writeManifest = [](InstallSession& session, const std::vector<std::string>& names) {
        std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
        for (const std::string& name : names)
            files.emplace_back(name, ReadFileBytes(session.Data(name)));
        const std::string text = SamplePackManifest("sample-x", files);
        WriteFileBytes(session.Data(kSamplePackManifest), {text.begin(), text.end()});
    };
    {
        CarSetSession session;
        writeManifest(session, {CarSetArchives().begin(), CarSetArchives().end()});
        Click(&session.form, "Button1");
        ASSERT_EQ(session.dialogs.Count(ScriptedDialogs::Kind::Error), 1);
        const QString message = session.dialogs.Messages().front();
        EXPECT_TRUE(message.contains("sample")) << message.toStdString();
        EXPECT_TRUE(message.contains("WILLIAMS.JAM")) << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromStdString(session.game.editorDir + "/DATA")))
            << message.toStdString();
        EXPECT_EQ(ReadFileBytes(session.game.gameDir + "GAMEJAMS/LOTUS.JAM"),
                  std::vector<std::uint8_t>{1});

        session.dialogs.Clear();
        const std::string marker = "installation: sample-x\n";
        WriteFileBytes(session.game.gameDir + kSampleGameMarker, {marker.begin(), marker.end()});
        Click(&session.form, "Button1");
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"New carset installed!"});
    }
    {
        TrackManagerSession session;
        InstallTrackFiles(session.game.gameDir);
        writeManifest(session, {"F1CT07.DAT", "ENGTN.DAT", "TRK_N.DAT", "TRKL.DAT"});
        const auto exe = session.game.Exe();
        Click(&session.form, "BitBtn2");
        EXPECT_EQ(session.dialogs.Count(ScriptedDialogs::Kind::Error), 1);
        EXPECT_EQ(session.dialogs.Messages().size(), 1);
        EXPECT_EQ(session.game.Exe(), exe);
        EXPECT_EQ(ReadFileBytes(TrackPath(session.game.gameDir, 6)),
                  MakeTrackFile(DistinctTrack(6)));

        // The user's real bonus track pack in place of the samples installs as before.
        session.dialogs.Clear();
        WriteFileBytes(session.Data("F1CT07.DAT"), MakeTrackFile(DistinctTrack(12)));
        for (const char* name : {"ENGTN.DAT", "TRK_N.DAT", "TRKL.DAT"})
            WriteFileBytes(session.Data(name), {0xC1, 0xC2});
        Click(&session.form, "BitBtn2");
        EXPECT_EQ(session.dialogs.Messages(), QStringList{"Track installed!"});
    }
}

} // namespace
} // namespace psn::test
