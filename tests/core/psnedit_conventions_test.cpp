// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Typed values and keys shared by every document psnedit writes, the game it picks when none is
// given, and the shell completion.
#include "core/config.h"
#include "core/json.h"
#include "shell/record_fields_table.h"
#include "support/psnedit_run.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace psn {
namespace {

namespace sfs = std::filesystem;
using test::EnvVar;
using test::ExpectedSave;
using test::Install;
using test::Outcome;
using test::Psnedit;
using test::UserFolderAt;

// Each part's member names, in order.
std::vector<std::string> Keys(const json::Value& document) {
    std::vector<std::string> keys;
    for (const json::Member& part : document.members)
        for (const json::Member& member : part.value.members)
            keys.push_back(part.name + "/" + member.name);
    return keys;
}

TEST(PsneditTyped, DiffAndDocumentsShareShowsKeysWithTypedValues) {
    test::TempDir dir;
    const auto inst = Install(dir, 2);
    const std::string a = dir.str() + "/a.GIA", b = dir.str() + "/b.GIA";
    SettingsRecord record = ExpectedSave(inst);
    test::WriteFileBytes(a, {record.bytes().begin(), record.bytes().end()});
    record.setU16(rec::EnginePowerQual(2), 1234);
    record.setU8(rec::kRandomPowerSwitch, record.u8(rec::kRandomPowerSwitch) ? 0 : 1);
    record.setS16(rec::kCameras + 6, 16384); // camera 1 x angle: 90 degrees
    test::WriteFileBytes(b, {record.bytes().begin(), record.bytes().end()});

    const json::Value fromGame = json::Parse(Psnedit({"show", inst.gameDir, "--json"}).out);
    const json::Value fromFile = json::Parse(Psnedit({"show", a, "--json"}).out);
    EXPECT_EQ(Keys(fromGame), Keys(fromFile));
    const json::Value* power = fromGame.Find("engine power");
    EXPECT_EQ(power->Find("random engine power")->kind, json::Value::Kind::Bool);
    EXPECT_EQ(fromGame.Find("cameras")->Find("camera 1 x angle (deg)")->kind,
              json::Value::Kind::Number);

    const Outcome diff = Psnedit({"diff", a, b, "--json"});
    EXPECT_EQ(diff.code, cli::kDifferent);
    const json::Value list = json::Parse(diff.out);
    ASSERT_EQ(list.items.size(), 3u) << diff.out;
    for (const json::Value& item : list.items) {
        const json::Value* part = fromGame.Find(item.Find("part")->text);
        ASSERT_TRUE(part);
        EXPECT_TRUE(part->Find(item.Find("field")->text)) << item.Find("field")->text;
    }
    EXPECT_EQ(list.items[0].Find("field")->text, "team 2 qualification (BHP)");
    EXPECT_EQ(list.items[0].Find("old")->integer, inst.values->powerQual[1]);
    EXPECT_EQ(list.items[0].Find("new")->integer, 1234);
    EXPECT_EQ(list.items[1].Find("new")->kind, json::Value::Kind::Bool);
    EXPECT_EQ(list.items[2].Find("new")->integer, 16384);
    EXPECT_EQ(json::Parse(Psnedit({"show", b, "--json"}).out)
                  .Find("cameras")
                  ->Find("camera 1 x angle (deg)")
                  ->text,
              "90.000");
}

TEST(PsneditDefaultGame, TheEditorsLastGameOrPsneditGameIsUsedWhenNoneIsGiven) {
    test::TempDir dir;
    const auto configured = Install(dir, 1, "configured");
    const auto chosen = Install(dir, 3, "chosen");
    // The editor's configuration in the user's editor folder names the first.
    const std::string folder = dir.str() + "/share/psniaed";
    sfs::create_directories(folder + "/DATA");
    ConfigRecord config;
    config.SetGameDir(configured.gameDir);
    test::WriteFileBytes(folder + "/psniaed.set", {config.Bytes().begin(), config.Bytes().end()});
    const UserFolderAt user(dir.str(), dir.str() + "/share");
    const EnvVar none("PSNEDIT_GAME", "");
    const std::string key = "engine power/team 1 qualification (BHP)";
    Outcome got = Psnedit({"get", key});
    EXPECT_EQ(got.code, cli::kSuccess) << got.err;
    EXPECT_EQ(got.out, std::to_string(configured.values->powerQual[0]) + "\n");
    {
        const EnvVar game("PSNEDIT_GAME", chosen.gameDir);
        got = Psnedit({"get", key});
        EXPECT_EQ(got.out, std::to_string(chosen.values->powerQual[0]) + "\n") << got.err;
        ASSERT_EQ(Psnedit({"set", key + "=812"}).code, cli::kSuccess);
        EXPECT_EQ(Psnedit({"get", chosen.gameDir, key}).out, "812\n");
        EXPECT_EQ(Psnedit({"show"}).code, cli::kSuccess);
    }
    EXPECT_EQ(Psnedit({"get", configured.gameDir, key}).out,
              std::to_string(configured.values->powerQual[0]) + "\n");
    sfs::remove(folder + "/psniaed.set");
    const Outcome missing = Psnedit({"show"});
    EXPECT_EQ(missing.code, cli::kBadInput);
    EXPECT_NE(missing.err.find("PSNEDIT_GAME"), std::string::npos);
}

std::string Shell(const std::string& script) {
    std::string out;
    FILE* pipe = ::popen(("bash -c '" + script + "' 2>&1").c_str(), "r");
    if (!pipe)
        return out;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe))
        out += buffer;
    ::pclose(pipe);
    return out;
}

TEST(PsneditCompletion, CompletesCommandsOptionsAndKeys) {
    const std::string source = std::string("PATH=") + PSN_APP_DIR + ":$PATH; source " +
                               PSN_SOURCE_DIR + "/cli/psnedit-completion.bash; ";
    const auto complete = [&](const std::string& words, int current) {
        return Shell(source + "COMP_WORDS=(" + words + "); COMP_CWORD=" + std::to_string(current) +
                     "; _psnedit; printf \"%s\\n\" \"${COMPREPLY[@]}\"");
    };
    EXPECT_EQ(complete("psnedit ge", 1), "get\n");
    EXPECT_EQ(complete("psnedit show --dr", 2), "--dry-run\n");
    EXPECT_EQ(complete("psnedit show --names-source s", 3), "state\n");
    EXPECT_EQ(complete("psnedit set game \"engine power/human q\"", 3),
              "engine\\ power/human\\ qualification\\ \\(BHP\\)=\n");
    EXPECT_EQ(complete("psnedit show game pit", 3), "pit\\ line\npit\\ crew\\ colours\n");
}

TEST(EditorProgram, AnswersHelpAndVersionWithoutADisplay) {
    const std::string editor = std::string(PSN_APP_DIR) + "/psniaed";
    if (!sfs::exists(editor))
        GTEST_SKIP() << "the editor is not built in this build";
    for (const std::string option : {"--help", "--version"}) {
        const std::string out =
            Shell("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + editor + " " + option);
        EXPECT_EQ(out.rfind(option == "--help" ? "Usage: psniaed" : "psniaed ", 0), 0u) << out;
    }
}

} // namespace
} // namespace psn
