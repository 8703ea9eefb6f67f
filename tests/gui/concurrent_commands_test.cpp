// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Two commands on one game at once, as real processes: two `psnedit apply` of different settings,
// and the editor's "Export all data" (the kill test's child) beside `psnedit apply`, started a few
// milliseconds apart. Each pair must leave the game wholly as one of the two commands alone leaves
// it, with every report true: "Applied" only when that set went in (perhaps overwritten by the
// later command), a refusal only with exit status 3 and nothing changed, never a file that the
// other command's scratch clean-up took away.
#include "core/commit.h"
#include "core/game_lock.h"
#include "e2e_fixture.h"

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace psn::test {
namespace {

using namespace std::chrono_literals;

struct Ended {
    int code = -1;
    std::string out, err;
};

class Process {
public:
    Process(const std::vector<std::string>& args, const std::string& logs) : logs_(logs) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (logs + ".out").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (logs + ".err").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    Ended Wait() {
        Ended ended;
        int status = 0;
        if (pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_ && WIFEXITED(status))
            ended.code = WEXITSTATUS(status);
        const Bytes out = E2EGame::ReadWhole(logs_ + ".out"),
                    err = E2EGame::ReadWhole(logs_ + ".err");
        ended.out.assign(out.begin(), out.end());
        ended.err.assign(err.begin(), err.end());
        return ended;
    }

private:
    pid_t pid_ = -1;
    std::string logs_;
};

SettingsRecord SetOf(int edition) {
    SettingsRecord record = sample::ExpectedRecord(edition, true, 1, 1);
    const auto tracks = sample::ExpectedTrackEntries(edition);
    std::copy(tracks.begin(), tracks.end(), record.bytes().begin() + rec::kTrackEntries);
    return record;
}

// Written whole: psnedit's apply exits 1 when its read-back finds a field the game did not take
// (one set's random engine power switched back on over another's off).
bool Written(const Ended& ended) {
    return ended.code == 0 ||
           (ended.code == 1 && ended.err.find("the game did not take") != std::string::npos);
}

struct Contest {
    E2EGame game{0, true};
    std::map<std::string, Bytes> before = game.ReadGameFiles();
    std::string patchList = game.editorDir + "/DATA/PLT.DAT";
    std::string logs = game.dir.str() + "/run";

    std::string Settings(int edition) {
        const std::string path = game.dir.str() + "/SET" + std::to_string(edition) + ".GIA";
        const SettingsRecord record = SetOf(edition);
        WriteFileBytes(path, Bytes(record.bytes().begin(), record.bytes().end()));
        return path;
    }
    void Reset() {
        for (const auto& [path, bytes] : before) {
            if (E2EGame::ReadWhole(path) != bytes)
                WriteFileBytes(path, bytes);
            std::filesystem::remove(path + ".bak");
        }
    }
    std::vector<std::string> Apply(const std::string& settings) const {
        return {std::string(PSN_APP_DIR) + "/psnedit",
                "apply",
                settings,
                game.inst.gameDir,
                "--patch-list",
                patchList};
    }
    std::vector<std::string> Export(const std::string& settings) const {
        return {PSN_EXPORT_CHILD, game.editorDir, settings, "0"};
    }
    std::vector<std::string> Leftovers() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(game.inst.gameDir)) {
            const std::string name = entry.path().filename().string();
            if (name == kCommitRecordName || name.ends_with(kNewSuffix) ||
                name.ends_with(kOldSuffix))
                found.push_back(name);
        }
        return found;
    }
    // What commands run one after the other leave in the game, from the game as it was.
    std::map<std::string, Bytes> InTurn(const std::vector<std::vector<std::string>>& commands) {
        Reset();
        for (const auto& command : commands) {
            const Ended ended = Process(command, logs + "-alone").Wait();
            EXPECT_TRUE(Written(ended)) << ended.code << ": " << ended.out << ended.err;
        }
        return game.ReadGameFiles();
    }
};

bool Refused(const Ended& ended) {
    return ended.err.find("Another program is changing the game") != std::string::npos ||
           ended.out.find("Another program is changing the game") != std::string::npos;
}

// The kind of command and how its report reads.
struct Side {
    std::vector<std::string> command;
    bool child = false;

    bool Succeeded(const Ended& ended) const {
        return Written(ended) &&
               (child ? ended.out.find("All data has been exported!") != std::string::npos
                      : ended.out.find("Applied ") != std::string::npos);
    }
    // A refusal: the busy message, and psnedit's exit status 3 (the child's statuses say at which
    // of its commands it was refused: recovery, reading the edition, the export).
    bool RefusedProperly(const Ended& ended) const {
        return Refused(ended) && (child ? ended.code >= 5 && ended.code <= 7 : ended.code == 3);
    }
};

std::string Differing(const std::map<std::string, Bytes>& now,
                      const std::map<std::string, Bytes>& expected) {
    std::string names;
    for (const auto& [path, bytes] : now)
        if (bytes != expected.at(path))
            names += std::filesystem::path(path).filename().string() + " ";
    return names;
}

// A set applied over another leaves the game with that set's settings, but not byte for byte as
// from the original game (bytes the earlier set wrote and the later one does not): each pair is
// compared with what either command alone and both in either order leave.
void RunPairs(Contest& contest, const Side& first, const Side& second, int pairs, int seed,
              int& refusals) {
    const auto firstAlone = contest.InTurn({first.command});
    const auto secondAlone = contest.InTurn({second.command});
    const auto firstThenSecond = contest.InTurn({first.command, second.command});
    const auto secondThenFirst = contest.InTurn({second.command, first.command});
    ASSERT_NE(firstAlone, secondAlone);
    ASSERT_NE(firstAlone, contest.before);
    for (int i = 0; i < pairs; ++i) {
        const bool swap = i % 2 == 1;
        const Side& a = swap ? second : first;
        const Side& b = swap ? first : second;
        const auto delay = std::chrono::milliseconds((i * 37 + seed) % 61);
        SCOPED_TRACE("pair " + std::to_string(i) + ", " + std::to_string(delay.count()) +
                     " ms apart");
        contest.Reset();
        Process pa(a.command, contest.logs + "-a");
        std::this_thread::sleep_for(delay);
        Process pb(b.command, contest.logs + "-b");
        const Ended ea = pa.Wait(), eb = pb.Wait();

        for (const Ended* ended : {&ea, &eb}) {
            const std::string text = ended->out + ended->err;
            EXPECT_EQ(text.find("No such file"), std::string::npos) << text;
        }
        const bool okA = a.Succeeded(ea), okB = b.Succeeded(eb);
        EXPECT_TRUE(okA || a.RefusedProperly(ea)) << ea.code << ": " << ea.out << ea.err;
        EXPECT_TRUE(okB || b.RefusedProperly(eb)) << eb.code << ": " << eb.out << eb.err;
        refusals += !okA + !okB;

        const auto now = contest.game.ReadGameFiles();
        const auto& aAlone = swap ? secondAlone : firstAlone;
        const auto& bAlone = swap ? firstAlone : secondAlone;
        if (okA && okB) {
            EXPECT_TRUE(now == firstThenSecond || now == secondThenFirst)
                << "the game is neither set wholly: " << Differing(now, firstThenSecond)
                << "differ from the one set over the other, " << Differing(now, secondThenFirst)
                << "from the other over the one";
        } else if (okA) {
            EXPECT_TRUE(now == aAlone) << Differing(now, aAlone) << "differ from the set applied";
        } else if (okB) {
            EXPECT_TRUE(now == bAlone) << Differing(now, bAlone) << "differ from the set applied";
        } else {
            ADD_FAILURE() << "both refused";
        }
        EXPECT_EQ(contest.Leftovers(), std::vector<std::string>{});
        for (const auto& [path, bytes] : now)
            if (bytes != contest.before.at(path)) {
                EXPECT_EQ(E2EGame::ReadWhole(path + ".bak"), contest.before.at(path))
                    << path << " changed without its backup";
            }
        if (::testing::Test::HasFailure())
            return;
    }
}

// Games in memory where the machine has such a folder: every apply flushes 18 files, and the
// pairs are about the lock, not the disk.
class MemoryTemp {
public:
    MemoryTemp() {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        if (::access("/dev/shm", W_OK) == 0)
            ::setenv("TMPDIR", "/dev/shm", 1);
    }
    ~MemoryTemp() {
        if (old_)
            ::setenv("TMPDIR", old_->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> old_;
};

TEST(ConcurrentCommands, EveryPairLeavesOneSetWhollyAndReportsTruly) {
    const auto start = std::chrono::steady_clock::now();
    const MemoryTemp memory;
    Contest contest;
    Side one{contest.Apply(contest.Settings(1)), false};
    Side two{contest.Apply(contest.Settings(2)), false};
    Side editor{contest.Export(contest.Settings(3)), true};

    int refusals = 0;
    RunPairs(contest, one, two, 100, 0, refusals);
    if (!HasFailure())
        RunPairs(contest, editor, one, 20, 11, refusals);
    RecordProperty("refusals", refusals);
    RecordProperty("seconds", static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(
                                                   std::chrono::steady_clock::now() - start)
                                                   .count()));
}

// While another program holds the game, every command waits, then stops saying so, with nothing
// changed: psnedit's reads and writes with exit status 3, the editor's export with a warning.
TEST(ConcurrentCommands, ACommandFacingAHeldLockStopsWithNothingChanged) {
    Contest contest;
    const std::string settings = contest.Settings(1);
    const std::string psnedit = std::string(PSN_APP_DIR) + "/psnedit";
    const GameLock held = GameLock::Acquire(contest.game.inst.gameDir);
    ASSERT_TRUE(held.Held());
    const std::vector<std::vector<std::string>> commands = {
        contest.Apply(settings),
        {psnedit, "show", contest.game.inst.gameDir, "--patch-list", contest.patchList},
        {psnedit, "save", contest.game.inst.gameDir, contest.game.dir.str() + "/saved.GIA",
         "--patch-list", contest.patchList},
        {psnedit, "restore", contest.game.inst.gameDir},
        contest.Export(settings),
    };
    // All at once: each waits the same few seconds.
    std::vector<std::unique_ptr<Process>> running;
    for (std::size_t i = 0; i < commands.size(); ++i)
        running.push_back(std::make_unique<Process>(commands[i], contest.logs + std::to_string(i)));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        const Ended ended = running[i]->Wait();
        SCOPED_TRACE(commands[i][1]);
        EXPECT_TRUE(Refused(ended)) << ended.out << ended.err;
        EXPECT_EQ(ended.code, i + 1 == commands.size() ? 5 : 3);
        EXPECT_EQ(ended.out.find("Applied"), std::string::npos);
    }
    EXPECT_EQ(contest.game.ReadGameFiles(), contest.before);
    EXPECT_FALSE(std::filesystem::exists(contest.game.dir.str() + "/saved.GIA"));
    for (const auto& [path, bytes] : contest.before)
        EXPECT_FALSE(std::filesystem::exists(path + ".bak")) << path;
}

} // namespace
} // namespace psn::test
