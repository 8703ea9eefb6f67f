// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/psnedit.h"
#include "core/json.h"
#include "core/settings_files.h"
#include "support/child_process.h"
#include "support/psnedit_run.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>
#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace psn {
namespace {

namespace sfs = std::filesystem;

using test::Install;
using test::Outcome;
using test::Psnedit;
using test::Snapshot;

// Runs psnedit with the arguments of $PSN_ARGS, one a line, and ends with its exit code and its
// errors, for PsneditProcess.
TEST(PsneditChild, DISABLED_Runs) {
    std::vector<std::string> args;
    std::istringstream lines(test::ChildParameter("PSN_ARGS"));
    for (std::string arg; std::getline(lines, arg);)
        args.push_back(arg);
    const Outcome outcome = Psnedit(args);
    test::EndChild(outcome.code, outcome.err);
}

// psnedit in a process of its own, so that one blocked in a system call is killed after `limit`
// instead of hanging the suite; code -1 then.
Outcome PsneditProcess(const std::vector<std::string>& args,
                       std::chrono::seconds limit = std::chrono::seconds(20)) {
    std::string lines;
    for (const std::string& arg : args)
        lines += arg + "\n";
    const test::ChildOutcome child =
        test::RunChildTest("PsneditChild.DISABLED_Runs", {{"PSN_ARGS", lines}}, limit);
    if (child.timedOut)
        return {-1, {}, child.err + "\n(killed: psnedit did not end within the time limit)"};
    return {child.code, {}, child.err};
}

void WriteText(const std::string& path, const std::string& text) {
    test::WriteFileBytes(path, {text.begin(), text.end()});
}

std::string ReplaceFirst(const std::string& text, const std::string& pattern,
                         const std::string& by) {
    return std::regex_replace(text, std::regex(pattern), by,
                              std::regex_constants::format_first_only);
}

// Each bad input ends psnedit with exit 2 and a message naming the file (and the field, where the
// fault lies in one) before anything is written; none of them can stop it for good.
TEST(BadInput, PsneditRefusesEachNamingFileAndFieldAndWritesNothing) {
    test::TempDir dir;
    const auto inst = Install(dir);
    const std::string good = Psnedit({"show", inst.gameDir, "--json"}).out;
    ASSERT_NE(good.find("\"position 3\""), std::string::npos);
#ifndef _WIN32
    const std::string fifo = dir.str() + "/pipe.GIA";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
#endif
    const std::string huge = dir.str() + "/huge.json";
    WriteText(huge, "{" + std::string(kSettingsDocumentLimit, ' ') + "}");
    const auto before = Snapshot(inst.gameDir);

    struct Case {
        std::string what, file, pattern, by; // a document: `good` with pattern -> by
        std::vector<std::string> says;       // besides the file's name
        std::string command = "apply";
    };
    const Case cases[] = {
        {"pit position 99",
         "pit99.json",
         "\"position 3\": \\d+",
         "\"position 3\": 99",
         {"\"pit line\": \"position 3\"", "outside 1..14"}},
        {"pit position 0",
         "pit0.json",
         "\"position 14\": \\d+",
         "\"position 14\": 0",
         {"\"pit line\": \"position 14\"", "outside 1..14"}},
        {"NUL in a team name",
         "team-nul.json", // not "nul.json": Windows reads that name as its null device
         "\"team 2\": \"[^\"]*\"",
         "\"team 2\": \"AB\\u0000C\"",
         {"\"names\": \"team 2\"", "NUL"}},
        {"NUL in a driver name",
         "driver-nul.json",
         "\"car 5 driver\": \"[^\"]*\"",
         "\"car 5 driver\": \"\\u0000\"",
         {"\"names\": \"car 5 driver\"", "NUL"}},
#ifndef _WIN32 // FIFOs and devices in the file system are POSIX's
        {"named pipe", fifo, "", "", {"named pipe", "not a regular file"}},
        {"named pipe shown", fifo, "", "", {"named pipe"}, "show"},
        {"endless device", "/dev/zero", "", "", {"device", "not a regular file"}},
#endif
        {"longer than a document can be", huge, "", "", {"more than 1048576 bytes"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = c.file;
        if (!c.pattern.empty()) {
            path = dir.str() + "/" + c.file;
            const std::string text = ReplaceFirst(good, c.pattern, c.by);
            ASSERT_NE(text, good);
            WriteText(path, text);
        }
        const Outcome o = c.command == "apply" ? PsneditProcess({"apply", path, inst.gameDir})
                                               : PsneditProcess({c.command, path});
        EXPECT_EQ(o.code, cli::kBadInput) << o.err;
        EXPECT_NE(o.err.find(path), std::string::npos) << o.err;
        for (const std::string& says : c.says)
            EXPECT_NE(o.err.find(says), std::string::npos) << o.err;
        EXPECT_TRUE(Snapshot(inst.gameDir) == before);
    }
}

// A document saved by a Windows editor starts with a byte-order mark; it applies exactly as the
// same document without one, also when its name does not say JSON.
TEST(BadInput, ByteOrderMarkBeforeADocumentIsIgnored) {
    test::TempDir dir;
    const auto plain = Install(dir, 0, "plain");
    const std::string changed = ReplaceFirst(Psnedit({"show", plain.gameDir, "--json"}).out,
                                             "\"position 1\": \\d+", "\"position 1\": 9");
    WriteText(dir.str() + "/plain.json", changed);
    ASSERT_EQ(Psnedit({"apply", dir.str() + "/plain.json", plain.gameDir}).code, cli::kSuccess);
    const auto expected = Snapshot(plain.gameDir);
    for (const char* name : {"marked.json", "marked.txt"}) {
        SCOPED_TRACE(name);
        const auto inst = Install(dir, 0, std::string("game-") + name);
        const std::string path = dir.str() + "/" + name;
        WriteText(path, std::string(json::kByteOrderMark) + changed);
        const Outcome o = Psnedit({"apply", path, inst.gameDir});
        EXPECT_EQ(o.code, cli::kSuccess) << o.err;
        EXPECT_TRUE(Snapshot(inst.gameDir) == expected);
    }
}

} // namespace
} // namespace psn
