// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Partial documents, the apply's read-back and report, and values that cannot be known: each
// checked against the sample game's own table of values.
#include "core/editions.h"
#include "core/game_text.h"
#include "core/json.h"
#include "editors/tuning_blocks.h"
#include "shell/record_fields_table.h"
#include "support/file_poke.h"
#include "support/psnedit_run.h"
#include "tracks/track_blocks.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace psn {
namespace {

namespace sfs = std::filesystem;
using test::ExpectedSave;
using test::Install;
using test::Outcome;
using test::Psnedit;
using test::PsneditIn;
using test::Snapshot;

SettingsRecord Saved(const sample::Installation& inst, const std::string& dir) {
    const std::string gia = dir + "/check.GIA";
    const Outcome saved = Psnedit({"save", inst.gameDir, gia});
    EXPECT_EQ(saved.code, cli::kSuccess) << saved.err;
    const auto bytes = test::ReadFileBytes(gia);
    SettingsRecord record;
    std::copy_n(bytes.begin(), std::min(bytes.size(), rec::kSize), record.bytes().begin());
    return record;
}

std::string Write(const test::TempDir& dir, const std::string& name, const std::string& text) {
    const std::string path = dir.str() + "/" + name;
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    return path;
}

// A name as the game files keep it: the bytes past its end are cleared.
void SetName(SettingsRecord& record, std::size_t offset, std::size_t capacity,
             const std::string& name) {
    std::fill_n(record.bytes().begin() + static_cast<std::ptrdiff_t>(offset), capacity + 1, 0);
    record.setStr(offset, capacity, name);
}

void ExpectSameRecord(const SettingsRecord& got, const SettingsRecord& expected) {
    for (std::size_t at = 0; at < rec::kSize; ++at)
        ASSERT_EQ(got.u8(at), expected.u8(at)) << "record offset " << at;
}

// A partial document changes what it gives and nothing else; a value in the other unit is
// converted; a switch the edition cannot take is named with both values and exit code 1.
TEST(PsneditApply, APartialDocumentChangesOnlyItsFieldsInEveryEdition) {
    for (int edition = 0; edition < kEditionCount; ++edition) {
        SCOPED_TRACE("edition " + std::to_string(edition));
        test::TempDir dir;
        const auto inst = Install(dir, edition);
        const std::string doc = Write(dir, "part.json", R"j({"psnedit": 1,
            "engine power": {"team 2 qualification (BHP)": 1234},
            "car tuning": {"human car weight (kg)": 700}})j");
        const Outcome applied = Psnedit({"apply", doc, inst.gameDir});
        EXPECT_EQ(applied.code, cli::kSuccess) << applied.err;
        SettingsRecord expected = ExpectedSave(inst);
        expected.setU16(rec::EnginePowerQual(2), 1234);
        // The pound value nearest the original whose kilograms are 700.
        std::uint16_t pounds = 0;
        for (int lb = 0; lb < 65536; ++lb)
            if (PoundsToKilograms(lb) == 700 &&
                (pounds == 0 || std::abs(lb - inst.values->humanWeight) <
                                    std::abs(pounds - inst.values->humanWeight)))
                pounds = static_cast<std::uint16_t>(lb);
        expected.setU16(rec::kHumanWeight, pounds);
        EXPECT_NE(applied.out.find("Changed PSN.EXE: 2 settings"), std::string::npos)
            << applied.out;
        EXPECT_NE(applied.out.find("engine power: team 2 qualification " +
                                   std::to_string(inst.values->powerQual[1]) +
                                   " BHP \u2192 1234 BHP"),
                  std::string::npos)
            << applied.out;
        // The sample places a patch list byte among other blocks' bytes in some editions: the
        // switch is compared as the game reads it now.
        const SettingsRecord got = Saved(inst, dir.str());
        expected.setU8(rec::kPatchListSwitch, got.u8(rec::kPatchListSwitch));
        ExpectSameRecord(got, expected);

        // The switch of the patch list: only the first edition's executable takes it, and only
        // an executable that holds the list's bytes tells its state.
        const auto& exe = sample::ExeImage(edition);
        const bool listFits =
            std::any_of(sample::PatchRecords().begin(), sample::PatchRecords().end(),
                        [&](const sample::PatchRecord& r) {
                            return exe.at(r.offset) == r.off || exe.at(r.offset) == r.on;
                        });
        const bool patchOn = expected.u8(rec::kPatchListSwitch) == 1;
        const std::string flip =
            Write(dir, "flip.json",
                  std::string(R"j({"psnedit": 1, "car tuning": )j") +
                      R"j({"real best time info": )j" + (patchOn ? "false" : "true") + "}}");
        const Outcome flipped = Psnedit({"apply", flip, inst.gameDir});
        if (!listFits) {
            EXPECT_EQ(flipped.code, cli::kDifferent) << flipped.err;
            EXPECT_NE(flipped.err.find("could not be read back"), std::string::npos) << flipped.err;
            const Outcome shown = Psnedit({"get", inst.gameDir, "car tuning/real best time info"});
            EXPECT_EQ(shown.out, "null\n");
            EXPECT_NE(shown.err.find("holds none of the patch list's bytes"), std::string::npos);
            continue;
        }
        // No edition byte selects the sixth edition: its game is taken for the first.
        if (EditionFromByte(exe.at(kEditionByteOffset), 0) == kPatchListEdition) {
            EXPECT_EQ(flipped.code, cli::kSuccess) << flipped.err;
            expected.setU8(rec::kPatchListSwitch, patchOn ? 0 : 1);
        } else {
            EXPECT_EQ(flipped.code, cli::kDifferent) << flipped.err;
            EXPECT_NE(flipped.err.find(std::string("real best time info: asked ") +
                                       (patchOn ? "off" : "on") + ", the game holds " +
                                       (patchOn ? "on" : "off")),
                      std::string::npos)
                << flipped.err;
        }
        ExpectSameRecord(Saved(inst, dir.str()), expected);
    }
}

TEST(PsneditApply, AFieldTheGameDoesNotTakeIsNamedWithBothValues) {
    test::TempDir dir;
    const auto inst = Install(dir, 2);
    const std::string off = Write(
        dir, "off.json", R"j({"psnedit": 1, "engine power": {"random engine power": "off"}})j");
    const std::string on =
        Write(dir, "on.json", R"j({"psnedit": 1, "engine power": {"random engine power": "on"}})j");
    ASSERT_EQ(Psnedit({"apply", off, inst.gameDir}).code, cli::kSuccess);
    const auto afterOff = Snapshot(inst.gameDir);
    // The game keeps the switch off: nothing to write, and the apply says so.
    const Outcome back = Psnedit({"apply", on, inst.gameDir});
    EXPECT_EQ(back.code, cli::kDifferent);
    EXPECT_NE(back.err.find("random engine power: asked on, the game holds off"), std::string::npos)
        << back.err;
    EXPECT_NE(back.out.find("nothing was written"), std::string::npos) << back.out;
    EXPECT_TRUE(Snapshot(inst.gameDir) == afterOff);
    SettingsRecord expected = ExpectedSave(inst);
    expected.setU8(rec::kRandomPowerSwitch, 0);
    ExpectSameRecord(Saved(inst, dir.str()), expected);
}

// Where the backup of the original holds the switch's call, turning it back on takes.
TEST(PsneditApply, RandomEnginePowerComesBackOnFromTheBackup) {
    test::TempDir dir;
    const auto inst = Install(dir, 2);
    const std::uint32_t at = ExeOffset(ExeRow::RandomPowerPatch, 2);
    const std::vector<std::uint8_t> call = {0xE8, 0x10, 0x20, 0x30, 0x40};
    test::Poke(inst.exePath, at, call);
    const std::string off = Write(
        dir, "off.json", R"j({"psnedit": 1, "engine power": {"random engine power": "off"}})j");
    const std::string on =
        Write(dir, "on.json", R"j({"psnedit": 1, "engine power": {"random engine power": "on"}})j");
    ASSERT_EQ(Psnedit({"apply", off, inst.gameDir}).code, cli::kSuccess);
    EXPECT_EQ(test::Peek(inst.exePath, at, 5), std::vector<std::uint8_t>(5, 0x90));
    const Outcome back = Psnedit({"apply", on, inst.gameDir});
    EXPECT_EQ(back.code, cli::kSuccess) << back.err;
    EXPECT_EQ(test::Peek(inst.exePath, at, 5), call);
    EXPECT_NE(back.out.find("random engine power"), std::string::npos) << back.out;
}

// Every file an apply changes is named with its reason; the second apply of the same document
// changes nothing and says so. A dry run names the same and writes nothing.
TEST(PsneditApply, EachChangedFileIsNamedAndADryRunWritesNothing) {
    for (const int edition : {0, 3, 6}) {
        SCOPED_TRACE("edition " + std::to_string(edition));
        test::TempDir dir;
        const auto inst = Install(dir, edition);
        const std::string doc = Write(dir, "d.json", R"j({"psnedit": 1,
            "names": {"team 1": "Nuova"}, "tracks": {"track 3 gear 2": 77}})j");
        const auto before = Snapshot(inst.gameDir);
        const Outcome dry = Psnedit({"apply", doc, inst.gameDir, "--dry-run"});
        EXPECT_EQ(dry.code, cli::kSuccess) << dry.err;
        EXPECT_TRUE(Snapshot(inst.gameDir) == before);
        const std::string team1 = GameBytesToUtf8(inst.values->stateNames.teamNames[0]);
        for (const std::string& line : std::vector<std::string>{
                 "Would change PSN.EXE", "Would change F1GSTATE.SAV",
                 "Would change CIRCUITS/F1CT03.DAT: 1 setting",
                 "names: team 1 '" + team1 + "' \u2192 'Nuova'", "Nothing was written (--dry-run)"})
            EXPECT_NE(dry.out.find(line), std::string::npos) << line << "\n" << dry.out;
        const Outcome applied = Psnedit({"apply", doc, inst.gameDir});
        EXPECT_EQ(applied.code, cli::kSuccess) << applied.err;
        // The same report, now done.
        std::string done = dry.out;
        for (std::size_t at; (at = done.find("Would change")) != std::string::npos;)
            done.replace(at, 12, "Changed");
        EXPECT_EQ(applied.out.substr(0, applied.out.rfind("Changed")),
                  done.substr(0, done.rfind("Changed")));
        const auto after = Snapshot(inst.gameDir);
        EXPECT_FALSE(after == before);
        const Outcome again = Psnedit({"apply", doc, inst.gameDir});
        EXPECT_EQ(again.code, cli::kSuccess) << again.err;
        EXPECT_NE(again.out.find("nothing was written"), std::string::npos) << again.out;
        EXPECT_TRUE(Snapshot(inst.gameDir) == after);
        SettingsRecord expected = ExpectedSave(inst);
        SetName(expected, rec::TeamName(1), rec::kTeamNameCapacity, "Nuova");
        expected.setU8(TrackEntryOffset(2, trackentry::kFirstGear + 1), 77);
        ExpectSameRecord(Saved(inst, dir.str()), expected);
    }
}

// Runs psnedit with an editor folder and a home that hold no patch list.
struct AwayFromData {
    test::TempDir home;
    test::UserFolderAt folder{home.str(), home.str() + "/share"};
    Outcome Run(const std::vector<std::string>& args) const {
        return PsneditIn(args, "", home.str());
    }
};

TEST(PsneditUnknown, WithoutThePatchListTheSwitchIsUnknownAndNeverADifference) {
    for (int edition = 0; edition < kEditionCount; ++edition) {
        SCOPED_TRACE("edition " + std::to_string(edition));
        test::TempDir dir;
        const auto inst = Install(dir, edition);
        const AwayFromData away;
        const Outcome shown = away.Run({"show", inst.gameDir, "--json"});
        ASSERT_EQ(shown.code, cli::kSuccess) << shown.err;
        EXPECT_NE(shown.err.find("'real best time info' is unknown"), std::string::npos);
        const json::Value doc = json::Parse(shown.out);
        EXPECT_EQ(doc.Find("car tuning")->Find("real best time info")->kind,
                  json::Value::Kind::Null);
        // A settings file with either value: the switch is no difference, the comparison is
        // incomplete.
        SettingsRecord file = ExpectedSave(inst);
        file.setU8(rec::kPatchListSwitch, file.u8(rec::kPatchListSwitch) ? 0 : 1);
        const std::string gia = dir.str() + "/f.GIA";
        test::WriteFileBytes(gia, {file.bytes().begin(), file.bytes().end()});
        const Outcome diff = away.Run({"diff", inst.gameDir, gia});
        EXPECT_EQ(diff.code, cli::kGameFailure);
        EXPECT_EQ(diff.out, "");
        EXPECT_NE(diff.err.find("left out car tuning: real best time info"), std::string::npos)
            << diff.err;
        // The list given anywhere is used.
        const std::string list = dir.str() + "/my list.bin";
        test::WriteFileBytes(list, sample::PatchListBytes());
        const Outcome withList = away.Run({"show", inst.gameDir, "--json", "--patch-list", list});
        ASSERT_EQ(withList.code, cli::kSuccess) << withList.err;
        EXPECT_EQ(withList.err, "");
        const bool on = ExpectedSave(inst).u8(rec::kPatchListSwitch) == 1;
        const json::Value listed = json::Parse(withList.out);
        const json::Value* patch = listed.Find("car tuning")->Find("real best time info");
        EXPECT_EQ(patch->kind, json::Value::Kind::Bool);
        EXPECT_EQ(patch->boolean, on);
        const Outcome applied = away.Run({"apply", gia, inst.gameDir, "--patch-list", list});
        EXPECT_EQ(applied.err.find("is missing"), std::string::npos) << applied.err;
        if (edition == kPatchListEdition)
            EXPECT_EQ(applied.code, cli::kSuccess) << applied.err;
        else
            EXPECT_NE(applied.code, cli::kGameFailure) << applied.err;
    }
}

TEST(PsneditUnknown, WithoutTrackFilesTheSetUpsAreNullAndTheComparisonIncomplete) {
    test::TempDir dir;
    sample::Options options;
    options.edition = 5;
    options.gameDir = dir.str() + "/game/";
    options.withTracks = false;
    options.withPictures = false;
    const auto inst = sample::MakeInstallation(options);
    const Outcome shown = Psnedit({"show", inst.gameDir, "--json"});
    ASSERT_EQ(shown.code, cli::kSuccess) << shown.err;
    const json::Value document = json::Parse(shown.out);
    const json::Value* tracks = document.Find("tracks");
    ASSERT_TRUE(tracks);
    for (const json::Member& member : tracks->members)
        if (!member.name.ends_with(" name")) { // the names are in the executable
            EXPECT_EQ(member.value.kind, json::Value::Kind::Null) << member.name;
        }
    const std::string gia = dir.str() + "/s.GIA";
    const SettingsRecord record = inst.Expected(1, 1);
    test::WriteFileBytes(gia, {record.bytes().begin(), record.bytes().end()});
    const Outcome diff = Psnedit({"diff", gia, inst.gameDir});
    EXPECT_EQ(diff.code, cli::kGameFailure);
    EXPECT_NE(diff.err.find("left out the track set-ups"), std::string::npos) << diff.err;
}

// Values that only show another (a track's name, the team at a pit position) cannot change;
// two units that disagree are refused naming both; --all wants every field.
TEST(PsneditApply, DocumentsThatCannotBeTakenAreRefusedAndNothingIsWritten) {
    test::TempDir dir;
    const auto inst = Install(dir, 1);
    const std::string track1 = GameBytesToUtf8(inst.values->trackNames[0]);
    struct Case {
        std::string what, body, says;
        std::vector<std::string> options;
    };
    const Case cases[] = {
        {"a track's name",
         R"j("tracks": {"track 1 name": "Elsewhere"})j",
         "\"track 1 name\" cannot be changed",
         {}},
        {"the same track name", R"j("tracks": {"track 1 name": ")j" + track1 + R"j("})j", "", {}},
        {"the team at a pit position",
         R"j("pit line": {"position 1 (team)": "Nobody"})j",
         "cannot be changed: it shows the name of the team",
         {}},
        {"two units that disagree",
         R"j("car tuning": {"human car weight (lb)": 1000, "human car weight (kg)": 900})j",
         "\"human car weight (kg)\" disagrees with \"human car weight (lb)\"",
         {}},
        {"a unit beyond the range",
         R"j("car tuning": {"human car weight (kg)": 40000})j",
         "is no value",
         {}},
        {"a null under --all",
         R"j("car tuning": {"human car weight (lb)": null})j",
         "missing",
         {"--all"}},
        {"a partial document under --all",
         R"j("car tuning": {"human car weight (lb)": 1000})j",
         "every field must be given",
         {"--all"}},
    };
    const auto before = Snapshot(inst.gameDir);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = Write(dir, "bad.json", "{\"psnedit\": 1, " + c.body + "}");
        std::vector<std::string> args = {"apply", path, inst.gameDir, "--dry-run"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Outcome applied = Psnedit(args);
        if (c.says.empty()) {
            EXPECT_EQ(applied.code, cli::kSuccess) << applied.err;
            continue;
        }
        EXPECT_EQ(applied.code, cli::kBadInput) << applied.out;
        EXPECT_NE(applied.err.find(path), std::string::npos) << applied.err;
        EXPECT_NE(applied.err.find(c.says), std::string::npos) << applied.err;
    }
    EXPECT_TRUE(Snapshot(inst.gameDir) == before);
}

TEST(PsneditKeys, GetSetAndFieldsUseTheKeysOfTheDocument) {
    test::TempDir dir;
    const auto inst = Install(dir, 4);
    const sample::SampleValues& v = *inst.values;
    const Outcome got = Psnedit({"get", inst.gameDir, "engine power/team 2 qualification (BHP)",
                                 "engine power/team 3 other sessions", "names/team 1",
                                 "car tuning/human car weight (kg)"});
    ASSERT_EQ(got.code, cli::kSuccess) << got.err;
    EXPECT_EQ(got.out, std::to_string(v.powerQual[1]) + "\n" + std::to_string(v.powerOther[2]) +
                           "\n" + GameBytesToUtf8(v.stateNames.teamNames[0]) + "\n" +
                           std::to_string(PoundsToKilograms(v.humanWeight)) + "\n");
    const Outcome set = Psnedit({"set", inst.gameDir, "engine power/team 2 qualification=999",
                                 "names/team 2=\"123\"", "nose cones/team 1=raised"});
    ASSERT_EQ(set.code, cli::kSuccess) << set.err;
    SettingsRecord expected = ExpectedSave(inst);
    expected.setU16(rec::EnginePowerQual(2), 999);
    SetName(expected, rec::TeamName(2), rec::kTeamNameCapacity, "123");
    expected.setU8(rec::kNoseCones, 1);
    ExpectSameRecord(Saved(inst, dir.str()), expected);
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"get", inst.gameDir, "engine power"},
          {"get", inst.gameDir, "engines/team 1"},
          {"set", inst.gameDir, "engine power/team 99 qualification=1"},
          {"set", inst.gameDir, "engine power/team 1 qualification"}}) {
        SCOPED_TRACE(bad[2]);
        EXPECT_EQ(Psnedit(bad).code, cli::kBadInput);
    }
    // Every key fields lists is one get takes.
    const Outcome listed = Psnedit({"fields", "--json"});
    ASSERT_EQ(listed.code, cli::kSuccess);
    const json::Value list = json::Parse(listed.out);
    ASSERT_EQ(list.items.size(), fields::Fields().size());
    std::vector<std::string> args = {"get", inst.gameDir};
    for (const json::Value& item : list.items)
        args.push_back(item.Find("key")->text);
    const Outcome all = Psnedit(args);
    EXPECT_EQ(all.code, cli::kSuccess) << all.err;
    EXPECT_EQ(list.items[0].Find("file")->text, "F1GSTATE.SAV and PSN.EXE");
}

// A stream that takes nothing, as a full disk does.
struct FullBuffer : std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
    std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
};

TEST(PsneditConventions, StandardStreamsAndLinksAreHandledPlainly) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    // save to "-": the settings file's bytes.
    const Outcome saved = Psnedit({"save", inst.gameDir, "-"});
    ASSERT_EQ(saved.code, cli::kSuccess) << saved.err;
    const SettingsRecord expected = ExpectedSave(inst);
    EXPECT_EQ(saved.out, std::string(expected.bytes().begin(), expected.bytes().end()));
    // apply from "-".
    const Outcome applied = PsneditIn({"apply", "-", inst.gameDir},
                                      R"j({"psnedit": 1, "failures": {"team 3": 4242}})j");
    EXPECT_EQ(applied.code, cli::kSuccess) << applied.err;
    EXPECT_EQ(Saved(inst, dir.str()).u16(rec::Failure(3)), 4242);
#ifndef _WIN32 // the standard library makes no links on Windows; the platform tests do
    // A link is never replaced by a file: a link to a file is written through.
    const std::string target = dir.str() + "/target", link = dir.str() + "/link.GIA";
    test::WriteFileBytes(target, {1, 2, 3});
    sfs::create_symlink(target, link);
    EXPECT_EQ(Psnedit({"save", inst.gameDir, link}).code, cli::kSuccess);
    EXPECT_TRUE(sfs::is_symlink(link));
    const std::vector<std::uint8_t> written = test::ReadFileBytes(target);
    ASSERT_EQ(written.size(), rec::kSize);
    EXPECT_EQ(written[rec::Failure(3)] + 256 * written[rec::Failure(3) + 1], 4242);
#endif
    // Output that cannot be written is a failure.
    FullBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    std::istringstream in;
    EXPECT_EQ(cli::Run({"show", inst.gameDir, "--json"}, in, out, err, PSN_APP_DIR),
              cli::kBadInput);
    EXPECT_NE(err.str().find("standard output"), std::string::npos);
    // "--" ends the options; --version answers alone.
    EXPECT_EQ(Psnedit({"show", "--", "--json"}).code, cli::kBadInput);
    const Outcome version = Psnedit({"--version"});
    EXPECT_EQ(version.code, cli::kSuccess);
    EXPECT_EQ(version.out.rfind("psnedit ", 0), 0u);
}

} // namespace
} // namespace psn
