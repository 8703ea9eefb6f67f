// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A game folder from anywhere: a commit record someone else wrote, links out of the game, special
// files and read-only games. Nothing outside the game and no backup may change, nothing may hang.
#include "cli/psnedit.h"
#include "core/backups.h"
#include "core/commit.h"
#include "core/fs.h"
#include "core/game_file.h"
#include "core/platform.h"
#include "core/record.h"
#include "support/game_files.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>
#ifndef _WIN32
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace psn {
namespace {

namespace sfs = std::filesystem;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;
using Bytes = std::vector<std::uint8_t>;

// Every entry under a folder without following links: a file's bytes, a link's target.
std::map<std::string, std::string> Tree(const std::string& root) {
    std::map<std::string, std::string> tree;
    for (auto it = sfs::recursive_directory_iterator(root); it != sfs::end(it); ++it) {
        const std::string path = it->path().string();
        const auto status = it->symlink_status();
        if (sfs::is_symlink(status)) {
            tree[path] = "link to " + sfs::read_symlink(it->path()).string();
        } else if (sfs::is_regular_file(status)) {
            const Bytes bytes = ReadFileBytes(path);
            platform::Info info;
            platform::DescribePath(path, info);
            // A digest keeps a failure's message short.
            tree[path] = std::to_string(bytes.size()) + " bytes, digest " +
                         std::to_string(std::hash<std::string>{}({bytes.begin(), bytes.end()})) +
                         ", mode " + std::to_string(info.mode & 0777);
        } else {
            tree[path] = "folder";
        }
    }
    return tree;
}

// A path spelled one way, whichever separators it was given with (Windows takes both).
std::string Spelled(const std::string& path) {
    return platform::FromPath(platform::ToPath(path));
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// A game folder beside a folder of the user's own that it must never touch.
struct Hostile {
    TempDir dir;
    std::string game = dir.str() + "/game";
    std::string outside = dir.str() + "/home";
    Hostile() {
        sfs::create_directories(game + "/CIRCUITS");
        sfs::create_directories(outside);
        WriteText(game + "/PSN.EXE", "exe");
        WriteText(game + "/PSN.EXE.bak", "the user's only backup");
        WriteText(game + "/CIRCUITS/F1CT01.DAT", "track");
        WriteText(outside + "/victim.txt", "the user's notes");
        WriteText(outside + "/victim.txt" + kNewSuffix, "planted new");
        WriteText(outside + "/victim.txt" + kOldSuffix, "planted old");
        WriteText(outside + "/F1CT01.DAT", "outside track");
        WriteText(outside + "/F1CT01.DAT" + kNewSuffix, "planted new track");
        WriteText(outside + "/F1GSTATE.SAV", "another game's state");
    }
    std::string Record() const { return game + "/" + kCommitRecordName; }
    void WriteRecord(const std::string& body) const {
        WriteText(Record(), "psniaed commit record\n" + body + "end\n");
    }
};

TEST(HostileRecord, ARecordNamingAnythingButAGameFileIsRefusedWholeAndNothingIsTouched) {
    struct Case {
        const char* what;
        std::string body; // "$OUT" stands for the outside folder
        const char* named;
        std::function<void(const Hostile&)> prepare = nullptr;
    };
    const std::vector<Case> cases = {
        {"absolute name outside", "undo\ncreate $OUT/victim.txt\n", "$OUT/victim.txt"},
        {"absolute name, planted new content", "complete\nreplace $OUT/victim.txt\n",
         "$OUT/victim.txt"},
        {"absolute name, planted old content", "undo\nreplace $OUT/victim.txt\n",
         "$OUT/victim.txt"},
        {"relative name leading out", "complete\nreplace ../home/F1CT01.DAT\n",
         "../home/F1CT01.DAT"},
        {"a backup", "undo\ncreate PSN.EXE.bak\n", "PSN.EXE.bak"},
        {"the record itself", "undo\ncreate PSNIAED-COMMIT.TXT\n", "PSNIAED-COMMIT.TXT"},
        {"a name no game file has", "undo\ncreate notes.txt\n", "notes.txt"},
        {"a game name in a strange folder", "undo\ncreate BITMAPS/PSN.EXE\n", "BITMAPS/PSN.EXE"},
#ifndef _WIN32 // links made freely; the platform tests cover Windows's reparse points
        {"a folder link on the way", "complete\nreplace LINKED/F1CT01.DAT\n", "LINKED/F1CT01.DAT",
         [](const Hostile& h) { sfs::create_directory_symlink(h.outside, h.game + "/LINKED"); }},
        {"a game folder that is a link out", "complete\nreplace CIRCUITS/F1CT01.DAT\n",
         "CIRCUITS/F1CT01.DAT",
         [](const Hostile& h) {
             sfs::remove_all(h.game + "/CIRCUITS");
             sfs::create_directory_symlink(h.outside, h.game + "/CIRCUITS");
         }},
        {"a file link to a file of another name", "complete\nreplace F1GSTATE.SAV\n",
         "F1GSTATE.SAV",
         [](const Hostile& h) {
             sfs::create_symlink(h.outside + "/victim.txt", h.game + "/F1GSTATE.SAV");
         }},
        {"a created file behind a link", "undo\ncreate F1GSTATE.SAV\n", "F1GSTATE.SAV",
         [](const Hostile& h) {
             sfs::create_symlink(h.outside + "/F1GSTATE.SAV", h.game + "/F1GSTATE.SAV");
         }},
#endif
        {"a good entry beside a bad one", "undo\ncreate PSN.EXE\ncreate ../home/victim.txt\n",
         "../home/victim.txt"},
        {"a line that is no entry", "undo\ndelete PSN.EXE\n", "delete PSN.EXE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Hostile h;
        if (c.prepare)
            c.prepare(h);
        const auto expand = [&](std::string text) {
            for (std::size_t at; (at = text.find("$OUT")) != std::string::npos;)
                text.replace(at, 4, h.outside);
            return text;
        };
        h.WriteRecord(expand(c.body));
        const auto before = Tree(h.dir.str());
        try {
            RecoverInterruptedCommit(h.game, {h.game, h.game + "/CIRCUITS"}, h.game);
            ADD_FAILURE() << "the record was obeyed";
        } catch (const FileAccessError& error) {
            EXPECT_EQ(Spelled(error.Path()), Spelled(h.Record()));
            EXPECT_NE(error.Reason().find(expand(c.named)), std::string::npos) << error.Reason();
            EXPECT_NE(error.Reason().find("remove the record"), std::string::npos);
        }
        EXPECT_EQ(Tree(h.dir.str()), before);
    }
}

TEST(HostileRecord, RelativeNamesAndTheUsersLinkToTheRealGameFileAreRecovered) {
    struct Case {
        const char* what;
        bool linkExe; // PSN.EXE is the user's link to the real file elsewhere
        const char* exeName;
    };
    for (const Case c : {
             Case{"relative names", false, "PSN.EXE"},
#ifndef _WIN32
             // Full names came only from earlier versions, which ran on Linux alone.
             Case{"an earlier version's full names", false, "$GAME/PSN.EXE"},
             // Links made freely, as above.
             Case{"a link to the real executable", true, "PSN.EXE"},
#endif
         }) {
        SCOPED_TRACE(c.what);
        Hostile h;
        std::string exe = h.game + "/PSN.EXE";
        if (c.linkExe) {
            sfs::create_directories(h.outside + "/real");
            sfs::remove(exe);
            exe = h.outside + "/real/PSN.EXE";
            WriteText(exe, "exe");
            sfs::create_symlink(exe, h.game + "/PSN.EXE");
        }
        WriteText(exe + kNewSuffix, "new exe");
        WriteText(h.game + "/CIRCUITS/F1CT01.DAT" + kNewSuffix, "new track");
        std::string name = c.exeName;
        if (name.starts_with("$GAME"))
            name.replace(0, 5, h.game);
        h.WriteRecord("complete\nreplace " + name + "\nreplace CIRCUITS/F1CT01.DAT\n");
        const RecoveryReport report =
            RecoverInterruptedCommit(h.game, {h.game, h.game + "/CIRCUITS"}, h.game);
        EXPECT_TRUE(report.completed);
        EXPECT_EQ(ReadFileBytes(exe), Bytes({'n', 'e', 'w', ' ', 'e', 'x', 'e'}));
        EXPECT_EQ(ReadFileBytes(h.game + "/CIRCUITS/F1CT01.DAT").size(), 9u);
        EXPECT_EQ(sfs::is_symlink(h.game + "/PSN.EXE"), c.linkExe) << "the link is kept";
        EXPECT_FALSE(sfs::exists(h.Record()));
        EXPECT_EQ(ReadFileBytes(h.outside + "/victim.txt").size(), 16u);
    }
}

// Reads what a commit record names while the commit runs.
std::string g_recordSeen;
std::string g_recordPath;
void SeeRecord(long) {
    if (g_recordSeen.empty() && sfs::exists(g_recordPath)) {
        const Bytes bytes = ReadFileBytes(g_recordPath);
        g_recordSeen.assign(bytes.begin(), bytes.end());
    }
}

TEST(HostileRecord, TheCommitNamesFilesRelativeToTheGameFolder) {
    test::ScratchGame game;
    sfs::create_directories(game.gameDir + "CIRCUITS");
    WriteFileBytes(game.gameDir + "CIRCUITS/F1CT01.DAT", test::TrackFileBytes());
    g_recordSeen.clear();
    g_recordPath = game.gameDir + kCommitRecordName;
    game.state.faults->observe = SeeRecord;
    game.state.BeginCommand();
    for (const std::string& path : {game.ExePath(), game.gameDir + "CIRCUITS/F1CT01.DAT"}) {
        GameFile file(game.state.faults, game.state.command.get());
        ASSERT_TRUE(file.Open(path));
        file.WriteByte(0x55);
        file.Close();
    }
    game.state.CommitCommand();
    game.state.faults->observe = nullptr;
    // A byte changed in each file: both are changed in place, their old bytes journalled with
    // their times of change, which differ from run to run.
    g_recordSeen = std::regex_replace(g_recordSeen, std::regex("modified [0-9]+ [0-9]+\n"), "");
    EXPECT_EQ(g_recordSeen, "psniaed commit record\ncomplete\npatch CIRCUITS/F1CT01.DAT\nat 0 55 "
                            "07\npatch PSN.EXE\nat 0 55 00\nend\n");
}

// A file is written only when it is what its name says; anything else is named and left alone.
TEST(HostileFiles, AGameFileThatIsNotWhatItsNameSaysIsNeverWritten) {
    struct Case {
        const char* what;
        const char* name; // inside the game folder
        std::function<void(const Hostile&, const std::string&)> make;
        bool copy; // a restore or an install (a whole-file copy) rather than an export
        const char* reason;
    };
#ifndef _WIN32
    const auto linkTo = [](const char* outsideName, Bytes bytes) {
        return [=](const Hostile& h, const std::string& path) {
            WriteFileBytes(h.outside + "/" + outsideName, bytes);
            sfs::create_symlink(h.outside + "/" + outsideName, path);
        };
    };
#endif
    const auto plain = [](Bytes bytes) {
        return [=](const Hostile&, const std::string& path) { WriteFileBytes(path, bytes); };
    };
    Bytes exe(test::ScratchGame::kExeSize, 0);
    Bytes unknownEdition = exe;
    unknownEdition[kEditionByteOffset] = 'j';
    Bytes brokenTrack = test::TrackFileBytes();
    brokenTrack[100] ^= 1;
    Bytes farSetup = test::TrackFileBytes();
    farSetup[0x1014] = 0x00;
    farSetup[0x1015] = 0x66; // the block would start at 7620h, beyond the file's 30000 bytes
    test::SealTrailer(farSetup);
    Bytes brokenState(0x4420, 3);
    const Bytes text(20000, 'x');
    const std::vector<Case> cases = {
#ifndef _WIN32 // links made freely, as above
        {"a track file linked to a text file", "CIRCUITS/F1CT01.DAT", linkTo("notes.txt", text),
         false, "is not a track file"},
#endif
        {"a track file with a broken trailer", "CIRCUITS/F1CT02.DAT", plain(brokenTrack), false,
         "checksum trailer"},
        {"a track file whose set-up lies beyond it", "CIRCUITS/F1CT03.DAT", plain(farSetup), false,
         "set-up block"},
        {"an executable without a known edition byte", "PSN.EXE", plain(unknownEdition), false,
         "edition byte"},
        {"an executable of the wrong size", "PSN.EXE", plain(Bytes(5000, 'J')), false,
         "bytes long"},
        {"a save state with a broken trailer", "F1GSTATE.SAV", plain(brokenState), false,
         "checksum trailer"},
#ifndef _WIN32
        {"a restore over a link to a text file", "CIRCUITS/F1CT04.DAT", linkTo("notes.txt", text),
         true, "is not a track file"},
        {"an install over a link to a file of another name", "GAMEJAMS/LOTUS.JAM",
         linkTo("victim.txt", text), true, "is a link to"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Hostile h;
        sfs::create_directories(h.game + "/GAMEJAMS");
        const std::string path = h.game + "/" + c.name;
        sfs::remove(path);
        c.make(h, path);
        WriteFileBytes(h.dir.str() + "/source", Bytes(30000, 1));
        const auto before = Tree(h.dir.str());
        Staging staging({}, h.game);
        if (c.copy) {
            staging.Copy(h.dir.str() + "/source", path);
        } else {
            GameFile file({}, &staging);
            ASSERT_TRUE(file.Open(path)) << file.Failed();
            file.Seek(8);
            file.WriteByte(0xEE);
            file.Close();
        }
        try {
            staging.Commit();
            ADD_FAILURE() << "written";
        } catch (const FileAccessError& error) {
            EXPECT_EQ(Spelled(error.Path()), Spelled(path));
            EXPECT_NE(error.Reason().find(c.reason), std::string::npos) << error.Reason();
        }
        EXPECT_EQ(Tree(h.dir.str()), before);
    }
}

#ifndef _WIN32 // links to files, FIFOs, devices, POSIX permissions and mount namespaces from here
               // on
TEST(HostileFiles, TheUsersLinkToTheRealGameFileIsWrittenThroughAndKept) {
    for (const bool copy : {false, true}) {
        Hostile h;
        sfs::create_directories(h.outside + "/real");
        const std::string real = h.outside + "/real/F1CT05.DAT";
        const std::string link = h.game + "/CIRCUITS/F1CT05.DAT";
        const Bytes original = test::TrackFileBytes();
        WriteFileBytes(real, original);
        ::chmod(real.c_str(), 0444);
        sfs::create_symlink(real, link);
        Staging staging({}, h.game);
        if (copy) {
            WriteFileBytes(h.dir.str() + "/source", test::TrackFileBytes(30000, 9));
            staging.Copy(h.dir.str() + "/source", link);
        } else {
            GameFile file({}, &staging);
            ASSERT_TRUE(file.Open(link));
            file.Seek(8);
            file.WriteByte(0xEE);
            file.Close();
        }
        staging.Commit();
        EXPECT_TRUE(sfs::is_symlink(link));
        EXPECT_EQ(ReadFileBytes(real)[8], copy ? 9 : 0xEE);
        EXPECT_EQ(ReadFileBytes(real + ".bak"), original);
        struct stat info {};
        ::stat(real.c_str(), &info);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << "the game must be able to write its files";
    }
}

// Opens a game file and keeps its backup (as the converter does before it writes an archive) in a
// child process that is stopped when it takes longer than a few seconds. Returns the reason the
// open failed with, "opened", or "hung".
std::string OpenInChild(const std::string& path) {
    int pipe[2];
    if (::pipe(pipe) != 0)
        return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        ::alarm(5);
        GameFile file;
        std::string result = file.Open(path) ? "opened" : "";
        if (result.empty()) {
            try {
                file.Check();
            } catch (const FileAccessError& error) {
                result = error.Path() + ": " + error.Reason();
            }
        }
        static_cast<void>(fs::EnsureBackup(path)); // what counts is that it returns
        ::write(pipe[1], result.data(), result.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? "hung" : result;
}

TEST(HostileFiles, SpecialFilesAndLinkLoopsAreNamedWithoutWaiting) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"a FIFO", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, "named pipe (FIFO)"},
        {"a folder", [](const std::string& p) { sfs::create_directory(p); }, "is a folder"},
        {"a device", [](const std::string& p) { sfs::create_symlink("/dev/null", p); },
         "is a device"},
        {"a link to itself", [](const std::string& p) { sfs::create_symlink(p, p); },
         "link that leads round in a loop"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.str() + "/F1CT01.DAT";
        c.make(path);
        const std::string result = OpenInChild(path);
        EXPECT_EQ(result.rfind(path + ": ", 0), 0u) << result;
        EXPECT_NE(result.find(c.reason), std::string::npos) << result;
        EXPECT_FALSE(sfs::exists(path + ".bak"));
    }
}

TEST(HostileFiles, ReadingChangesNoPermission) {
    test::ScratchGame game;
    ::chmod(game.ExePath().c_str(), 0444);
    GameFile file;
    ASSERT_TRUE(file.Open(game.ExePath()));
    file.Seek(kEditionByteOffset);
    EXPECT_EQ(file.ReadByte(), 'J');
    file.Close();
    EXPECT_FALSE(file.Failed());
    struct stat info {};
    ::stat(game.ExePath().c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
}

TEST(HostileFolders, BackupsRestoreAndCleanUpNeverFollowAFolderLink) {
    test::ScratchGame game;
    TempDir home;
    WriteText(home.str() + "/.bashrc", "the user's shell");
    WriteText(home.str() + "/.bashrc.bak", "an old shell");
    WriteText(home.str() + "/x" + std::string(kNewSuffix), "someone's new");
    WriteText(home.str() + "/x" + std::string(kOldSuffix), "someone's old");
    sfs::create_directory_symlink(home.path(), game.gameDir + "h");
    sfs::create_directory_symlink(home.path(), game.gameDir + "EXTRA");
    // A backup that is a link, and a backup of a link to a file outside.
    sfs::create_symlink(home.str() + "/.bashrc", game.gameDir + "F1GSTATE.SAV.bak");
    WriteText(game.gameDir + "notes.bak", "planted");
    sfs::create_symlink(home.str() + "/.bashrc", game.gameDir + "notes");
    const auto before = Tree(home.str());

    const std::vector<GameBackup> backups = ListBackups(game.state);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].file, game.gameDir + "notes");
    EXPECT_THROW(RestoreBackups(game.state, backups), FileAccessError);
    EXPECT_EQ(game.state.RecoverGameFiles().scratchRemoved, 0);

    std::ostringstream out, err;
    EXPECT_EQ(cli::Run({"restore", game.gameDir}, out, err, PSN_APP_DIR), cli::kGameFailure);
    EXPECT_NE(err.str().find(game.gameDir + "notes"), std::string::npos) << err.str();
    EXPECT_EQ(Tree(home.str()), before);
}

// psnedit run as a process of its own, stopped when it takes longer than a few seconds. With
// `readOnly`, that folder is mounted read-only in the process's own mount namespace first.
struct Ran {
    int code = -1;
    std::string out, err;
    bool hung = false;
    bool noMount = false; // the system gave no read-only mount
};

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadFileBytes(path);
    return {bytes.begin(), bytes.end()};
}

Ran PsneditInChild(const std::string& editor, const std::vector<std::string>& args,
                   const std::string& readOnly = {}) {
    constexpr int kNoMount = 77;
    TempDir io;
    const std::string outPath = io.str() + "/out", errPath = io.str() + "/err";
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(20);
        if (!readOnly.empty() &&
            (::unshare(CLONE_NEWNS) != 0 ||
             ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
             ::mount(readOnly.c_str(), readOnly.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
             ::mount(nullptr, readOnly.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                     nullptr) != 0))
            ::_exit(kNoMount);
        std::ostringstream out, err;
        const int code = cli::Run(args, out, err, editor);
        WriteText(outPath, out.str());
        WriteText(errPath, err.str());
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    Ran ran;
    ran.hung = WIFSIGNALED(status);
    ran.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ran.noMount = ran.code == kNoMount;
    ran.out = ReadText(outPath);
    ran.err = ReadText(errPath);
    return ran;
}

// A sample game in dir/game, beside an editor folder dir/editor that holds its patch list.
sample::Installation SampleGame(const TempDir& dir) {
    sample::Options options;
    options.gameDir = dir.str() + "/game/";
    options.withPictures = false;
    sfs::create_directories(dir.str() + "/editor/DATA");
    WriteFileBytes(dir.str() + "/editor/DATA/PLT.DAT", sample::PatchListBytes());
    return sample::MakeInstallation(options);
}

TEST(HostilePsnedit, AFifoOrALinkLoopInTheGameIsNamedAndNothingHangs) {
    struct Case {
        const char* what;
        const char* file;
        bool fifo; // else a link to itself
        int code;
        const char* says;
    };
    for (const Case c :
         {Case{"a FIFO as a track file", "CIRCUITS/F1CT03.DAT", true, cli::kGameFailure,
               "named pipe (FIFO)"},
          Case{"a FIFO as the executable", "PSN.EXE", true, cli::kGameFailure, "named pipe (FIFO)"},
          Case{"a link loop as the executable", "PSN.EXE", false, cli::kBadInput,
               "leads round in a loop"}}) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const auto inst = SampleGame(dir);
        const std::string settings = dir.str() + "/settings.GIA";
        std::ostringstream out, err;
        ASSERT_EQ(cli::Run({"save", inst.gameDir, settings}, out, err, dir.str() + "/editor"),
                  cli::kSuccess)
            << err.str();
        const std::string path = inst.Path(c.file);
        sfs::remove(path);
        if (c.fifo)
            ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
        else
            sfs::create_symlink(path, path);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"show", inst.gameDir},
              std::vector<std::string>{"apply", settings, inst.gameDir}}) {
            const auto before = Tree(dir.str() + "/game");
            const Ran ran = PsneditInChild(dir.str() + "/editor", args);
            ASSERT_FALSE(ran.hung) << args[0];
            EXPECT_EQ(ran.code, c.code) << args[0] << ": " << ran.err;
            EXPECT_NE(ran.err.find(path), std::string::npos) << ran.err;
            EXPECT_NE(ran.err.find(c.says), std::string::npos) << ran.err;
            EXPECT_EQ(Tree(dir.str() + "/game"), before);
        }
    }
}

TEST(HostilePsnedit, AReadOnlyGameIsShownComparedAndSavedAndAWriteChangesNothing) {
    TempDir dir;
    const auto inst = SampleGame(dir);
    const std::string saved = dir.str() + "/saved.GIA";
    const Ran save =
        PsneditInChild(dir.str() + "/editor", {"save", inst.gameDir, saved}, inst.gameDir);
    if (save.noMount)
        GTEST_SKIP() << "this system gives a test no read-only mount (no mount namespace)";
    EXPECT_EQ(save.code, cli::kSuccess) << save.err;
    const auto before = Tree(dir.str() + "/game");
    EXPECT_EQ(PsneditInChild(dir.str() + "/editor", {"show", inst.gameDir}, inst.gameDir).code,
              cli::kSuccess);
    EXPECT_EQ(
        PsneditInChild(dir.str() + "/editor", {"diff", inst.gameDir, saved}, inst.gameDir).code,
        cli::kSuccess);

    Bytes edited = ReadFileBytes(saved);
    ASSERT_EQ(edited.size(), SettingsRecord().bytes().size());
    edited[1473] ^= 0x10; // an engine power
    WriteFileBytes(saved, edited);
    const Ran apply =
        PsneditInChild(dir.str() + "/editor", {"apply", saved, inst.gameDir}, inst.gameDir);
    EXPECT_EQ(apply.code, cli::kGameFailure) << apply.err;
    EXPECT_NE(apply.err.find("Read-only file system"), std::string::npos) << apply.err;
    EXPECT_NE(apply.err.find(inst.gameDir), std::string::npos) << apply.err;
    EXPECT_EQ(Tree(dir.str() + "/game"), before);
}

#endif

} // namespace
} // namespace psn
