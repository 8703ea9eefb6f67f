// SPDX-FileCopyrightText: 2026 The psniaed developers
// SPDX-License-Identifier: GPL-3.0-or-later

// psnedit and the windows agree: a change is kept within the range its window keeps, and a value
// is read and written in the unit its window shows, through the window's own conversion.
#include "core/json.h"
#include "core/settings_files.h"
#include "editors/power_model.h"
#include "editors/tuning_model.h"
#include "graphics/camera_format.h"
#include "shell/record_fields_table.h"
#include "support/psnedit_run.h"

#include <fstream>
#include <gtest/gtest.h>

namespace psn {
namespace {

using test::Install;
using test::Outcome;
using test::Psnedit;
using test::Snapshot;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

const fields::Field& FieldOf(fields::Group group, const std::string& key) {
    for (const fields::Field& field : fields::Fields())
        if (field.group == group && field.key == key)
            return field;
    throw std::runtime_error("no field " + key);
}

// Each window's limit, one step beyond it and at it; what is refused names the window's range.
TEST(PsneditRanges, SetRefusesWhatTheWindowWouldNotKeepAndNamesItsRange) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const auto before = Snapshot(inst.gameDir);
    struct Case {
        std::string key, beyond, at, range;
    };
    const Case cases[] = {
        {"engine power/team 2 qualification", "5000", "1579", "0..1579"},
        {"grip/car 7 other sessions", "17017", "17016", "0..17016"},
        {"grip/car 7 range", "32768", "32767", "0..32767"},
        {"car tuning/human car weight", "10001", "10000", "0..10000"},
        {"car tuning/light 2 colour", "4", "3", "1..3"},
        {"car tuning/light 2 speed", "65536", "65535", "6154..65535"},
        {"names/team 3 2nd driver number", "41", "40", "1..40"},
        {"names/team 3 in use", "2", "yes", "0..1"},
        {"cockpit colours/team 1 cockpit", "232", "231", "11..231"},
        {"pit crew colours/team 4 hands", "231", "230", "11..230"},
        {"tracks/track 2 compound", "4", "3", "0..3"},
        {"pit line/pit speed (raw)", "65535", "65534", "0..65534"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        const Outcome refused = Psnedit({"set", inst.gameDir, c.key + "=" + c.beyond});
        EXPECT_EQ(refused.code, cli::kBadInput) << refused.out;
        EXPECT_TRUE(Has(refused.err, "outside " + c.range)) << refused.err;
        EXPECT_TRUE(Has(refused.err, "Nothing was written")) << refused.err;
        const Outcome kept = Psnedit({"set", inst.gameDir, c.key + "=" + c.at, "--dry-run"});
        EXPECT_NE(kept.code, cli::kBadInput) << kept.err;
    }
    EXPECT_EQ(Snapshot(inst.gameDir), before);

    // The listing gives the window's range, and what the game could hold beside it.
    const Outcome listed = Psnedit({"fields"});
    EXPECT_TRUE(Has(listed.out, "engine power/team 2 qualification (BHP)\tnumber\tBHP\t0..1579 "
                                "(the game could hold 0..65535)\t"));
    EXPECT_TRUE(Has(listed.out, "failures/team 2\tnumber\t\t0..65535\t"));
}

// A value the game already holds beyond the window's range is no change: the game's own document
// still applies, and a settings file is applied byte for byte, as the editor applies one.
TEST(PsneditRanges, WhatTheGameAlreadyHoldsStaysLoadable) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    SettingsRecord record = test::ExpectedSave(inst);
    record.setU16(rec::EnginePowerQual(2), 5000);
    const std::string gia = dir.str() + "/strong.GIA", doc = dir.str() + "/strong.json";
    test::WriteFileBytes(gia, {record.bytes().begin(), record.bytes().end()});
    const Outcome applied = Psnedit({"apply", gia, inst.gameDir});
    ASSERT_EQ(applied.code, cli::kSuccess) << applied.err;
    std::ofstream(doc) << Psnedit({"show", inst.gameDir, "--json"}).out;
    EXPECT_EQ(Psnedit({"apply", doc, inst.gameDir}).code, cli::kSuccess);
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "engine power/team 2 qualification"}).out, "5000\n");
    // One more is a change again, and refused.
    EXPECT_EQ(Psnedit({"set", inst.gameDir, "engine power/team 2 qualification=5001"}).code,
              cli::kBadInput);
}

// The windows' models keep their values within the very ranges the field table gives.
TEST(PsneditRanges, TheTableRangesAreTheWindowsOwn) {
    SettingsRecord record;
    for (int t = 1; t <= 14; ++t)
        record.setU16(rec::EnginePowerQual(t), 0xFFFF);
    record.setU16(rec::kHumanWeight, 0xFFFF);
    PowerModel(record).ClampAll();
    TuningModel(record).ClampWeights();
    EXPECT_EQ(record.u16(rec::EnginePowerQual(14)),
              FieldOf(fields::Group::Power, "team 14 qualification").max);
    EXPECT_EQ(record.u16(rec::kHumanWeight),
              FieldOf(fields::Group::Tuning, "human car weight").max);
    TuningModel(record).EnterLightSpeed(1, 0x7FFFFFFF);
    const auto& speed = FieldOf(fields::Group::Tuning, "light 1 speed");
    EXPECT_LE(speed.get(record).number, speed.max);
}

// Keys without a unit are in the window's unit; the raw word has a key that says so; a value may
// name its unit; and documents written with the old raw member still load.
TEST(PsneditUnits, KeysAndValuesSpeakTheWindowsUnits) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const std::int16_t word = inst.values->cameras[3]; // camera 1 x angle
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "cameras/camera 1 x angle"}).out,
              camera::AngleText(word) + "\n");
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "cameras/camera 1 x angle (raw)"}).out,
              std::to_string(word) + "\n");

    // Degrees go through the window's conversion, not a search for a word that shows alike.
    ASSERT_EQ(Psnedit({"set", inst.gameDir, "cameras/camera 1 x angle=32.5"}).code, cli::kSuccess);
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "cameras/camera 1 x angle (raw)"}).out,
              std::to_string(static_cast<std::int16_t>(camera::AngleWord(32.5))) + "\n");
    EXPECT_EQ(Psnedit({"set", inst.gameDir, "cameras/camera 1 x angle=181"}).code, cli::kBadInput);

    const Outcome kg = Psnedit({"set", inst.gameDir, "car tuning/human car weight=700 kg"});
    ASSERT_EQ(kg.code, cli::kSuccess) << kg.err;
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "car tuning/human car weight (kg)"}).out, "700\n");
    EXPECT_EQ(Psnedit({"set", inst.gameDir, "car tuning/human car weight=1500 LB"}).code,
              cli::kSuccess);
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "car tuning/human car weight"}).out, "1500\n");
    const Outcome wrongKey =
        Psnedit({"set", inst.gameDir, "car tuning/human car weight (lb)=700 kg"});
    EXPECT_EQ(wrongKey.code, cli::kBadInput);
    EXPECT_TRUE(Has(wrongKey.err, "'car tuning/human car weight (kg)'")) << wrongKey.err;
    const Outcome noUnit = Psnedit({"set", inst.gameDir, "car tuning/human car weight=700 kph"});
    EXPECT_EQ(noUnit.code, cli::kBadInput);
    EXPECT_TRUE(Has(noUnit.err, "kg as 'car tuning/human car weight (kg)'")) << noUnit.err;

    // A code goes by the name the window shows for it.
    ASSERT_EQ(
        Psnedit({"set", inst.gameDir, "tracks/track 2 compound=B", "car tuning/light 0 colour=red"})
            .code,
        cli::kSuccess);
    EXPECT_EQ(
        Psnedit({"get", inst.gameDir, "tracks/track 2 compound", "car tuning/light 0 colour"}).out,
        "1\n3\n");

    // The pit speed: kph as the window shows it, the raw word beside it.
    const Outcome pit = Psnedit({"get", inst.gameDir, "pit line/pit speed", "--json"});
    EXPECT_TRUE(Has(pit.out, "\"pit line/pit speed (kph)\": ")) << pit.out;

    // A document from before the raw words had a unit gave the word under the plain key.
    const std::string old = dir.str() + "/old.json";
    std::ofstream(old) << R"({"psnedit": 1, "cameras": {"camera 2 z angle": 8192}})";
    ASSERT_EQ(Psnedit({"apply", old, inst.gameDir}).code, cli::kSuccess);
    EXPECT_EQ(Psnedit({"get", inst.gameDir, "cameras/camera 2 z angle"}).out, "45.000\n");
}

TEST(PsneditUnits, ShowListsTheWindowsUnitFirstAndOnlyThePartsAsked) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const Outcome shown = Psnedit({"show", inst.gameDir, "cameras", "pit line"});
    ASSERT_EQ(shown.code, cli::kSuccess) << shown.err;
    const std::int16_t word = inst.values->cameras[3];
    EXPECT_TRUE(Has(shown.out, "cameras: camera 1 x angle " + camera::AngleText(word) +
                                   " deg (raw " + std::to_string(word) + ")\n"))
        << shown.out;
    std::size_t lines = 0;
    for (std::size_t at = 0; (at = shown.out.find('\n', at)) != std::string::npos; ++at)
        ++lines;
    EXPECT_EQ(lines, 11u * 8u + 14u + 2u);
    EXPECT_FALSE(Has(shown.out, "names:"));
    const json::Value part = json::Parse(Psnedit({"show", inst.gameDir, "grip", "--json"}).out);
    EXPECT_TRUE(part.Find("grip"));
    EXPECT_FALSE(part.Find("names"));
    const Outcome unknown = Psnedit({"show", inst.gameDir, "engines"});
    EXPECT_EQ(unknown.code, cli::kBadInput);
    EXPECT_TRUE(Has(unknown.err, "'engine power'")) << unknown.err;
}

// The editor saves a description the game does not hold; the game's document leaves it unknown,
// so the two compare equal. A difference says which side is which.
TEST(PsneditUnits, DiffNamesItsSidesAndAGamesDocumentEqualsItsSettingsFile) {
    test::TempDir dir;
    const auto inst = Install(dir, 0);
    const std::string doc = dir.str() + "/game.json", gia = dir.str() + "/editor.GIA";
    ASSERT_EQ(Psnedit({"save", inst.gameDir, doc}).code, cli::kSuccess);
    SettingsRecord record = test::ExpectedSave(inst);
    SetSettingsDescription(record, "no description");
    record.setU8(rec::kUnused[0].begin, 0x5A);
    test::WriteFileBytes(gia, {record.bytes().begin(), record.bytes().end()});
    const Outcome same = Psnedit({"diff", doc, gia});
    EXPECT_EQ(same.code, cli::kSuccess) << same.out;
    EXPECT_EQ(same.out, "");

    record.setU16(rec::EnginePowerQual(2), 1234);
    test::WriteFileBytes(gia, {record.bytes().begin(), record.bytes().end()});
    const Outcome differ = Psnedit({"diff", inst.gameDir, gia});
    EXPECT_EQ(differ.code, cli::kDifferent);
    EXPECT_EQ(differ.out.substr(0, differ.out.find('\n')),
              "game " + inst.gameDir + " \u2192 " + gia);
}

} // namespace
} // namespace psn
