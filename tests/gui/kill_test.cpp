// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Export all data" run in a child process that is stopped with SIGKILL before its commit, at
// steps of the commit (every step of the commit record and the renames), and after it. After one
// more start every game file must be wholly old or wholly new with a valid trailer, the command's
// files all old or all new together, and no scratch file or commit record left behind.
#include "core/checksum.h"
#include "core/commit.h"
#include "e2e_fixture.h"
#include "ui/recovery.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace psn::test {
namespace {

struct ChildRun {
    bool killed = false;
    int exitCode = -1;
    std::string output;
};

ChildRun RunExportChild(const std::string& editorDir, const std::string& settings, long killAt) {
    const std::string command = std::string(PSN_EXPORT_CHILD) + " '" + editorDir + "' '" +
                                settings + "' " + std::to_string(killAt) + " 2>/dev/null";
    ChildRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int status = ::pclose(pipe);
    // A shell between reports a child stopped by a signal as 128 + the signal.
    run.killed = (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) ||
                 (WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGKILL);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

bool TrailerValid(const Bytes& bytes) {
    if (bytes.size() < 5)
        return false;
    const std::size_t read = std::min(bytes.size(), kChecksumReadLimit);
    const ChecksumTrailer sums = ComputeChecksum(std::span(bytes.data(), read));
    const std::size_t t = bytes.size() - 4;
    return bytes[t] == (sums.byteSum & 0xFF) && bytes[t + 1] == (sums.byteSum >> 8) &&
           bytes[t + 2] == (sums.rotatingSum & 0xFF) && bytes[t + 3] == (sums.rotatingSum >> 8);
}

// Scratch files and commit records anywhere in the game's folder tree.
std::vector<std::string> Leftovers(const std::string& gameDir) {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(gameDir)) {
        const std::string name = entry.path().filename().string();
        if (name == kCommitRecordName || name.ends_with(kNewSuffix) || name.ends_with(kOldSuffix))
            found.push_back(entry.path().string());
    }
    return found;
}

TEST(KillDuringExport, EveryGameFileIsWhollyOldOrWhollyNewAfterTheNextStart) {
    E2EGame game(0, true);
    SettingsRecord changed = sample::ExpectedRecord(3, true, 1, 1);
    const auto tracks = sample::ExpectedTrackEntries(3);
    std::copy(tracks.begin(), tracks.end(), changed.bytes().begin() + rec::kTrackEntries);
    const std::string settings = game.editorDir + "/CHANGED.GIA";
    WriteFileBytes(settings, Bytes(changed.bytes().begin(), changed.bytes().end()));

    const auto before = game.ReadGameFiles();
    const auto reset = [&] {
        for (const auto& [path, bytes] : before) {
            if (E2EGame::ReadWhole(path) != bytes)
                WriteFileBytes(path, bytes);
            std::filesystem::remove(path + ".bak");
        }
    };
    const ChildRun reference = RunExportChild(game.editorDir, settings, 0);
    ASSERT_EQ(reference.exitCode, 0) << reference.output;
    long total = 0, commitStart = 0;
    ASSERT_EQ(std::sscanf(reference.output.c_str(), "%ld %ld", &total, &commitStart), 2);
    ASSERT_GT(commitStart, 1000);
    ASSERT_GT(total, commitStart);
    const auto after = game.ReadGameFiles();
    for (const auto& [path, bytes] : after) {
        EXPECT_FALSE(bytes == before.at(path)) << path << " is part of the command";
        if (path != game.inst.exePath) {
            EXPECT_TRUE(TrailerValid(bytes)) << path;
        }
    }

    // Points before the commit, a spread over its writing of the new files, every step of its
    // record and renames, and one after the export has ended.
    std::vector<long> points;
    for (long n = 1; n < commitStart; n += commitStart / 8)
        points.push_back(n);
    const long tail = std::max(commitStart, total - 60);
    for (long n = commitStart; n < tail; n += std::max(1L, (tail - commitStart) / 20))
        points.push_back(n);
    for (long n = tail; n <= total; ++n)
        points.push_back(n);
    points.push_back(-1);
    RecordProperty("kills", static_cast<int>(points.size()));
    ASSERT_GE(points.size(), 50u);

    int torn = 0, completed = 0;
    for (const long point : points) {
        reset();
        const ChildRun run = RunExportChild(game.editorDir, settings, point);
        ASSERT_TRUE(run.killed) << "at " << point << ": " << run.output;

        game.dialogs.Clear();
        ASSERT_TRUE(RecoverInterruptedCommand(game.context, nullptr)) << "at " << point;
        EXPECT_LE(game.dialogs.Messages().size(), 1) << "at " << point;
        EXPECT_EQ(Leftovers(game.inst.gameDir), std::vector<std::string>{}) << "at " << point;

        int olds = 0, news = 0;
        for (const auto& [path, bytes] : game.ReadGameFiles()) {
            if (bytes == before.at(path))
                ++olds;
            else if (bytes == after.at(path))
                ++news;
            else
                ADD_FAILURE() << path << " is torn at " << point;
        }
        const bool whole = olds == 0 || news == 0;
        torn += !whole || olds + news != static_cast<int>(before.size());
        completed += news > 0;
        EXPECT_TRUE(whole) << olds << " old and " << news << " new files at " << point;
        if (point > 0 && point < commitStart) {
            EXPECT_EQ(news, 0) << "a kill before the commit changed a file, at " << point;
        }
        if (point < 0 || point == total) {
            EXPECT_EQ(olds, 0) << "a finished export was lost, at " << point;
        }
        if (HasFailure())
            break;
    }
    RecordProperty("torn", torn);
    EXPECT_EQ(torn, 0);
    EXPECT_GT(completed, 0);
}

} // namespace
} // namespace psn::test
