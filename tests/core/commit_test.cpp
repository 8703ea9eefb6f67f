// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/app_state.h"
#include "core/backups.h"
#include "core/commit.h"
#include "core/game_file.h"
#include "core/platform.h"
#include "support/child_process.h"
#include "support/game_files.h"
#include "support/scratch_game.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace psn {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;
using Bytes = std::vector<std::uint8_t>;

// Two install targets of a game folder: files a commit record may name, with no content to check.
struct TwoFiles {
    static constexpr const char* kA = "/BITMAPS/CPITHI.PCX";
    static constexpr const char* kB = "/GAMEJAMS/LOTUS.JAM";
    TempDir dir;
    std::string a = dir.str() + kA;
    std::string b = dir.str() + kB;
    Bytes oldA = Bytes(10000, 1), oldB = Bytes{1, 2, 3, 4};
    TwoFiles() {
        std::filesystem::create_directories(dir.str() + "/BITMAPS");
        std::filesystem::create_directories(dir.str() + "/GAMEJAMS");
        WriteFileBytes(a, oldA);
        WriteFileBytes(b, oldB);
    }
    // Stages a change to both files.
    void Stage(Staging& staging) {
        for (const std::string& path : {a, b}) {
            GameFile file({}, &staging);
            ASSERT_TRUE(file.Open(path));
            file.Seek(2);
            file.WriteByte(9);
            file.Close();
        }
    }
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
            const std::string name = entry.path().filename().string();
            if (name == kCommitRecordName || name.ends_with(kNewSuffix) ||
                name.ends_with(kOldSuffix))
                found.push_back(name);
        }
        return found;
    }
};

Bytes With(Bytes bytes, std::size_t at, std::uint8_t value) {
    bytes[at] = value;
    return bytes;
}

platform::Info Described(const std::string& path) {
    platform::Info info;
    platform::DescribePath(path, info);
    return info;
}

TEST(Commit, StagedWritesReachNoFileBeforeTheCommitAndAllFilesWithIt) {
    TwoFiles files;
    ::chmod(files.a.c_str(), 0640);
    const unsigned mode = Described(files.a).mode;
    Staging staging({}, files.dir.str());
    files.Stage(staging);
    EXPECT_EQ(ReadFileBytes(files.a), files.oldA);
    EXPECT_EQ(ReadFileBytes(files.b), files.oldB);
    // A second open within the command sees what the first one wrote.
    {
        GameFile file({}, &staging);
        ASSERT_TRUE(file.Open(files.b));
        file.Seek(2);
        EXPECT_EQ(file.ReadByte(), 9);
    }
    staging.Commit();
    EXPECT_EQ(ReadFileBytes(files.a), With(files.oldA, 2, 9));
    EXPECT_EQ(ReadFileBytes(files.b), With(files.oldB, 2, 9));
    EXPECT_EQ(ReadFileBytes(files.a + ".bak"), files.oldA);
    EXPECT_EQ(ReadFileBytes(files.b + ".bak"), files.oldB);
    EXPECT_EQ(Described(files.a).mode, mode) << "the file keeps its permissions";
    EXPECT_EQ(files.Leftovers(), std::vector<std::string>{});
}

TEST(Commit, AFileWrittenWithTheValuesItHoldsIsNotRewritten) {
    TwoFiles files;
    const std::uint64_t before = Described(files.b).id;
    Staging staging({}, files.dir.str());
    GameFile file({}, &staging);
    ASSERT_TRUE(file.Open(files.b));
    file.WriteWord(0x0201);
    file.Close();
    staging.Commit();
    EXPECT_EQ(Described(files.b).id, before);
    EXPECT_FALSE(std::filesystem::exists(files.b + ".bak")) << "nothing changed, so no backup";
}

TEST(Commit, AFailureAtAnyStepOfTheCommitLeavesEveryFileAsItWas) {
    long steps = 0;
    {
        TwoFiles files;
        auto faults = std::make_shared<TransferFaults>();
        Staging staging(faults, files.dir.str());
        files.Stage(staging);
        faults->count = 0;
        staging.Commit();
        steps = faults->count;
    }
    ASSERT_GT(steps, 20);
    int stood = 0;
    for (long n = 1; n <= steps; ++n) {
        TwoFiles files;
        auto faults = std::make_shared<TransferFaults>();
        Staging staging(faults, files.dir.str());
        files.Stage(staging);
        faults->count = 0;
        faults->failAt = n;
        try {
            staging.Commit();
            // Only the clean-up after the point of no return may meet the failure.
            ++stood;
            EXPECT_EQ(ReadFileBytes(files.a), With(files.oldA, 2, 9)) << n;
            EXPECT_EQ(ReadFileBytes(files.b), With(files.oldB, 2, 9)) << n;
        } catch (const FileAccessError& error) {
            EXPECT_EQ(error.Reason(), "Input/output error") << n;
            EXPECT_FALSE(error.Path().empty()) << n;
            EXPECT_EQ(ReadFileBytes(files.a), files.oldA) << n;
            EXPECT_EQ(ReadFileBytes(files.b), files.oldB) << n;
        }
        EXPECT_EQ(files.Leftovers(), std::vector<std::string>{}) << n;
    }
    EXPECT_LE(stood, 2);
}

std::uint64_t Inode(const std::string& path) {
    return Described(path).id;
}

// A few changed bytes are written into the file itself; anything that could carry the change
// elsewhere, or is too much to journal, is written whole beside it and renamed into place.
TEST(Commit, AFewChangedBytesAreWrittenInPlaceAndAnythingElseWhole) {
    const struct {
        const char* what;
        bool gameFolder;     // the staging has a game folder to hold the record
        bool hardLinked;     // another name shares the file's bytes
        std::size_t changed; // bytes changed, from offset 100
        bool inPlace;
    } cases[] = {
        {"a few bytes", true, false, 3, true},
        {"bytes spread over pages", true, false, 9000, true},
        {"more than a journal holds", true, false, 30000, false},
        {"a file with a second name", true, true, 3, false},
        {"no game folder", false, false, 3, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TwoFiles files;
        const Bytes old(100000, 1);
        WriteFileBytes(files.a, old);
        const std::string other = files.dir.str() + "/other";
        if (c.hardLinked) {
            ASSERT_TRUE(platform::Link(files.a, other));
        }
        const std::uint64_t before = Inode(files.a);
        Staging staging({}, c.gameFolder ? files.dir.str() : std::string());
        Bytes expected = old;
        {
            GameFile file({}, &staging);
            ASSERT_TRUE(file.Open(files.a));
            // Every third byte changes, so unchanged bytes lie between the changed ones.
            for (std::size_t i = 0; i < c.changed; ++i) {
                file.Seek(100 + 3 * i);
                file.WriteByte(static_cast<std::uint8_t>(i % 200 + 2));
                expected[100 + 3 * i] = static_cast<std::uint8_t>(i % 200 + 2);
            }
            file.Close();
        }
        staging.Commit();
        EXPECT_EQ(ReadFileBytes(files.a), expected);
        EXPECT_EQ(ReadFileBytes(files.a + ".bak"), old);
        EXPECT_EQ(Inode(files.a) == before, c.inPlace);
        if (c.hardLinked) {
            EXPECT_EQ(ReadFileBytes(other), old) << "the change reached the other name";
        }
        EXPECT_EQ(files.Leftovers(), std::vector<std::string>{});
    }
}

// Stages a change of the two files of the folder `dir`: A changed in place, B replaced whole.
void StageMixedChange(Staging& staging, const std::string& dir) {
    WriteFileBytes(dir + "/source", Bytes(500, 5));
    staging.Copy(dir + "/source", dir + TwoFiles::kB);
    GameFile file({}, &staging);
    ASSERT_TRUE(file.Open(dir + TwoFiles::kA));
    file.Seek(5000);
    file.WriteByte(9);
    file.Close();
}

// The transfers of the commit of the mixed change.
long MixedCommitSteps() {
    TwoFiles files;
    auto faults = std::make_shared<TransferFaults>();
    Staging staging(faults, files.dir.str());
    StageMixedChange(staging, files.dir.str());
    faults->count = 0;
    staging.Commit();
    return faults->count;
}

// A commit that changes one file in place and replaces another whole stays all-or-nothing.
TEST(Commit, AFailureAtAnyStepOfAMixedCommitLeavesEveryFileAsItWas) {
    const long steps = MixedCommitSteps();
    ASSERT_GT(steps, 15);
    for (long n = 1; n <= steps; ++n) {
        TwoFiles files;
        auto faults = std::make_shared<TransferFaults>();
        Staging staging(faults, files.dir.str());
        StageMixedChange(staging, files.dir.str());
        faults->count = 0;
        faults->failAt = n;
        bool stood = true;
        try {
            staging.Commit();
        } catch (const FileAccessError&) {
            stood = false;
        }
        EXPECT_EQ(ReadFileBytes(files.a), stood ? With(files.oldA, 5000, 9) : files.oldA) << n;
        EXPECT_EQ(ReadFileBytes(files.b), stood ? Bytes(500, 5) : files.oldB) << n;
        EXPECT_EQ(files.Leftovers(), std::vector<std::string>{}) << n;
    }
}

// Commits the mixed change of the folder $PSN_GAME, ending this process abruptly at the commit's
// transfer $PSN_STEP, as a kill there would.
TEST(CommitChild, DISABLED_CommitsUntilEnded) {
    const std::string dir = test::ChildParameter("PSN_GAME");
    auto faults = std::make_shared<TransferFaults>();
    Staging staging(faults, dir);
    StageMixedChange(staging, dir);
    test::EndAbruptlyAt(*faults, std::stol(test::ChildParameter("PSN_STEP")));
    staging.Commit();
    FAIL() << "the commit ended before its step";
}

// A commit killed at any step, in its record, its journal or its renames, is completed or undone
// by the recovery the next command runs: both files wholly old or both wholly new, their backups
// whole, no scratch file left.
TEST(Recovery, ACommitKilledAtAnyStepIsCompletedOrUndoneWhole) {
    const long steps = MixedCommitSteps();
    int completed = 0, recorded = 0;
    for (long n = 1; n <= steps; ++n) {
        SCOPED_TRACE(n);
        TwoFiles files;
        const test::ChildOutcome child =
            test::RunChildTest("CommitChild.DISABLED_CommitsUntilEnded",
                               {{"PSN_GAME", files.dir.str()}, {"PSN_STEP", std::to_string(n)}});
        ASSERT_EQ(child.code, test::kEndedAbruptly) << child.out << child.err;
        const std::string dir = files.dir.str();
        const RecoveryReport report =
            RecoverInterruptedCommit(dir, {dir, dir + "/BITMAPS", dir + "/GAMEJAMS"});
        recorded += report.found;
        const bool isNew = ReadFileBytes(files.b) == Bytes(500, 5);
        completed += isNew;
        EXPECT_EQ(ReadFileBytes(files.a), isNew ? With(files.oldA, 5000, 9) : files.oldA);
        EXPECT_EQ(ReadFileBytes(files.b), isNew ? Bytes(500, 5) : files.oldB);
        for (const auto& [path, old] : {std::pair{files.a, files.oldA}, {files.b, files.oldB}})
            if (std::filesystem::exists(path + ".bak")) {
                EXPECT_EQ(ReadFileBytes(path + ".bak"), old) << path;
            }
        EXPECT_EQ(files.Leftovers(), std::vector<std::string>{});
    }
    EXPECT_GT(recorded, 3) << "the kills never met a commit under way";
    EXPECT_GT(completed, 0);
    EXPECT_LT(completed, steps);
}

TEST(Commit, AFolderThatCannotBeWrittenFailsTheCommitWithTheSystemsReason) {
#ifdef _WIN32
    GTEST_SKIP() << "a folder's read-only attribute keeps no file out on Windows";
#else
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
#endif
    TwoFiles files;
    Staging staging({}, files.dir.str());
    files.Stage(staging);
    ::chmod((files.dir.str() + "/GAMEJAMS").c_str(), 0555);
    try {
        staging.Commit();
        FAIL();
    } catch (const FileAccessError& error) {
        EXPECT_EQ(error.Reason(), "Permission denied");
        EXPECT_EQ(error.Text(),
                  std::string(" File access error! \n") + error.Path() + ": Permission denied");
    }
    ::chmod((files.dir.str() + "/GAMEJAMS").c_str(), 0755);
    EXPECT_EQ(ReadFileBytes(files.a), files.oldA);
    EXPECT_EQ(ReadFileBytes(files.b), files.oldB);
}

// The states a crash can leave, each recovered twice: the second run finds nothing to do.
TEST(Recovery, ACommitRecordIsCompletedOrUndoneAndScratchFilesGo) {
    struct Case {
        const char* mode;
        bool renamed; // A was already renamed into place
        bool completes;
    };
    for (const Case c : {Case{"complete", false, true}, Case{"complete", true, true},
                         Case{"undo", false, false}, Case{"undo", true, false}}) {
        TwoFiles files;
        const Bytes newA = With(files.oldA, 0, 7), newB = With(files.oldB, 0, 7);
        WriteFileBytes(files.a + kOldSuffix, files.oldA);
        if (c.renamed)
            WriteFileBytes(files.a, newA);
        else
            WriteFileBytes(files.a + kNewSuffix, newA);
        WriteFileBytes(files.b + kNewSuffix, newB);
        WriteFileBytes(files.dir.str() + "/C.DAT" + kNewSuffix, {1}); // a command never committed
        std::ofstream(files.dir.str() + "/" + kCommitRecordName, std::ios::binary)
            << "psniaed commit record\n"
            << c.mode << "\nreplace BITMAPS/CPITHI.PCX\nreplace GAMEJAMS/LOTUS.JAM\nend\n";
        const std::vector<std::string> folders{files.dir.str(), files.dir.str() + "/BITMAPS",
                                               files.dir.str() + "/GAMEJAMS"};

        const RecoveryReport report = RecoverInterruptedCommit(files.dir.str(), folders);
        EXPECT_TRUE(report.found) << c.mode;
        EXPECT_EQ(report.completed, c.completes);
        EXPECT_EQ(report.files,
                  (std::vector<std::string>{fs::Native(files.a), fs::Native(files.b)}));
        EXPECT_EQ(ReadFileBytes(files.a), c.completes ? newA : files.oldA) << c.mode;
        EXPECT_EQ(ReadFileBytes(files.b), c.completes ? newB : files.oldB) << c.mode;
        EXPECT_EQ(files.Leftovers(), std::vector<std::string>{}) << c.mode;
        EXPECT_FALSE(RecoverInterruptedCommit(files.dir.str(), folders).found);
        EXPECT_EQ(ReadFileBytes(files.a), c.completes ? newA : files.oldA) << c.mode;
    }
}

// A crash may come before, during or after the bytes are written in place: the journal in the
// record completes or undoes them either way.
TEST(Recovery, AChangeInPlaceIsCompletedOrUndoneWhereverTheCrashCame) {
    for (const char* mode : {"complete", "undo"})
        for (const int written : {0, 1, 2}) { // runs already written when the crash came
            SCOPED_TRACE(std::string(mode) + ", written " + std::to_string(written));
            TwoFiles files;
            Bytes now = files.oldA;
            now[10] = 0xAB;
            now[11] = 0xCD;
            now[9000] = 0xEF;
            Bytes disk = files.oldA;
            if (written >= 1) {
                disk[10] = 0xAB;
                disk[11] = 0xCD;
            }
            if (written >= 2)
                disk[9000] = 0xEF;
            WriteFileBytes(files.a, disk);
            std::ofstream(files.dir.str() + "/" + kCommitRecordName, std::ios::binary)
                << "psniaed commit record\n"
                << mode
                << "\npatch BITMAPS/CPITHI.PCX\nat 10 abcd 0101\nat 9000 ef 01\nmodified "
                   "1000000000 5\nreplace GAMEJAMS/LOTUS.JAM\nend\n";
            WriteFileBytes(files.b + kNewSuffix, {4, 3, 2, 1});
            const bool completes = std::string(mode) == "complete";
            for (int run = 0; run < 2; ++run) {
                const RecoveryReport report = RecoverInterruptedCommit(files.dir.str(), {});
                EXPECT_EQ(report.found, run == 0);
                EXPECT_EQ(ReadFileBytes(files.a), completes ? now : files.oldA);
                // Windows keeps times to 100 ns.
                EXPECT_EQ(std::abs(Described(files.a).modifiedNs - 1'000'000'000'000'000'005) < 100,
                          !completes)
                    << "an undone file keeps its time of change";
                EXPECT_EQ(ReadFileBytes(files.b), completes ? Bytes({4, 3, 2, 1}) : files.oldB);
                EXPECT_EQ(files.Leftovers(), std::vector<std::string>{});
            }
        }
}

// A record from anywhere may ask for a change in place that no commit makes: refused whole.
TEST(Recovery, AChangeInPlaceNoCommitMakesIsRefusedAndNothingChanges) {
    const struct {
        const char* what;
        const char* entries;
        bool hardLink = false;
    } cases[] = {
        {"beyond the end", "patch BITMAPS/CPITHI.PCX\nat 9999 abcd 0101\n"},
        {"far beyond the end", "patch BITMAPS/CPITHI.PCX\nat 18446744073709551615 ab 01\n"},
        {"shared with another name", "patch BITMAPS/CPITHI.PCX\nat 1 ab 01\n", true},
        {"no runs", "patch BITMAPS/CPITHI.PCX\n"},
        {"a run without its file", "at 1 ab 01\n"},
        {"old and new of other lengths", "patch BITMAPS/CPITHI.PCX\nat 1 abab 01\n"},
        {"not hexadecimal", "patch BITMAPS/CPITHI.PCX\nat 1 zz 01\n"},
        {"a time out of range", "patch BITMAPS/CPITHI.PCX\nat 1 ab 01\nmodified 1 1000000000\n"},
        {"a file outside the game", "patch ../CPITHI.PCX\nat 1 ab 01\n"},
        {"a later entry is bad", "patch BITMAPS/CPITHI.PCX\nat 1 ab 01\npatch notes.txt\nat 0 ab "
                                 "01\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TwoFiles files;
        if (c.hardLink) {
            ASSERT_TRUE(platform::Link(files.a, files.dir.str() + "/other"));
        }
        const std::string record = files.dir.str() + "/" + kCommitRecordName;
        std::ofstream(record, std::ios::binary) << "psniaed commit record\ncomplete\n"
                                                << c.entries << "end\n";
        EXPECT_THROW(RecoverInterruptedCommit(files.dir.str(), {}), FileAccessError);
        EXPECT_TRUE(std::filesystem::exists(record));
        EXPECT_EQ(ReadFileBytes(files.a), files.oldA);
    }
}

// The record names the program whose command it journals, so that the recovery after a stop
// can say whose command it was. A record of an earlier version names none and still recovers; a
// name from a stranger's record is cut short and made printable before anyone shows it.
TEST(Recovery, TheRecordNamesTheProgramWhoseCommandWasStopped) {
    static std::string record, seen;
    TwoFiles written;
    record = written.dir.str() + "/" + kCommitRecordName;
    seen.clear();
    auto faults = std::make_shared<TransferFaults>();
    faults->observe = [](long) {
        if (std::ifstream in(record, std::ios::binary); in && seen.empty())
            seen.assign(std::istreambuf_iterator<char>(in), {});
    };
    SetCommittingProgram("psnedit");
    Staging staging(faults, written.dir.str());
    written.Stage(staging);
    staging.Commit();
    SetCommittingProgram({});
    EXPECT_TRUE(seen.starts_with("psniaed commit record\ncomplete\nby psnedit\npatch ")) << seen;

    const std::string hostile = "by " + std::string(200, 'x') + "\x1b[2J\n";
    const struct {
        const char* what;
        std::string line;
        std::string program;
        const char* says;
    } cases[] = {
        {"psnedit", "by psnedit\n", "psnedit", "The program psnedit was stopped"},
        {"the editor", "by psniaed\n", "psniaed", "The editor was stopped"},
        {"an earlier version", "", "", "A program was stopped"},
        {"a stranger", hostile, std::string(32, 'x'), "The program xxxx"},
        {"control bytes", "by ps\x1b]0;\x07\n", "ps?]0;?", "The program ps?]0;? was"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TwoFiles files;
        WriteFileBytes(files.a + kNewSuffix, {7});
        std::ofstream(files.dir.str() + "/" + kCommitRecordName, std::ios::binary)
            << "psniaed commit record\ncomplete\n"
            << c.line << "replace BITMAPS/CPITHI.PCX\nend\n";
        const RecoveryReport report = RecoverInterruptedCommit(files.dir.str(), {});
        EXPECT_TRUE(report.found);
        EXPECT_EQ(ReadFileBytes(files.a), Bytes{7});
        EXPECT_EQ(report.program, c.program);
        EXPECT_TRUE(English(RecoveryMessage(report)).starts_with(c.says))
            << English(RecoveryMessage(report));
    }
    // The line belongs right after the mode: anywhere else it is no entry of the record.
    TwoFiles files;
    std::ofstream(files.dir.str() + "/" + kCommitRecordName)
        << "psniaed commit record\ncomplete\nreplace BITMAPS/CPITHI.PCX\nby psnedit\nend\n";
    EXPECT_THROW(RecoverInterruptedCommit(files.dir.str(), {}), FileAccessError);
}

TEST(Recovery, ADamagedRecordIsReportedAndLeftAlone) {
    TwoFiles files;
    const std::string record = files.dir.str() + "/" + kCommitRecordName;
    std::ofstream(record, std::ios::binary)
        << "psniaed commit record\ncomplete\nreplace " << files.a << "\n";
    EXPECT_THROW(RecoverInterruptedCommit(files.dir.str(), {}), FileAccessError);
    EXPECT_TRUE(std::filesystem::exists(record));
    EXPECT_EQ(ReadFileBytes(files.a), files.oldA);
}

TEST(Backups, RestoreBringsBackTheChosenOriginalsAndKeepsTheBackups) {
    test::ScratchGame game;
    const std::string track = game.gameDir + "CIRCUITS/F1CT01.DAT";
    std::filesystem::create_directories(game.gameDir + "CIRCUITS");
    const Bytes originalTrack = test::TrackFileBytes();
    WriteFileBytes(track, originalTrack);
    const Bytes exe = ReadFileBytes(game.ExePath());
    for (const std::string& path : {game.ExePath(), track}) {
        GameFile file;
        ASSERT_TRUE(file.Open(path));
        file.WriteByte(0xAA);
        file.Close();
    }
    const std::vector<GameBackup> backups = ListBackups(game.state);
    ASSERT_EQ(backups.size(), 2u);
    EXPECT_EQ(backups[0].file, fs::Native(track));
    EXPECT_EQ(backups[1].file, fs::Native(game.ExePath()));
    RestoreBackups(game.state, {backups[0]});
    EXPECT_EQ(ReadFileBytes(track), originalTrack);
    EXPECT_EQ(ReadFileBytes(game.ExePath())[0], 0xAA) << "only the chosen file is restored";
    RestoreBackups(game.state, backups);
    EXPECT_EQ(ReadFileBytes(game.ExePath()), exe);
    EXPECT_EQ(ListBackups(game.state).size(), 2u) << "the backups stay";
}

} // namespace
} // namespace psn
