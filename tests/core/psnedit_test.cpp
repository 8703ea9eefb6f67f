// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/psnedit.h"
#include "core/checksum.h"
#include "core/commit.h"
#include "core/editions.h"
#include "core/fs.h"
#include "core/game_file.h"
#include "core/game_lock.h"
#include "core/game_text.h"
#include "core/json.h"
#include "core/platform.h"
#include "shell/record_fields_table.h"
#include "support/child_process.h"
#include "support/psnedit_run.h"
#include "support/scratch_game.h"
#include "tools/samplegame/sample_game.h"
#include "tracks/track_blocks.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace psn {
namespace {

namespace sfs = std::filesystem;

using test::Install;
using test::Outcome;
using test::Psnedit;
using test::Snapshot;

SettingsRecord ReadRecord(const std::string& path) {
    const auto bytes = test::ReadFileBytes(path);
    EXPECT_EQ(bytes.size(), rec::kSize) << path;
    SettingsRecord record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), rec::kSize), record.bytes().begin());
    return record;
}

void WriteRecord(const std::string& path, const SettingsRecord& record) {
    test::WriteFileBytes(path, {record.bytes().begin(), record.bytes().end()});
}

SettingsRecord ExpectedSave(const sample::Installation& inst, int names = 1, int cockpit = 1) {
    SettingsRecord expected = inst.Expected(names, cockpit);
    const auto tracks = sample::ExpectedTrackEntries(inst.edition);
    std::copy(tracks.begin(), tracks.end(), expected.bytes().begin() + rec::kTrackEntries);
    return expected;
}

// The sample game was written from its own table of values, so a save that matches it proves
// the start-up read, the track block and the settings file layout in every edition.
TEST(Psnedit, SaveGivesTheSampleGamesRecordInEveryEdition) {
    for (int edition = 0; edition < kEditionCount; ++edition) {
        SCOPED_TRACE("edition " + std::to_string(edition));
        test::TempDir dir;
        const auto inst = Install(dir, edition);
        const std::string gia = dir.str() + "/saved.GIA";
        const Outcome saved = Psnedit({"save", inst.gameDir, gia});
        ASSERT_EQ(saved.code, cli::kSuccess) << saved.err;
        const SettingsRecord record = ReadRecord(gia);
        const SettingsRecord expected = ExpectedSave(inst);
        for (std::size_t at = 0; at < rec::kSize; ++at)
            ASSERT_EQ(record.u8(at), expected.u8(at)) << "record offset " << at;
    }
    test::TempDir dir;
    const auto inst = Install(dir, 2);
    const std::string gia = dir.str() + "/exe.GIA";
    ASSERT_EQ(
        Psnedit({"save", inst.gameDir, gia, "--names-source", "exe", "--cockpit-source", "exe"})
            .code,
        cli::kSuccess);
    EXPECT_EQ(ReadRecord(gia), ExpectedSave(inst, 0, 0));
}

TEST(Psnedit, ShowGivesNaturalUnitsFromTheSampleValues) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const sample::SampleValues& v = *inst.values;
    const Outcome shown = Psnedit({"show", inst.gameDir});
    ASSERT_EQ(shown.code, cli::kSuccess) << shown.err;
    const auto has = [&](const std::string& line) {
        EXPECT_NE(shown.out.find(line + "\n"), std::string::npos) << line;
    };
    has("names: team 3 '" + GameBytesToUtf8(v.stateNames.teamNames[2]) + "'");
    has("engine power: team 2 qualification " + std::to_string(v.powerQual[1]) + " BHP");
    const int kg = static_cast<int>(std::nearbyint(v.humanWeight * 0.45359));
    has("car tuning: human car weight " + std::to_string(v.humanWeight) + " lb (" +
        std::to_string(kg) + " kg)");
    has("car tuning: light 1 speed " + std::to_string(v.lightSpeeds[0] + 6154) + " RPM");
    has("car tuning: qualifying fuel " + std::to_string(v.qualifyingFuel + 1) + " laps");
    const int team = v.pitOrder[0];
    has("pit line: position 1 " + std::to_string(team) + " ('" +
        GameBytesToUtf8(v.stateNames.teamNames[static_cast<std::size_t>(team - 1)]) + "')");
    has("tracks: track 4 '" + GameBytesToUtf8(v.trackNames[3]) + "' fuel consumption " +
        std::to_string(v.tracks[3].fuel));
    has("nose cones: team 1 " + std::string(v.noseRaised[0] ? "raised" : "lowered"));
    // A right angle is 16384 steps of 180/32768 degrees.
    SettingsRecord record;
    const auto& angle =
        *std::find_if(fields::Fields().begin(), fields::Fields().end(),
                      [](const fields::Field& f) { return f.key == "camera 2 x angle"; });
    record.setS16(rec::kCameras + rec::kCameraRowStride + 6, 16384);
    EXPECT_EQ(fields::ShowValue(angle, record), "90.000 deg (raw 16384)");
}

TEST(Psnedit, DiffListsEachChangedFieldAndExitsOneOnlyThen) {
    test::TempDir dir;
    const auto inst = Install(dir, 1);
    const std::string a = dir.str() + "/a.GIA", b = dir.str() + "/b.GIA";
    ASSERT_EQ(Psnedit({"save", inst.gameDir, a}).code, cli::kSuccess);
    SettingsRecord record = ReadRecord(a);
    record.setStr(rec::TeamName(3), rec::kTeamNameCapacity, "Vantor GP");
    record.setU16(rec::EnginePowerOther(14), 700);
    record.setU8(rec::kNoseCones + 4, record.u8(rec::kNoseCones + 4) ? 0 : 1);
    WriteRecord(b, record);
    const std::string team3 = GameBytesToUtf8(inst.values->stateNames.teamNames[2]);
    const Outcome diff = Psnedit({"diff", a, b});
    EXPECT_EQ(diff.code, cli::kDifferent);
    const bool raised = inst.values->noseRaised[4];
    EXPECT_EQ(diff.out, a + " \u2192 " + b + "\n" + "names: team 3 '" + team3 +
                            "' \u2192 'Vantor GP'\n" + "engine power: team 14 other sessions " +
                            std::to_string(inst.values->powerOther[13]) + " BHP \u2192 700 BHP\n" +
                            "nose cones: team 5 " +
                            (raised ? "raised \u2192 lowered" : "lowered \u2192 raised") + "\n");
    const Outcome asJson = Psnedit({"diff", a, b, "--json"});
    EXPECT_EQ(asJson.code, cli::kDifferent);
    const json::Value list = json::Parse(asJson.out);
    ASSERT_EQ(list.items.size(), 3u);
    EXPECT_EQ(list.items[1].Find("window")->text, "Engine power");
    EXPECT_EQ(list.items[1].Find("after")->text, "700 BHP");
    EXPECT_EQ(list.items[0].Find("before")->text, "'" + team3 + "'");
    const Outcome same = Psnedit({"diff", inst.gameDir, a});
    EXPECT_EQ(same.code, cli::kSuccess) << same.out;
    EXPECT_EQ(same.out, "");
}

// Executable bytes the game reads in more than one encoding while an export writes the one
// canonical form: the switches, the two nose tables, a driver name with a zero byte inside.
std::vector<std::pair<std::size_t, std::size_t>>
CanonicalisedBytes(const sample::Installation& inst) {
    const auto at = [&](int row, std::size_t size) {
        const std::size_t offset = sample::Offset(row, inst.edition);
        return std::pair{offset, offset + size};
    };
    std::vector<std::pair<std::size_t, std::size_t>> ranges = {
        at(5, 1), at(13, 5), at(14, 1), at(15, 1), at(29, 1), at(30, 1), at(20, 53 + 14 * 4)};
    if (inst.values->exeNames.nameWithInnerZero)
        ranges.push_back(at(0, 40 * 24));
    return ranges;
}

// Game -> JSON -> apply leaves every game file as the sample generator wrote it (canonical
// encodings aside, and a second apply changes nothing more), in every edition; a diff then finds
// nothing, and the JSON reads back as the settings file save writes.
TEST(Psnedit, JsonRoundTripChangesNothing) {
    const std::vector<std::string> exeSources = {"--names-source", "exe", "--cockpit-source",
                                                 "exe"};
    const auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), exeSources.begin(), exeSources.end());
        return Psnedit(args);
    };
    for (int edition = 0; edition < kEditionCount; ++edition) {
        SCOPED_TRACE("edition " + std::to_string(edition));
        test::TempDir dir;
        const auto inst = Install(dir, edition);
        const auto generated = Snapshot(inst.gameDir);
        const std::string json = dir.str() + "/game.json", gia = dir.str() + "/game.GIA";
        const Outcome shown = with({"show", inst.gameDir, "--json"});
        ASSERT_EQ(shown.code, cli::kSuccess) << shown.err;
        std::ofstream(json) << shown.out;
        if (edition == 3) {
            ASSERT_EQ(with({"save", inst.gameDir, gia}).code, cli::kSuccess);
            EXPECT_EQ(fields::FromJson(shown.out), ReadRecord(gia));
        }

        const Outcome applied = with({"apply", json, inst.gameDir});
        ASSERT_EQ(applied.code, cli::kSuccess) << applied.err;
        const auto first = Snapshot(inst.gameDir);
        ASSERT_EQ(with({"apply", json, inst.gameDir}).code, cli::kSuccess);
        const auto second = Snapshot(inst.gameDir);
        for (const auto& [name, bytes] : second) {
            if (name.size() > 4 && name.substr(name.size() - 4) == ".bak")
                continue;
            EXPECT_TRUE(bytes == first.at(name)) << name;
            std::vector<std::uint8_t> expected = generated.at(name);
            if (name == "PSN.EXE")
                for (const auto& [from, to] : CanonicalisedBytes(inst))
                    std::copy(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                              bytes.begin() + static_cast<std::ptrdiff_t>(to),
                              expected.begin() + static_cast<std::ptrdiff_t>(from));
            EXPECT_TRUE(bytes == expected) << name;
        }
        const Outcome diff = with({"diff", inst.gameDir, json});
        EXPECT_EQ(diff.code, cli::kSuccess) << diff.out;
    }
}

// What apply writes lands at the sample game's own offsets, in the game's encodings.
TEST(Psnedit, ApplyWritesChangedJsonFieldsIntoTheGame) {
    test::TempDir dir;
    const int edition = 4;
    const auto inst = Install(dir, edition);
    std::string json = Psnedit({"show", inst.gameDir, "--json"}).out;
    const auto replace = [&json](const std::string& from, const std::string& to) {
        const std::size_t at = json.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        json.replace(at, from.size(), to);
    };
    const std::string power =
        "\"team 2 qualification (BHP)\": " + std::to_string(inst.values->powerQual[1]);
    replace(power, "\"team 2 qualification (BHP)\": 1234");
    replace("\"team 1\": \"" + GameBytesToUtf8(inst.values->stateNames.teamNames[0]) + "\"",
            "\"team 1\": \"B\u00e9r\u00e9nice\"");
    const std::string fuel =
        "\"track 7 fuel consumption\": " + std::to_string(inst.values->tracks[6].fuel);
    replace(fuel, "\"track 7 fuel consumption\": 4321");
    std::ofstream(dir.str() + "/changed.json") << json;
    const Outcome applied = Psnedit({"apply", dir.str() + "/changed.json", inst.gameDir});
    ASSERT_EQ(applied.code, cli::kSuccess) << applied.err;

    const auto exe = test::ReadFileBytes(inst.exePath);
    const std::size_t powerAt = sample::Offset(6, edition) + 2;
    EXPECT_EQ(exe[powerAt] | exe[powerAt + 1] << 8, 1234 + 32817);
    const auto state = test::ReadFileBytes(inst.statePath);
    const std::vector<std::uint8_t> name = {'B', 0xE9, 'r', 0xE9, 'n', 'i', 'c',
                                            'e', 0,    0,   0,    0,   0};
    EXPECT_TRUE(std::equal(name.begin(), name.end(), state.begin() + 0x3C3E));
    const auto track = test::ReadFileBytes(inst.TrackPath(7));
    const std::size_t fuelAt = inst.values->tracks[6].setupOffset + 26;
    EXPECT_EQ(track[fuelAt] | track[fuelAt + 1] << 8, 4321);
}

TEST(Psnedit, BadInputIsRefusedWithItsFileNamedAndNothingWritten) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const std::string good = Psnedit({"show", inst.gameDir, "--json"}).out;
    const auto before = Snapshot(inst.gameDir);
    struct Case {
        std::string what, from, to, says;
    };
    const Case cases[] = {
        {"too long", "\"team 1 engine\": \"", "\"team 1 engine\": \"ABCDEFGHIJKLMN", "longer"},
        {"beyond the character set", "\"car 1 driver\": \"", "\"car 1 driver\": \"\u20ac",
         "cannot show"},
        {"out of range", "\"human car weight (lb)\": ", "\"human car weight (lb)\": 7",
         "from 0 to 65535"},
        {"a track's name edited", "\"track 1 name\": \"", "\"track 1 name\": \"New ",
         "cannot be changed"},
        {"missing field", "\"random engine power\": ", "\"random engine powr\": ", "not a field"},
        {"not JSON", "{", "{{", "not valid JSON"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string text = good;
        text.replace(text.find(c.from), c.from.size(), c.to);
        const std::string path = dir.str() + "/bad.json";
        std::ofstream(path, std::ios::trunc) << text;
        const Outcome applied = Psnedit({"apply", path, inst.gameDir});
        EXPECT_EQ(applied.code, cli::kBadInput);
        EXPECT_NE(applied.err.find(path), std::string::npos) << applied.err;
        EXPECT_NE(applied.err.find(c.says), std::string::npos) << applied.err;
    }
    test::WriteFileBytes(dir.str() + "/short.GIA", std::vector<std::uint8_t>(100, 0));
    EXPECT_EQ(Psnedit({"apply", dir.str() + "/short.GIA", inst.gameDir}).code, cli::kBadInput);
    EXPECT_EQ(Psnedit({"show", dir.str() + "/missing.GIA"}).code, cli::kBadInput);
    EXPECT_EQ(Psnedit({"show", dir.str()}).code, cli::kBadInput); // no PSN.EXE there
    EXPECT_TRUE(Snapshot(inst.gameDir) == before);

    // No game to fall back on: no PSNEDIT_GAME, no editor configuration.
    const test::EnvVar noGame("PSNEDIT_GAME", ""), home("HOME", dir.str()),
        data("XDG_DATA_HOME", dir.str() + "/share");
    for (const std::vector<std::string>& usage :
         {std::vector<std::string>{},
          {"frobnicate"},
          {"show"},
          {"diff", "a"},
          {"save", inst.gameDir, "x.GIA", "--names-source", "disk"},
          {"apply", "x", "--json"}}) {
        const Outcome o = Psnedit(usage);
        EXPECT_EQ(o.code, cli::kBadInput) << o.err;
        EXPECT_NE(o.err.find("psnedit --help"), std::string::npos);
    }
    const Outcome help = Psnedit({"--help"});
    EXPECT_EQ(help.code, cli::kSuccess);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
}

TEST(Psnedit, ADamagedGameFileEndsWithExitThreeAndNothingWritten) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    test::WriteFileBytes(inst.TrackPath(9), std::vector<std::uint8_t>(64, 0));
    const auto before = Snapshot(inst.gameDir);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"show", inst.gameDir},
                                                 {"save", inst.gameDir, dir.str() + "/s.GIA"}}) {
        const Outcome o = Psnedit(args);
        EXPECT_EQ(o.code, cli::kGameFailure);
        EXPECT_NE(o.err.find(inst.gameDir), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("F1CT09.DAT: cannot go to byte"), std::string::npos) << o.err;
        EXPECT_NE(o.err.find("the file has only 64 bytes"), std::string::npos) << o.err;
    }
    EXPECT_FALSE(sfs::exists(dir.str() + "/s.GIA"));
    EXPECT_TRUE(Snapshot(inst.gameDir) == before);
}

TEST(Psnedit, WithoutTrackFilesSetUpsAreNotComparedAndNothingIsApplied) {
    test::TempDir dir;
    sample::Options options;
    options.edition = 0;
    options.gameDir = dir.str() + "/game/";
    options.withTracks = false;
    options.withPictures = false;
    const auto inst = sample::MakeInstallation(options);
    const std::string gia = dir.str() + "/s.GIA";
    WriteRecord(gia, inst.Expected(1, 1));
    const auto before = Snapshot(inst.gameDir);
    // The set-ups a game without track files cannot give are no difference, and the comparison
    // says it left them out.
    SettingsRecord withTracks = inst.Expected(1, 1);
    withTracks.setU8(TrackEntryOffset(0, trackentry::kFrontWing), 9);
    WriteRecord(dir.str() + "/t.GIA", withTracks);
    const Outcome diff = Psnedit({"diff", inst.gameDir, dir.str() + "/t.GIA"});
    EXPECT_EQ(diff.code, cli::kGameFailure) << diff.out;
    EXPECT_EQ(diff.out, "");
    EXPECT_NE(diff.err.find("track set-ups were not read"), std::string::npos);
    EXPECT_NE(diff.err.find("left out the track set-ups"), std::string::npos);
    const Outcome applied = Psnedit({"apply", gia, inst.gameDir});
    EXPECT_EQ(applied.code, cli::kGameFailure);
    EXPECT_NE(applied.err.find("Nothing was written"), std::string::npos) << applied.err;
    EXPECT_TRUE(Snapshot(inst.gameDir) == before);
}

TEST(Psnedit, RestorePutsEveryBackupBackAndKeepsThem) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const auto original = Snapshot(inst.gameDir);
    const std::string gia = dir.str() + "/s.GIA";
    ASSERT_EQ(Psnedit({"save", inst.gameDir, gia}).code, cli::kSuccess);
    SettingsRecord record = ReadRecord(gia);
    record.setU16(rec::EnginePowerQual(1), 1500);
    record.setU8(TrackEntryOffset(0, 0), 99);
    WriteRecord(gia, record);
    ASSERT_EQ(Psnedit({"apply", gia, inst.gameDir}).code, cli::kSuccess);
    ASSERT_NE(test::ReadFileBytes(inst.exePath), original.at("PSN.EXE"));

    // A file without a backup makes the whole restore fail before anything changes.
    const auto applied = Snapshot(inst.gameDir);
    const Outcome refused = Psnedit({"restore", inst.gameDir, "PSN.EXE", "README.TXT"});
    EXPECT_EQ(refused.code, cli::kGameFailure);
    EXPECT_NE(refused.err.find("README.TXT"), std::string::npos) << refused.err;
    EXPECT_TRUE(Snapshot(inst.gameDir) == applied);

    const Outcome restored = Psnedit({"restore", inst.gameDir});
    ASSERT_EQ(restored.code, cli::kSuccess) << restored.err;
    for (const auto& [name, bytes] : original)
        EXPECT_TRUE(test::ReadFileBytes(inst.gameDir + name) == bytes) << name;
    EXPECT_TRUE(sfs::exists(inst.exePath + ".bak"));
    EXPECT_TRUE(sfs::exists(inst.TrackPath(1) + ".bak"));
    for (const auto& entry : sfs::recursive_directory_iterator(inst.gameDir))
        EXPECT_EQ(entry.path().string().find(".psniaed-"), std::string::npos) << entry.path();
}

// Commits $PSN_VALUE into PSN.EXE and F1GSTATE.SAV of the game $PSN_GAME as the editor does,
// ending this process abruptly just after the commit record is written.
std::string gRecord;
TEST(PsneditChild, DISABLED_CommitsUntilTheRecordIsWritten) {
    const std::string gameDir = test::ChildParameter("PSN_GAME");
    const auto value = static_cast<std::uint8_t>(std::stoi(test::ChildParameter("PSN_VALUE")));
    gRecord = gameDir + kCommitRecordName;
    auto faults = std::make_shared<TransferFaults>();
    faults->observe = [](long) {
        platform::Info info;
        if (platform::DescribePath(gRecord, info) && info.kind == platform::Kind::Regular)
            test::EndAbruptly();
    };
    SetCommittingProgram("psniaed");
    Staging staging(faults, gameDir);
    for (const std::string& path : {gameDir + "PSN.EXE", gameDir + "F1GSTATE.SAV"}) {
        GameFile file(faults, &staging);
        ASSERT_TRUE(file.Open(path));
        file.Seek(100);
        file.WriteByte(value);
        file.Close();
    }
    // A save state is written only with its trailer fitting its bytes.
    RenewChecksum(gameDir + "F1GSTATE.SAV", faults, &staging);
    staging.Commit();
    FAIL() << "the commit ended without its process being stopped";
}

// Leaves the game as that commit of `value` leaves it when its process dies just after writing the
// commit record: every file still old, the new ones beside.
void InterruptAfterTheRecord(const sample::Installation& inst, std::uint8_t value) {
    const test::ChildOutcome child =
        test::RunChildTest("PsneditChild.DISABLED_CommitsUntilTheRecordIsWritten",
                           {{"PSN_GAME", inst.gameDir}, {"PSN_VALUE", std::to_string(value)}});
    ASSERT_EQ(child.code, test::kEndedAbruptly) << child.out << child.err;
    ASSERT_TRUE(sfs::exists(inst.gameDir + kCommitRecordName));
}

// Reading a game half way through a commit would show a mix of old and new files: every command
// completes the commit first, under the game's lock, and says so beside its own output.
TEST(Psnedit, EveryCommandCompletesAnInterruptedCommitFirstAndSaysSo) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const std::vector<std::vector<std::string>> commands = {
        {"show", inst.gameDir, "--json"},
        {"diff", inst.gameDir, inst.gameDir},
        {"save", inst.gameDir, dir.str() + "/saved.GIA"},
        {"restore", inst.gameDir, "PSN.EXE"},
    };
    std::uint8_t value = 0xA0;
    for (const auto& command : commands) {
        SCOPED_TRACE(command[0]);
        ++value;
        InterruptAfterTheRecord(inst, value);
        ASSERT_NE(test::ReadFileBytes(inst.exePath)[100], value);
        const Outcome outcome = Psnedit(command);
        EXPECT_NE(outcome.code, cli::kGameFailure) << outcome.err;
        const std::string said = outcome.out + outcome.err;
        EXPECT_NE(said.find("The editor was stopped while it was changing the game files. The "
                            "change has now been completed in: "),
                  std::string::npos)
            << said;
        EXPECT_NE(said.find(fs::Native(inst.statePath)), std::string::npos) << said;
        EXPECT_FALSE(sfs::exists(inst.gameDir + kCommitRecordName));
        EXPECT_EQ(test::ReadFileBytes(inst.statePath)[100], value);
        if (command[0] == "show") {
            // Standard output stays the JSON document.
            EXPECT_EQ(outcome.out.front(), '{');
        }
        if (command[0] != "restore") {
            EXPECT_EQ(test::ReadFileBytes(inst.exePath)[100], value);
        }
    }
}

TEST(GameText, EveryByteGoesThroughUnicodeAndJsonAndBack) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    const std::string text = GameBytesToUtf8(all);
    EXPECT_EQ(Utf8ToGameBytes(text), all);
    EXPECT_EQ(GameBytesToUtf8("\xE9"), "\u00e9");
    const json::Value parsed = json::Parse("{\"x\": " + json::Quote(text) + "}");
    EXPECT_EQ(parsed.Find("x")->text, text);
    EXPECT_FALSE(Utf8ToGameBytes("\u20ac"));   // beyond U+00FF
    EXPECT_FALSE(Utf8ToGameBytes("\xC3"));     // cut short
    EXPECT_FALSE(Utf8ToGameBytes("\xC0\x80")); // overlong
    EXPECT_THROW(json::Parse(std::string(200, '[')), json::ParseError);
    EXPECT_EQ(json::Parse("{\"a\": -1.5e3}").Find("a")->text, "-1.5e3");
    EXPECT_THROW(json::Parse("{\"a\": 1.}"), json::ParseError);
    EXPECT_THROW(json::Parse("{\"a\": 1e}"), json::ParseError);
}

} // namespace
} // namespace psn

namespace psn {
namespace {

// psnedit is not the editor: reading the tracks must not complete the editor's originals
// snapshot that waits for them.
TEST(Psnedit, ReadingLeavesTheEditorsPendingSnapshotAlone) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const std::string editor = dir.str() + "/editor";
    sfs::create_directories(editor + "/DATA");
    test::WriteFileBytes(editor + "/DATA/PLT.DAT", sample::PatchListBytes());
    const std::vector<std::uint8_t> snapshot(rec::kSize, 7);
    test::WriteFileBytes(editor + "/DATA/ORIGIN.SET", snapshot);
    test::WriteFileBytes(editor + "/DATA/ORIGIN.TRK", {});
    std::ostringstream out, err;
    ASSERT_EQ(cli::Run({"show", inst.gameDir}, out, err, editor), cli::kSuccess) << err.str();
    EXPECT_TRUE(test::ReadFileBytes(editor + "/DATA/ORIGIN.SET") == snapshot);
    EXPECT_TRUE(sfs::exists(editor + "/DATA/ORIGIN.TRK"));
    // The patch list was still found there: the switch it decides was read.
    EXPECT_NE(out.str().find("car tuning: real best time info " +
                             std::string(inst.values->patchOn ? "on" : "off") + "\n"),
              std::string::npos);
    EXPECT_EQ(err.str(), "");
}

} // namespace
} // namespace psn

namespace psn {
namespace {

// Texts at full length, so that every character byte is part of a value.
SettingsRecord FullLengthTexts() {
    SettingsRecord record;
    for (const fields::Field& field : fields::Fields())
        if (field.kind == fields::Kind::Text)
            field.set(record, fields::Value{0, std::string(field.capacity, 'a')});
    return record;
}

// A byte no field covers would be lost by every JSON round trip without a word.
TEST(RecordFieldsTable, EveryRecordByteBelongsToAField) {
    const SettingsRecord base = FullLengthTexts();
    const fields::Context none;
    for (std::size_t at = 0; at < rec::kSize; ++at) {
        // A length byte above its text's capacity reads as the capacity, so lengths go to 0.
        SettingsRecord flipped = base, cleared = base;
        flipped.setU8(at, static_cast<std::uint8_t>(base.u8(at) ^ 0x21));
        cleared.setU8(at, 0);
        EXPECT_FALSE(fields::Compare(base, flipped, none, false).empty() &&
                     fields::Compare(base, cleared, none, false).empty())
            << "offset " << at;
    }
}

TEST(RecordFieldsTable, RandomRecordsGoThroughJsonUnchanged) {
    std::mt19937 random(17);
    for (int round = 0; round < 20; ++round) {
        SettingsRecord record;
        for (auto& byte : record.bytes())
            byte = static_cast<std::uint8_t>(random());
        // Within what a document may hold: names without NUL, pit positions naming a team.
        for (std::size_t at = rec::kDriverNames; at < rec::kCarSlots; ++at)
            record.setU8(at, static_cast<std::uint8_t>(record.u8(at) | 1));
        // Car numbers the game can hold: a higher byte is a number with its selected mark.
        for (int slot = 1; slot <= 40; ++slot)
            record.setU8(rec::SlotNumber(slot),
                         static_cast<std::uint8_t>(record.u8(rec::SlotNumber(slot)) % 129));
        for (std::size_t p = 0; p < 14; ++p)
            record.setU8(rec::kPitOrder + p,
                         static_cast<std::uint8_t>(1 + record.u8(rec::kPitOrder + p) % 14));
        // Character bytes past a text's length never reach a game file and are not kept.
        SettingsRecord tidy;
        for (const fields::Field& field : fields::Fields())
            field.set(tidy, field.get(record));
        const std::string json = fields::ToJson(tidy, {});
        EXPECT_EQ(fields::FromJson(json), tidy) << json.substr(0, 200);
        EXPECT_TRUE(fields::Compare(record, tidy, {}, false).empty());
    }
}

} // namespace
} // namespace psn

namespace psn {
namespace {

void LowerCaseNames(const sfs::path& dir) {
    std::vector<sfs::path> entries;
    for (const auto& entry : sfs::recursive_directory_iterator(dir))
        entries.push_back(entry.path());
    // Deepest first, so a folder is renamed after what it holds.
    std::sort(entries.rbegin(), entries.rend());
    for (const sfs::path& path : entries) {
        std::string name = path.filename().string();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        sfs::rename(path, path.parent_path() / name);
    }
}

TEST(Psnedit, WorksOnALowerCaseInstallation) {
    test::TempDir dir;
    const auto upper = Install(dir, 1, "upper");
    const auto lower = Install(dir, 1, "lower");
    LowerCaseNames(lower.gameDir);
    const Outcome shownUpper = Psnedit({"show", upper.gameDir});
    const Outcome shownLower = Psnedit({"show", lower.gameDir});
    ASSERT_EQ(shownLower.code, cli::kSuccess) << shownLower.err;
    EXPECT_EQ(shownLower.out, shownUpper.out);
    EXPECT_EQ(shownLower.err, "");

    const std::string gia = dir.str() + "/s.GIA";
    ASSERT_EQ(Psnedit({"save", lower.gameDir, gia}).code, cli::kSuccess);
    SettingsRecord record = ReadRecord(gia);
    record.setU16(TrackEntryOffset(2, trackentry::kFuel), 999);
    WriteRecord(gia, record);
    const Outcome applied = Psnedit({"apply", gia, lower.gameDir});
    ASSERT_EQ(applied.code, cli::kSuccess) << applied.err;
#ifndef _WIN32 // Windows's file names ignore letter case, so no twin can arise there
    EXPECT_FALSE(sfs::exists(lower.gameDir + "CIRCUITS"));
    EXPECT_FALSE(sfs::exists(lower.gameDir + "PSN.EXE"));
#endif
    const auto track = test::ReadFileBytes(lower.gameDir + "circuits/f1ct03.dat");
    const std::size_t fuelAt = lower.values->tracks[2].setupOffset + 26;
    EXPECT_EQ(track[fuelAt] | track[fuelAt + 1] << 8, 999);
}

} // namespace
} // namespace psn
